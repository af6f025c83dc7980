#include "views/item_compare.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <cstdint>

#include "core/item.h"
#include "platform/locale_text.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "views/shell_sort.h"

namespace {

constexpr std::u16string_view kDeadlineKey = u"dv_taskend";

bool beginsWithLetter(std::u16string_view text) {
    UChar32 c = 0;
    int32_t at = 0;
    U16_NEXT(text.data(), at, static_cast<int32_t>(text.size()), c);
    return u_isalpha(c);
}

template <class T>
int threeWay(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

DvSortValue::DvSortValue(const CDvItem& item, std::u16string_view key) {
    if (key.empty()) {
        byRelevance_ = true;
        relevance_ = item.relevance;
        return;
    }
    value_ = item.GetVar(key);
    deadlineKey_ = dv::equalsAsciiNoCase(key, kDeadlineKey);
    toDo_ = item.itemType == DV_ITEM_TODO;
    hasDeadline_ = (item.flags & DV_ITEM_FLAG_DEADLINE) != 0;
    if (value_.Type() != DV_VAR_STRING) return;
    const std::u16string& text = value_.StringPayload();
    if (!text.empty() && !beginsWithLetter(text)) number_ = dv::scanFloat(text);
    collation_ = dv::collationKey(dv::toLowerLocale(text));
}

int DvCompareSortValues(const DvSortValue& a, const DvSortValue& b, bool ascending) {
    const auto directed = [ascending](int result) { return ascending ? result : -result; };
    if (a.byRelevance_ || b.byRelevance_) return directed(threeWay(a.relevance_, b.relevance_));

    if (a.deadlineKey_ && a.toDo_ && a.hasDeadline_ != b.hasDeadline_) return directed(a.hasDeadline_ ? -1 : 1);

    const bool aNone = a.value_.Type() == DV_VAR_NONE, bNone = b.value_.Type() == DV_VAR_NONE;
    if (aNone || bNone) return directed(aNone == bNone ? 0 : (aNone ? -1 : 1));

    if (a.value_.Type() == DV_VAR_STRING && b.value_.Type() == DV_VAR_STRING) {
        if (a.number_ && b.number_) return directed(threeWay(*a.number_, *b.number_));
        // Identical texts are equal; otherwise the collation of the lower-case texts, which is
        // what CDvVar::Compare does, with the collation worked out once per item.
        if (a.value_.StringPayload() == b.value_.StringPayload()) return 0;
        return directed(threeWay(a.collation_.compare(b.collation_), 0));
    }
    return a.value_.Compare(b.value_, ascending);
}

int DvCompareItems(const CDvItem& a, const CDvItem& b, std::u16string_view key, bool ascending) {
    return DvCompareSortValues(DvSortValue(a, key), DvSortValue(b, key), ascending);
}

void DvSortListEntries(std::vector<DvListEntry>& entries, std::u16string_view key, bool ascending) {
    std::vector<DvSortValue> values;
    values.reserve(entries.size());
    for (const DvListEntry& entry : entries) values.emplace_back(*entry.item, key);
    // The Shell sort moves indexes rather than entries and values; the comparisons, and so the
    // resulting order, are the same as sorting the entries themselves.
    std::vector<uint32_t> order(entries.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<uint32_t>(i);
    DvShellSort(order, [&](uint32_t x, uint32_t y) { return DvCompareSortValues(values[x], values[y], ascending); });
    std::vector<DvListEntry> sorted;
    sorted.reserve(entries.size());
    for (uint32_t i : order) sorted.push_back(std::move(entries[i]));
    entries = std::move(sorted);
}
