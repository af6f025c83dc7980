#pragma once
// The order of the list views: two items compared by the variable a column shows (its sort key),
// or by their relevance scores when there is no key. The rules in order: the to-do deadline flag
// (for the deadline column), missing values first, number-like strings as numbers, then the
// values' own comparison after converting A to B's type.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/var.h"
#include "views/list_entry.h"

class CDvItem;

/// What one item brings to a sort: its value under the key, read once, with the parts of the
/// comparison that do not depend on the other item worked out in advance. A sort compares each
/// item many times, and reading a variable by name copies it every time.
class DvSortValue {
public:
    /// `key` empty: the item's relevance score.
    DvSortValue(const CDvItem& item, std::u16string_view key);

    /// Negative, 0 or positive: where A (this) goes relative to B in the given direction. The
    /// descending direction reverses every outcome, so missing values come last in it.
    friend int DvCompareSortValues(const DvSortValue& a, const DvSortValue& b, bool ascending);

private:
    CDvVar value_;
    double relevance_ = 0.0;
    bool byRelevance_ = false;
    bool deadlineKey_ = false;  // the key is dv_taskend, whose to-dos order by their deadline flag
    bool toDo_ = false;
    bool hasDeadline_ = false;
    std::optional<float> number_;  // a string that reads as a number and may be compared as one
    std::string collation_;        // a string's lower-case collation key
};

/// The comparison of A and B by `key` (empty: relevance) in the given direction.
int DvCompareItems(const CDvItem& a, const CDvItem& b, std::u16string_view key, bool ascending);

/// Sorts entries whose items are valid (the caller holds the document lock) with the list views'
/// Shell sort. Entries that compare equal keep no guaranteed order.
void DvSortListEntries(std::vector<DvListEntry>& entries, std::u16string_view key, bool ascending);
