#include "views/live_filter.h"

#include <algorithm>
#include <unordered_map>

#include "core/doc.h"
#include "platform/locale_text.h"
#include "platform/numbers.h"
#include "views/collect_items.h"
#include "views/shell_sort.h"

std::u16string DvKeywordRowText(const DvKeywordEntry& entry) {
    return entry.keyword + u" (" + dv::formatInt64(entry.count) + u")";
}

CDvLiveFilter::CDvLiveFilter(CDvDoc& doc) : doc_(doc) {}

void CDvLiveFilter::Prepare(std::u16string_view folderPath, int itemType) {
    scopeFolder_ = folderPath;
    scopeType_ = itemType;
}

void CDvLiveFilter::SetPhrase(std::u16string phrase) {
    phrase_ = std::move(phrase);
    lowerPhrase_ = dv::toLowerLocale(phrase_);
}

bool CDvLiveFilter::IsFilterActive() const { return keywordFilterOn_ || (textFilterOn_ && !phrase_.empty()); }

bool CDvLiveFilter::ItemPassesFilter(const CDvItem& item, bool checkScope) const {
    if (checkScope) {
        if (!DvItemInFolder(item, scopeFolder_, includeSubfolders)) return false;
        if (scopeType_ != 0 && item.itemType != scopeType_) return false;
    }
    if (textFilterOn_ && !phrase_.empty() && !dv::lowerContains(item.title, lowerPhrase_))
        return false;
    return !keywordFilterOn_ || passesKeywordTest(item);
}

bool CDvLiveFilter::passesKeywordTest(const CDvItem& item) const {
    const bool anySelected = std::find(selected_.begin(), selected_.end(), 1) != selected_.end();
    if (allKeywords && (!anySelected || item.keywords.empty())) return false;
    if (listIsRebuilding()) return false;
    if (table_.empty()) return allKeywords;
    for (size_t row = 0; row < selected_.size(); ++row) {
        if (!selected_[row]) continue;
        const bool carried =
            std::find(item.keywords.begin(), item.keywords.end(), table_[row].keyword) != item.keywords.end();
        if (allKeywords && !carried) return false;
        if (!allKeywords && carried) return true;
    }
    return allKeywords;
}

void CDvLiveFilter::RebuildKeywordList() {
    RebuildKeywordTable();
    FillKeywordList();
}

void CDvLiveFilter::RebuildKeywordTable() {
    // Same folder text (exactly) and type: a refresh after an edit, so the user's choice stays.
    const bool sameScope =
        lastRebuild_ && lastRebuild_->folder == scopeFolder_ && lastRebuild_->itemType == scopeType_;
    lastRebuild_ = Scope{scopeFolder_, scopeType_};
    remembered_.clear();
    if (sameScope && keywordFilterOn_) remembered_ = SelectedKeywords();
    selected_.clear();
    table_.clear();
    if (!keywordFilterOn_) return;

    auto lock = doc_.Lock();
    std::unordered_map<std::u16string, size_t> rowOf;
    for (const auto& owned : doc_.items) {
        const CDvItem& item = *owned;
        if (scopeType_ != 0 && item.itemType != scopeType_) continue;
        if (!DvItemInFolder(item, scopeFolder_, includeSubfolders)) continue;
        for (const std::u16string& keyword : item.keywords) {
            const auto [at, added] = rowOf.try_emplace(keyword, table_.size());
            if (added)
                table_.push_back({keyword, 1});
            else
                ++table_[at->second].count;
        }
    }
    if (alphabetical)
        DvShellSort(table_, [](const DvKeywordEntry& a, const DvKeywordEntry& b) {
            return dv::compareNoCase(a.keyword, b.keyword);
        });
    else
        DvShellSort(table_, [](const DvKeywordEntry& a, const DvKeywordEntry& b) { return b.count - a.count; });
}

void CDvLiveFilter::FillKeywordList() {
    selected_.assign(table_.size(), 0);
    for (size_t row = 0; row < table_.size(); ++row)
        if (std::find(remembered_.begin(), remembered_.end(), table_[row].keyword) != remembered_.end())
            selected_[row] = 1;
    remembered_.clear();
}

std::u16string CDvLiveFilter::RowText(int row) const {
    if (row < 0 || row >= RowCount() || row >= static_cast<int>(table_.size())) return {};
    return DvKeywordRowText(table_[static_cast<size_t>(row)]);
}

bool CDvLiveFilter::IsRowSelected(int row) const {
    return row >= 0 && row < RowCount() && selected_[static_cast<size_t>(row)];
}

void CDvLiveFilter::SetRowSelected(int row, bool selected) {
    if (row >= 0 && row < RowCount()) selected_[static_cast<size_t>(row)] = selected ? 1 : 0;
}

void CDvLiveFilter::SelectAll(bool selected) {
    if (listIsRebuilding()) return;
    std::fill(selected_.begin(), selected_.end(), selected ? 1 : 0);
}

std::vector<std::u16string> CDvLiveFilter::SelectedKeywords() const {
    std::vector<std::u16string> out;
    for (size_t row = 0; row < selected_.size() && row < table_.size(); ++row)
        if (selected_[row]) out.push_back(table_[row].keyword);
    return out;
}
