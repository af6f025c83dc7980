#pragma once
// The Shell sort of the keyword table and the list views. Its exact gaps matter: entries that
// compare equal end up in an order users see (and get used to), so this is not std::sort.
#include <cstddef>
#include <utility>
#include <vector>

/// Sorts `entries` so that `compare(a, b)` (negative, 0 or positive, like a three-way comparison)
/// is never positive for neighbours. Gaps 1, 4, 13, 40, ... (each three times the previous plus
/// one), starting with the largest that does not exceed the entry count and dividing by 3 after
/// each pass. Not stable.
template <class T, class Compare>
void DvShellSort(std::vector<T>& entries, Compare compare) {
    const size_t count = entries.size();
    size_t gap = 1;
    while (gap * 3 + 1 <= count) gap = gap * 3 + 1;
    for (; gap > 0; gap /= 3) {
        for (size_t i = gap; i < count; ++i) {
            T moving = std::move(entries[i]);
            size_t j = i;
            while (j >= gap && compare(entries[j - gap], moving) > 0) {
                entries[j] = std::move(entries[j - gap]);
                j -= gap;
            }
            entries[j] = std::move(moving);
        }
    }
}
