#include "views/quick_search.h"

#include <algorithm>

#include "core/doc.h"
#include "platform/locale_text.h"
#include "views/collect_items.h"
#include "views/item_compare.h"

namespace {

constexpr double kVariableScore = 0.2;
constexpr double kVariablePartScore = 0.01;
constexpr double kScopeBonus = 0.2;

bool contains(std::u16string_view text, std::u16string_view part) { return text.find(part) != text.npos; }

double variableScore(const CDvItem& item, const DvSearchQuery& query, bool partial) {
    std::u16string converted, lower;
    for (int i = 0; i < item.vars.Count(); ++i) {
        const CDvVar& value = *item.vars.ValueAt(i);
        // Strings are by far the most common variables; their text needs no copy.
        std::u16string_view text = value.StringPayload();
        if (value.Type() != DV_VAR_STRING) text = converted = value.AsText();
        if (dv::lowerContains(text, query.text)) return kVariableScore;
        if (!partial || text.empty()) continue;
        dv::toLowerLocaleInto(text, lower);
        if (contains(query.text, lower)) return kVariablePartScore;
    }
    return 0.0;
}

}  // namespace

DvSearchQuery DvSearchQuery::FromText(std::u16string_view typed) {
    DvSearchQuery query;
    query.text = dv::toLowerLocale(typed);
    size_t start = 0;
    while (start <= query.text.size()) {
        size_t end = query.text.find(u' ', start);
        if (end == std::u16string::npos) end = query.text.size();
        if (end > start) query.words.push_back(query.text.substr(start, end - start));
        start = end + 1;
    }
    return query;
}

double DvTextScore(std::u16string_view text, const DvSearchQuery& query) {
    if (dv::lowerContains(text, query.text)) return 1.0;
    const bool everyWord = std::all_of(query.words.begin(), query.words.end(),
                                       [text](const std::u16string& word) { return dv::lowerContains(text, word); });
    return everyWord ? 0.5 : 0.0;
}

double DvKeywordScore(const CDvItem& item, const DvSearchQuery& query, bool partial) {
    if (query.words.empty()) return 0.0;
    double sum = 0.0;
    for (const std::u16string& word : query.words) {
        for (const std::u16string& keyword : item.keywords) {
            if (keyword == word) {
                sum += 1.0;
                break;
            }
            if (partial && contains(keyword, word)) sum += 0.5;
        }
    }
    return std::min(sum / static_cast<double>(query.words.size()), 1.0);
}

DvContentsBudget::DvContentsBudget(const dv::MillisecondClock& clock) : clock_(clock), start_(clock.milliseconds()) {}

bool DvContentsBudget::Allows() const { return clock_.milliseconds() - start_ < kMilliseconds; }

double DvQuickSearchScore(const CDvItem& item, const DvSearchQuery& query, bool partial,
                          std::u16string_view scopeFolder, const DvContentsBudget& budget) {
    double score = DvTextScore(item.title, query);
    if (score == 0.0) score = DvKeywordScore(item, query, partial);
    if (score == 0.0) score = variableScore(item, query, partial);
    if (score == 0.0 && budget.Allows()) score = DvTextScore(item.GetPlainText(), query);
    if (!scopeFolder.empty() && score > 0.0 && DvItemInFolder(item, scopeFolder, false)) score += kScopeBonus;
    return score;
}

int DvQuickSearch(CDvDoc& doc, const DvSearchQuery& query, int itemType, int maxResults, bool partialKeywords,
                  std::u16string_view scopeFolder, std::vector<DvListEntry>& entries,
                  const dv::MillisecondClock& clock) {
    if (query.words.empty() || maxResults <= 0) return 0;
    auto lock = doc.Lock();
    const DvContentsBudget budget(clock);
    std::vector<DvListEntry> found;
    for (size_t i = 0; i < doc.items.size(); ++i) {
        CDvItem& item = *doc.items[i];
        item.index = static_cast<int>(i);
        if (itemType != 0 && item.itemType != itemType) continue;
        if (!scopeFolder.empty() && !DvItemInFolder(item, scopeFolder, true)) continue;
        item.relevance = DvQuickSearchScore(item, query, partialKeywords, scopeFolder, budget);
        if (item.relevance <= 0.0) continue;
        if (DvEntriesHoldGuid(entries, item.guid) || DvEntriesHoldGuid(found, item.guid)) continue;
        found.push_back(DvMakeListEntry(item));
        // The first matches in document order, not the best ones: the pass must end early.
        if (static_cast<int>(found.size()) >= maxResults) break;
    }
    DvSortListEntries(found, {}, false);
    entries.insert(entries.end(), found.begin(), found.end());
    return static_cast<int>(found.size());
}
