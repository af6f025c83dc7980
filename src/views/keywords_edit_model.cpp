#include "views/keywords_edit_model.h"

#include <algorithm>

#include "core/doc.h"
#include "platform/locale_text.h"

namespace {

constexpr size_t kNearbyLimit = 200;
constexpr size_t kEverywhereLimit = 100;

bool isTrimmed(char16_t c) { return c == u' ' || c == u','; }

bool sharesScope(const CDvItem& item, const std::vector<std::u16string>& itemFolders) {
    for (const auto& mine : itemFolders)
        for (const auto& theirs : item.folders)
            if (PathDepth(mine, theirs) >= 0) return true;
    return false;
}

// One pass over the items that `wanted` accepts: appends up to `limit` new candidates, sorted
// among themselves.
template <class Wanted>
void collectPass(const CDvDoc& doc, std::u16string_view lowerFragment, size_t limit, Wanted wanted,
                 std::vector<std::u16string>& candidates) {
    std::vector<std::u16string> found;
    for (const auto& owned : doc.items) {
        if (found.size() >= limit) break;
        if (!wanted(*owned)) continue;
        for (const std::u16string& keyword : owned->keywords) {
            std::u16string lower = dv::toLowerLocale(keyword);
            if (lower.empty() || lower.find(lowerFragment) == std::u16string::npos) continue;
            if (std::find(candidates.begin(), candidates.end(), lower) != candidates.end()) continue;
            if (std::find(found.begin(), found.end(), lower) != found.end()) continue;
            found.push_back(std::move(lower));
            if (found.size() >= limit) break;
        }
    }
    std::sort(found.begin(), found.end());
    candidates.insert(candidates.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
}

}  // namespace

DvTextSelection DvKeywordFragment(std::u16string_view text, DvTextSelection selection) {
    const int size = static_cast<int>(text.size());
    int start = std::clamp(std::min(selection.start, selection.end), 0, size);
    int end = std::clamp(std::max(selection.start, selection.end), 0, size);
    if (start != end) return {start, end};
    const int caret = end;
    const size_t comma = text.substr(0, static_cast<size_t>(caret)).rfind(u',');
    start = comma == std::u16string_view::npos ? 0 : static_cast<int>(comma) + 1;
    while (start < caret && isTrimmed(text[static_cast<size_t>(start)])) ++start;
    end = caret;
    while (end > start && isTrimmed(text[static_cast<size_t>(end - 1)])) --end;
    if (start == end) return {caret, caret};
    return {start, end};
}

std::vector<std::u16string> DvKeywordCandidates(const CDvDoc& doc, const std::vector<std::u16string>& itemFolders,
                                                std::u16string_view fragment) {
    const std::u16string lowerFragment = dv::toLowerLocale(fragment);
    std::vector<std::u16string> candidates;
    auto lock = doc.Lock();
    collectPass(doc, lowerFragment, kNearbyLimit,
                [&](const CDvItem& item) { return sharesScope(item, itemFolders); }, candidates);
    candidates.emplace_back();  // the separator between nearby and other keywords
    if (candidates.size() < kNearbyLimit)
        collectPass(doc, lowerFragment, kEverywhereLimit, [](const CDvItem&) { return true; }, candidates);
    return candidates;
}

std::u16string_view CDvKeywordsEditModel::HintFor(std::u16string_view text) {
    const auto spaces = std::count(text.begin(), text.end(), u' ');
    const auto commas = std::count(text.begin(), text.end(), u',');
    return spaces >= 3 && commas == 0 ? kCommaHint : std::u16string_view();
}

DvAutoCompleteOutcome CDvKeywordsEditModel::AutoComplete(const CDvDoc& doc,
                                                         const std::vector<std::u16string>& itemFolders) {
    previous_ = selection;
    fragment_ = DvKeywordFragment(text, selection);
    if (!fragment_.Empty()) selection = fragment_;
    const auto fragmentText =
        std::u16string_view(text).substr(static_cast<size_t>(fragment_.start),
                                         static_cast<size_t>(fragment_.end - fragment_.start));
    menu_ = DvKeywordCandidates(doc, itemFolders, fragmentText);
    const auto real = std::count_if(menu_.begin(), menu_.end(), [](const auto& c) { return !c.empty(); });
    if (real == 0) {
        menu_.clear();
        selection = previous_;
        return DvAutoCompleteOutcome::NothingFound;
    }
    if (real == 1) {
        const std::u16string only = *std::find_if(menu_.begin(), menu_.end(), [](const auto& c) { return !c.empty(); });
        menu_.clear();
        replaceFragment(only);
        return DvAutoCompleteOutcome::Replaced;
    }
    return DvAutoCompleteOutcome::MenuOffered;
}

void CDvKeywordsEditModel::ChooseCandidate(int index) {
    if (index < 0 || index >= static_cast<int>(menu_.size()) || menu_[static_cast<size_t>(index)].empty()) return;
    const std::u16string chosen = menu_[static_cast<size_t>(index)];
    menu_.clear();
    replaceFragment(chosen);
}

void CDvKeywordsEditModel::DismissMenu() {
    menu_.clear();
    selection = previous_;
}

void CDvKeywordsEditModel::replaceFragment(const std::u16string& candidate) {
    text.replace(static_cast<size_t>(fragment_.start), static_cast<size_t>(fragment_.end - fragment_.start), candidate);
    const int caret = fragment_.start + static_cast<int>(candidate.size());
    selection = {caret, caret};
}
