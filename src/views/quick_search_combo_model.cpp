#include "views/quick_search_combo_model.h"

#include "core/doc.h"
#include "views/quick_search.h"

namespace {

constexpr size_t kLongTitle = 50;
constexpr size_t kCutTitle = 47;

}  // namespace

std::u16string DvQuickSearchRowText(std::u16string_view title, int itemType, bool outOfScope) {
    std::u16string row = title.size() > kLongTitle ? std::u16string(title.substr(0, kCutTitle)) + u"..."
                                                   : std::u16string(title);
    if (outOfScope) row += u"  [" + DvItemTypeName(itemType) + u"]";
    return row;
}

CDvQuickSearchComboBoxModel::CDvQuickSearchComboBoxModel(CDvDoc& doc, DvQuickSearchListener* owner,
                                                         const dv::MillisecondClock& clock)
    : doc_(doc), owner_(owner), clock_(clock) {}

bool CDvQuickSearchComboBoxModel::SetScope(std::u16string folderPath, int itemType) {
    scopeFolder_ = std::move(folderPath);
    scopeType_ = itemType;
    const bool first = !scopeSet_;
    scopeSet_ = true;
    return first;
}

int CDvQuickSearchComboBoxModel::DropDownWidth(int width) {
    return width > 10 && width < 600 ? width + kWiderBy : width;
}

void CDvQuickSearchComboBoxModel::TextChanged(std::u16string text) {
    text_ = std::move(text);
    if (!suppress_) pending_ = true;
}

void CDvQuickSearchComboBoxModel::SetTextSilently(std::u16string text) {
    suppress_ = true;
    TextChanged(std::move(text));
    suppress_ = false;
}

bool CDvQuickSearchComboBoxModel::Tick() {
    if (!pending_) return false;
    pending_ = false;
    Fill();
    return true;
}

void CDvQuickSearchComboBoxModel::Fill() {
    rows_.clear();
    entries_.clear();
    const DvSearchQuery query = DvSearchQuery::FromText(text_);
    // An emptied box closes the list rather than offering everything or a lone separator.
    dropDownShown_ = !query.words.empty();
    if (!dropDownShown_) return;
    auto lock = doc_.Lock();
    DvQuickSearch(doc_, query, scopeType_, kPassResults, false, scopeFolder_, entries_, clock_);
    if (entries_.size() < static_cast<size_t>(kEnoughInScope)) {
        entries_.push_back(DvListEntry{});  // the separator; it stays even when nothing follows
        DvQuickSearch(doc_, query, 0, kPassResults, false, {}, entries_, clock_);
        if (entries_.size() < static_cast<size_t>(kFewEntries))
            DvQuickSearch(doc_, query, 0, kPartialResults, true, {}, entries_, clock_);
    }
    bool outOfScope = false;
    for (const DvListEntry& entry : entries_) {
        const CDvItem* item = DvResolveEntry(doc_, entry);
        if (!item) {
            rows_.emplace_back(kDvOutOfScopeRow);
            outOfScope = true;
            continue;
        }
        rows_.push_back(DvQuickSearchRowText(item->title, item->itemType, outOfScope));
    }
}

bool CDvQuickSearchComboBoxModel::EntryChosen(int row) {
    if (row < 0 || static_cast<size_t>(row) >= entries_.size()) return false;
    const CDvItem* item = DvResolveEntry(doc_, entries_[static_cast<size_t>(row)]);
    if (!item) return false;
    if (owner_) owner_->LocateItem(item->guid);
    return true;
}
