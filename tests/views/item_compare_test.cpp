#include "views/item_compare.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/text.h"
#include "support/test_items.h"
#include "views/shell_sort.h"

namespace {

using dv::fromUtf8;
using dvtest::addItem;

CDvVar text(const char* t) { return CDvVar::FromString(fromUtf8(t)); }

// A value of the user field "Size", or none when the item lacks it.
CDvItem& withSize(CDvDoc& doc, std::optional<CDvVar> value) {
    CDvItem& item = addItem(doc, DV_ITEM_NOTE, u"n");
    if (value) item.vars.Set(u"Size", *value);
    return item;
}

std::vector<std::string> sizesInOrder(const std::vector<DvListEntry>& entries) {
    std::vector<std::string> out;
    for (const auto& e : entries) {
        const CDvVar* v = e.item->vars.Get(u"Size");
        out.push_back(v ? dv::toUtf8(v->AsText()) : "-");
    }
    return out;
}

std::vector<DvListEntry> entriesOf(CDvDoc& doc) {
    std::vector<DvListEntry> out;
    for (auto& item : doc.items) out.push_back(DvMakeListEntry(*item));
    return out;
}

}  // namespace

TEST(ItemCompare, RulesByValue) {
    CDvVar mem;
    mem.SetType(DV_VAR_BYTEMEM);
    struct Case {
        const char* what;
        std::optional<CDvVar> a, b;
        int ascending;
    };
    const Case cases[] = {
        {"two missing values are equal", std::nullopt, std::nullopt, 0},
        {"missing before a text", std::nullopt, text("x"), -1},
        {"a text after missing", text("x"), std::nullopt, 1},
        {"missing before a number", std::nullopt, CDvVar::FromInt64(-5), -1},
        {"number-like texts as numbers", text("10"), text("9"), 1},
        {"9 before 100", text("9"), text("100"), -1},
        {"exponent read as a number", text("1e2"), text("20"), 1},
        {"leading blank skipped", text(" 7"), text("10"), -1},
        {"texts beginning with a letter as text", text("a10"), text("a9"), -1},
        {"one side a word: text", text("10"), text("a9"), -1},
        {"not a number after all: text", text("#4"), text("#10"), 1},
        {"an empty text is no number", text(""), text("5"), -1},
        {"case ignored", text("Apple"), text("apple"), 0},
        {"case-insensitive order", text("apple"), text("Banana"), -1},
        {"locale collation, not code units", text("Ärger"), text("Zorn"), -1},
        {"integers by value", CDvVar::FromInt64(3), CDvVar::FromInt64(20), -1},
        {"A converted to B's text", CDvVar::FromInt64(30), text("4"), -1},
        {"A converted to B's integer", text("4"), CDvVar::FromInt64(30), -1},
        {"double truncated to B's integer", CDvVar::FromDouble(2.5), CDvVar::FromInt64(2), 0},
        {"failed conversion is equal", mem, text("x"), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CDvDoc doc;
        const CDvItem& a = withSize(doc, c.a);
        const CDvItem& b = withSize(doc, c.b);
        EXPECT_EQ(DvCompareItems(a, b, u"Size", true), c.ascending);
        EXPECT_EQ(DvCompareItems(a, b, u"size", false), -c.ascending);
    }
}

TEST(ItemCompare, ToDosWithoutDeadlineGoLastByDeadline) {
    CDvDoc doc;
    CDvItem& dated = addItem(doc, DV_ITEM_TODO, u"dated");
    dated.flags |= DV_ITEM_FLAG_DEADLINE;
    dated.taskEnd = DvDateTime::FromFields(2030, 1, 1);
    CDvItem& undated = addItem(doc, DV_ITEM_TODO, u"undated");
    undated.taskEnd = DvDateTime::FromFields(2000, 1, 1);  // earlier, but not a deadline
    CDvItem& laterDated = addItem(doc, DV_ITEM_TODO, u"later");
    laterDated.flags |= DV_ITEM_FLAG_DEADLINE;
    laterDated.taskEnd = DvDateTime::FromFields(2031, 1, 1);

    EXPECT_EQ(DvCompareItems(dated, undated, u"dv_taskend", true), -1);
    EXPECT_EQ(DvCompareItems(undated, dated, u"DV_TASKEND", true), 1);
    EXPECT_EQ(DvCompareItems(dated, undated, u"dv_taskend", false), 1);
    EXPECT_EQ(DvCompareItems(dated, laterDated, u"dv_taskend", true), -1);  // same flag: by date
    EXPECT_EQ(DvCompareItems(undated, dated, u"dv_taskstart", true), 0);    // only the deadline column

    // The flag rule asks whether A is a to-do: a task compared with an undated to-do goes by date.
    CDvItem& task = addItem(doc, DV_ITEM_TASK, u"task");
    task.taskEnd = DvDateTime::FromFields(2040, 1, 1);
    EXPECT_EQ(DvCompareItems(task, undated, u"dv_taskend", true), 1);
}

TEST(ItemCompare, NoKeyComparesRelevance) {
    CDvDoc doc;
    CDvItem& low = addItem(doc, DV_ITEM_NOTE, u"b");
    low.relevance = 0.5;
    CDvItem& high = addItem(doc, DV_ITEM_NOTE, u"a");
    high.relevance = 1.2;
    EXPECT_EQ(DvCompareItems(low, high, u"", true), -1);
    EXPECT_EQ(DvCompareItems(low, high, u"", false), 1);
}

TEST(ItemCompare, SortingLists) {
    struct Case {
        const char* what;
        std::vector<std::optional<const char*>> sizes;
        bool ascending;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"numbers in text", {"10", "9", "100"}, true, {"9", "10", "100"}},
        {"words with numbers", {"a9", "a10"}, true, {"a10", "a9"}},
        {"missing values first", {"b", std::nullopt, "a", std::nullopt}, true, {"-", "-", "a", "b"}},
        {"and last when descending", {"b", std::nullopt, "a", std::nullopt}, false, {"b", "a", "-", "-"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CDvDoc doc;
        for (const auto& size : c.sizes)
            withSize(doc, size ? std::optional<CDvVar>(text(*size)) : std::nullopt);
        auto entries = entriesOf(doc);
        DvSortListEntries(entries, u"Size", c.ascending);
        EXPECT_EQ(sizesInOrder(entries), c.expected);
    }
}

// The sort moves indexes instead of entries; with many equal keys any difference in the steps
// would show as a different order of the ties.
TEST(ItemCompare, SortingEntriesMatchesTheShellSortOfTheItems) {
    CDvDoc doc;
    uint32_t seed = 12345;
    for (int i = 0; i < 500; ++i) {
        seed = seed * 1103515245u + 12345u;
        addItem(doc, DV_ITEM_TASK, u"t").priority = static_cast<uint8_t>((seed >> 16) % 7);
    }
    for (bool ascending : {true, false}) {
        auto entries = entriesOf(doc);
        DvSortListEntries(entries, u"dv_priority", ascending);
        std::vector<CDvItem*> items;
        for (auto& item : doc.items) items.push_back(item.get());
        DvShellSort(items, [&](const CDvItem* a, const CDvItem* b) {
            return DvCompareItems(*a, *b, u"dv_priority", ascending);
        });
        ASSERT_EQ(entries.size(), items.size());
        for (size_t i = 0; i < items.size(); ++i) ASSERT_EQ(entries[i].item, items[i]) << "row " << i;
    }
}
