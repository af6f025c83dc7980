#include "views/shell_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

struct Entry {
    char name;
    int count;
};

std::string names(const std::vector<Entry>& entries) {
    std::string out;
    for (const Entry& e : entries) out += e.name;
    return out;
}

int byCountDescending(const Entry& a, const Entry& b) { return b.count - a.count; }

}  // namespace

// The gap-4 pass carries "e" to the front past "a", which then lands behind its equals: the order
// of equal entries users see depends on the exact gaps, so a stable sort would be wrong here.
TEST(ShellSort, EqualEntriesFollowTheGapSequence) {
    struct Case {
        std::vector<Entry> input;
        const char* sorted;
    };
    const Case cases[] = {
        {{{'a', 1}, {'b', 1}, {'c', 1}, {'d', 1}, {'e', 2}}, "ebcda"},                      // first gap 4
        {{{'a', 1}, {'b', 1}, {'c', 1}, {'d', 2}}, "dabc"},                                 // gap 4 has no pair
        {{{'a', 1}, {'b', 1}, {'c', 1}, {'d', 1}, {'e', 2}, {'f', 2}}, "efcdab"},           // two carried at gap 4
        {{{'a', 1}, {'b', 1}, {'c', 1}, {'d', 1}, {'e', 1}, {'f', 1}, {'g', 1}, {'h', 1}, {'i', 1},
          {'j', 1}, {'k', 1}, {'l', 1}, {'m', 1}, {'n', 2}},
         "nbcdefghijklma"},                                                                  // 14 entries: gap 13
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(names(c.input));
        auto entries = c.input;
        DvShellSort(entries, byCountDescending);
        EXPECT_EQ(names(entries), c.sorted);
    }
}

TEST(ShellSort, SortsAnyInputLikeASortingAlgorithm) {
    std::mt19937 rng(7);
    for (size_t size : {0u, 1u, 2u, 4u, 5u, 13u, 14u, 40u, 41u, 500u}) {
        SCOPED_TRACE(size);
        std::vector<int> values(size);
        for (int& v : values) v = static_cast<int>(rng() % 50);
        auto expected = values;
        std::sort(expected.begin(), expected.end());
        DvShellSort(values, [](int a, int b) { return a - b; });
        EXPECT_EQ(values, expected);
    }
}
