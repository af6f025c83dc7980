#include "core/item.h"

#include <gtest/gtest.h>

#include <string_view>

#include "core/archive.h"
#include "platform/text.h"
#include "support/hex.h"
#include "support/scoped_clock.h"

using dv::toUtf8;
using dvtest::Hex;
using dvtest::ToHex;

namespace {

constexpr dv::CivilTime kMorning{2024, 3, 5, 10, 20, 30};

std::vector<uint8_t> Ascii(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> Stored(CDvItem& item) {
    CDvArchive out;
    item.Serialize(out);
    return out.TakeBytes();
}

CDvItem Loaded(const std::vector<uint8_t>& bytes) {
    CDvItem item;
    CDvArchive in(bytes);
    item.Serialize(in);
    EXPECT_EQ(in.Remaining(), 0u);
    return item;
}

// An item with every stored field away from its default.
CDvItem FullItem() {
    CDvItem item;
    item.itemType = DV_ITEM_TODO;
    item.title = u"Call the dentist";
    item.NewGuid();
    item.SetKeywordsFromText(u"health, phone");
    item.created = DvDateTime::FromFields(2023, 1, 2, 3, 4, 5);
    item.modified = DvDateTime::FromFields(2023, 6, 7, 8, 9, 10);
    item.vars.Set(u"reminder_s_type", CDvVar::FromString(u"popup"));
    item.vars.Set(u"reminder_n_before_count", CDvVar::FromInt64(15));
    item.vars.Set(u"Rating", CDvVar::FromDouble(4.5));
    item.folders = {u"\\", u"\\Home\\Health"};
    item.contents.Assign(Ascii("{\\rtf1 Ask about the bill}"));
    item.flags = DV_ITEM_FLAG_DEADLINE;
    item.completion = 40;
    item.taskStart = DvDateTime::FromFields(2024, 3, 6, 9, 0, 0);
    item.taskEnd = {0.0, DvDateTimeStatus::Null};
    item.reservedStrings = {u"r1", u"", u"r3"};
    item.reservedWords = {1, 0xFFFFFFFF, 3};
    item.reservedBytes = {7, 8};
    item.priority = 90;
    item.relations = {{u"1", u"{0A}", u"Invoice, May", u"", u"", u"", u""}, {u"2", u"files/scan.pdf", u"scan", u"x", u"", u"", u""}};
    return item;
}

}  // namespace

TEST(Item, Defaults) {
    dvtest::ScopedFakeClock clock(kMorning);
    const CDvItem item;
    EXPECT_EQ(item.kind, DvElementKind::Item);
    EXPECT_EQ(item.itemType, DV_ITEM_UNDEFINED);
    EXPECT_EQ(item.flags, 2u);
    EXPECT_EQ(item.completion, 0);
    EXPECT_EQ(item.priority, 50);
    EXPECT_EQ(item.taskStart, (DvDateTime{0.0, DvDateTimeStatus::Valid}));
    EXPECT_EQ(item.taskEnd, (DvDateTime{0.0, DvDateTimeStatus::Valid}));
    EXPECT_EQ(item.contents.Size(), 0u);
    EXPECT_EQ(item.index, -1);
    EXPECT_FALSE(item.subscribed);
    EXPECT_EQ(item.created, clock.now());
    EXPECT_TRUE(item.guid.empty());  // whoever creates the item gives it its identity
}

TEST(Item, TypeNames) {
    struct Case { int type; std::u16string name; };
    const Case cases[] = {{0, u"Undefined"}, {1, u"Task"}, {2, u"ToDo"}, {3, u"Note"}, {4, u"Contact"}, {5, u""}, {-1, u""}};
    for (const auto& c : cases) EXPECT_EQ(DvItemTypeName(c.type), c.name) << c.type;
}

TEST(Item, CompletionAndPrioritySettersTouchUnlessRefused) {
    dvtest::ScopedFakeClock clock(kMorning);
    struct Case { const char* name; void (*apply)(CDvItem&); uint8_t completion; uint8_t priority; uint32_t flags; bool touched; };
    const Case cases[] = {
        {"completion 100", [](CDvItem& i) { i.SetCompletion(100); }, 100, 50, 0x402, true},
        {"completion 101 is ignored", [](CDvItem& i) { i.SetCompletion(101); }, 0, 50, 0x402, false},
        {"priority caps at 100 and clears the legacy bits", [](CDvItem& i) { i.SetPriority(150); }, 0, 100, 0x400, true},
        {"priority 20", [](CDvItem& i) { i.SetPriority(20); }, 0, 20, 0x400, true},
        {"level -1", [](CDvItem& i) { i.SetPriorityLevel(-1); }, 0, 0, 0x400, true},
        {"level 0", [](CDvItem& i) { i.SetPriorityLevel(0); }, 0, 50, 0x400, true},
        {"level 1", [](CDvItem& i) { i.SetPriorityLevel(1); }, 0, 100, 0x400, true},
        {"level 2 changes nothing", [](CDvItem& i) { i.SetPriorityLevel(2); }, 0, 50, 0x402, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CDvItem item;
        item.flags = DV_ITEM_FLAG_DEADLINE | DV_ITEM_FLAG_PRIORITY_NORMAL;
        const DvDateTime before = item.modified;
        clock.advanceSeconds(60);
        c.apply(item);
        EXPECT_EQ(item.completion, c.completion);
        EXPECT_EQ(item.priority, c.priority);
        EXPECT_EQ(item.flags, c.flags);
        EXPECT_EQ(item.modified, c.touched ? clock.now() : before);
    }
}

TEST(Item, LegacyPriorityBitsConvertOnFirstRead) {
    dvtest::ScopedFakeClock clock(kMorning);
    struct Case { uint32_t flags; uint8_t stored; uint8_t reported; uint32_t flagsAfter; uint8_t storedAfter; };
    const Case cases[] = {
        {0x4, 10, 100, 0, 100},
        {0x1, 90, 0, 0, 0},
        {0x2, 0, 50, 0, 50},
        {0x3, 70, 0, 0, 0},  // the low bit wins
        {0x2000004, 10, 100, 0x2000000, 100},
        {0x0, 120, 100, 0, 120},  // without bits: capped on reading, kept as stored
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        CDvItem item;
        item.flags = c.flags;
        item.priority = c.stored;
        const DvDateTime before = item.modified;
        clock.advanceSeconds(60);
        EXPECT_EQ(item.GetPriority(), c.reported);
        EXPECT_EQ(item.flags, c.flagsAfter);
        EXPECT_EQ(item.priority, c.storedAfter);
        EXPECT_EQ(item.modified, before);
    }
}

TEST(Item, PriorityLevels) {
    struct Case { uint8_t percent; int level; };
    const Case cases[] = {{0, -1}, {33, -1}, {34, 0}, {66, 0}, {67, 1}, {100, 1}};
    for (const auto& c : cases) {
        CDvItem item;
        item.flags = 0;
        item.priority = c.percent;
        EXPECT_EQ(item.GetPriorityLevel(), c.level) << int(c.percent);
    }
}

TEST(Item, GetVarReadsFixedFieldsAndVariablesByName) {
    dvtest::ScopedFakeClock clock(kMorning);
    const CDvItem item = FullItem();
    struct Case { const char* name; uint8_t type; std::u16string text; };
    const Case cases[] = {
        {"DV_TITLE", DV_VAR_STRING, u"Call the dentist"},
        {"dv_folders", DV_VAR_STRING, u"\\;\\Home\\Health"},
        {"Dv_Item_Type", DV_VAR_STRING, u"ToDo"},
        {"dv_priority", DV_VAR_INT64, u"90"},
        {"dv_completion", DV_VAR_INT64, u"40"},
        {"dv_keywords", DV_VAR_STRING, u"health,phone"},
        {"dv_contents_plain_text", DV_VAR_STRING, u"Ask about the bill"},
        {"RATING", DV_VAR_DOUBLE, u"4.5"},
        {"no such variable", DV_VAR_NONE, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CDvVar v = item.GetVar(dv::fromUtf8(c.name));
        EXPECT_EQ(v.Type(), c.type);
        EXPECT_EQ(toUtf8(v.AsText()), toUtf8(c.text));
    }
    EXPECT_EQ(item.GetVar(u"dv_guid").AsText(), item.guid);
    EXPECT_EQ(item.GetVar(u"dv_taskstart").AsDouble(), item.taskStart.value);
    EXPECT_EQ(item.GetVar(u"dv_taskend").AsDouble(), 0.0);
    EXPECT_EQ(item.GetVar(u"dv_created").AsDouble(), item.created.value);
    EXPECT_EQ(item.GetVar(u"dv_modified").AsDouble(), item.modified.value);
}

TEST(Item, TaskTimesReadAsTodayAtTheirTimeOfDay) {
    dvtest::ScopedFakeClock clock(kMorning);
    CDvItem item;
    item.taskStart = DvDateTime::FromFields(2001, 1, 2, 8, 15, 0);
    item.taskEnd = DvDateTime::FromFields(1890, 7, 1, 23, 59, 59);  // before day zero
    EXPECT_EQ(item.GetVar(u"dv_taskstart_time").AsDouble(), DvDateTime::FromFields(2024, 3, 5, 8, 15, 0).value);
    EXPECT_EQ(item.GetVar(u"dv_taskend_time").AsDouble(), DvDateTime::FromFields(2024, 3, 5, 23, 59, 59).value);
    item.taskEnd.status = DvDateTimeStatus::Null;
    EXPECT_EQ(item.GetVar(u"dv_taskend_time").AsDouble(), DvDateTime::FromFields(2024, 3, 5).value);
}

TEST(Item, PlainTextIsCachedUntilTheItemIsModifiedLater) {
    dvtest::ScopedFakeClock clock(kMorning);
    CDvItem item;
    EXPECT_EQ(item.GetPlainText(), u"");
    item.contents.Assign(Ascii("{\\rtf1 Hello}"));
    clock.advanceSeconds(1);
    item.Touch();
    EXPECT_EQ(item.GetPlainText(), u"Hello");

    item.contents.Assign(Ascii("{\\rtf1 Bye}"));  // changed without touching: the cache stands
    EXPECT_EQ(item.GetPlainText(), u"Hello");
    clock.advanceSeconds(1);
    item.Touch();
    EXPECT_EQ(item.GetPlainText(), u"Bye");

    item.contents.Assign(Ascii("{\\rtf1 Again}"));
    item.InvalidatePlainText();
    EXPECT_EQ(item.GetPlainText(), u"Again");
}

TEST(Item, StoredOrderPutsPriorityBeforeTheReservedBytes) {
    CDvItem item;
    item.itemType = DV_ITEM_TODO;
    item.title = u"T";
    item.created = {1.0, DvDateTimeStatus::Valid};
    item.modified = {2.0, DvDateTimeStatus::Valid};
    item.folders = {u"\\"};
    item.contents.Assign(Hex("AB"));
    item.flags = DV_ITEM_FLAG_DEADLINE;
    item.completion = 5;
    item.taskStart = {3.0, DvDateTimeStatus::Valid};
    item.taskEnd = {0.0, DvDateTimeStatus::Null};
    item.reservedStrings = {u"", u"", u"r"};
    item.reservedWords = {1, 2, 3};
    item.priority = 0x11;
    item.reservedBytes = {0x22, 0x33};
    const auto bytes = Stored(item);
    EXPECT_EQ(ToHex(bytes),
              "02 00 00 00 "                                   // item type
              "FF FE FF 01 54 00 FF FE FF 00 00 00 "           // title, GUID, keywords
              "00 00 00 00 00 00 00 00 00 00 F0 3F "           // created
              "00 00 00 00 00 00 00 00 00 00 00 40 "           // modified
              "00 00 00 00 "                                   // variables
              "01 00 FF FE FF 01 5C 00 "                       // folders
              "01 00 00 00 01 00 00 00 AB "                    // contents
              "00 04 00 00 05 "                                // flags, completion
              "00 00 00 00 00 00 00 00 00 00 08 40 "           // task start
              "02 00 00 00 00 00 00 00 00 00 00 00 "           // task end
              "FF FE FF 00 FF FE FF 00 FF FE FF 01 72 00 "     // reserved strings
              "01 00 00 00 02 00 00 00 03 00 00 00 "           // reserved words
              "11 22 33");                                     // priority, reserved bytes
    EXPECT_EQ(Loaded(bytes), item);
}

TEST(Item, FullRoundTripIncludingRelations) {
    CDvItem item = FullItem();
    const auto bytes = Stored(item);
    EXPECT_EQ(toUtf8(item.vars.GetText(u"dv_relations")),
              "1,{0A},Invoice&#44; May,,,,|2,files/scan.pdf,scan,x,,,");
    const CDvItem back = Loaded(bytes);
    EXPECT_EQ(back, item);
    EXPECT_EQ(back.relations, item.relations);
    EXPECT_TRUE(back.contents.KeepCapacity());
}

TEST(Item, EmptyRelationsLeaveTheStoredVariableAlone) {
    CDvItem item;
    item.vars.Set(u"dv_relations", CDvVar::FromString(u"1,{OLD},t,,,,"));
    Stored(item);
    EXPECT_EQ(item.vars.GetText(u"dv_relations"), u"1,{OLD},t,,,,");
    EXPECT_EQ(Loaded(Stored(item)).relations, (DvRowTable{{u"1", u"{OLD}", u"t", u"", u"", u"", u""}}));
}

TEST(Item, CopyKeepsIdentityButNotPlacement) {
    CDvItem original = FullItem();
    original.index = 12;
    original.subscribed = true;
    const CDvItem copy = original;
    EXPECT_EQ(copy, original);
    EXPECT_EQ(copy.guid, original.guid);
    EXPECT_EQ(copy.index, -1);
    EXPECT_FALSE(copy.subscribed);

    CDvItem placed;
    placed.index = 3;
    placed = original;
    EXPECT_EQ(placed, original);
    EXPECT_EQ(placed.index, 3);
    EXPECT_FALSE(placed.subscribed);
}

TEST(Item, UpgradeFromOlderDocuments) {
    dvtest::ScopedFakeClock clock(kMorning);
    struct Case {
        const char* name; double version; int32_t type; uint8_t completion; uint32_t flags; uint8_t priority;
        uint8_t completionAfter; uint32_t flagsAfter; uint8_t priorityAfter; bool reservedCleared; bool touched;
    };
    const Case cases[] = {
        {"no version, to-do half done", 0, DV_ITEM_TODO, 50, 0x0, 77, 0, 0x0, 50, true, false},
        {"no version, to-do done", 0, DV_ITEM_TODO, 100, 0x0, 77, 100, 0x0, 50, true, false},
        {"no version, note", 0, DV_ITEM_NOTE, 100, 0x4, 77, 0, 0x0, 50, true, true},
        {"0.9, legacy high task", 0.9, DV_ITEM_TASK, 30, 0x404, 10, 0, 0x400, 100, true, false},
        {"1.0, legacy high task", 1.0, DV_ITEM_TASK, 30, 0x404, 10, 30, 0x400, 100, false, false},
        {"1.0, note", 1.0, DV_ITEM_NOTE, 30, 0x1, 10, 30, 0x0, 50, false, true},
        {"1.0, contact without bits", 1.0, DV_ITEM_CONTACT, 0, 0x0, 80, 0, 0x0, 50, false, true},
        {"1.01 is current", 1.01, DV_ITEM_NOTE, 30, 0x4, 10, 30, 0x4, 10, false, false},
        {"2.4", 2.4, DV_ITEM_TODO, 30, 0x1, 10, 30, 0x1, 10, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CDvItem item;
        item.itemType = c.type;
        item.completion = c.completion;
        item.flags = c.flags;
        item.priority = c.priority;
        item.reservedWords = {1, 2, 3};
        item.reservedBytes = {4, 5};
        const DvDateTime before = item.modified;
        clock.advanceSeconds(60);
        item.Upgrade(c.version);
        EXPECT_EQ(item.completion, c.completionAfter);
        EXPECT_EQ(item.flags, c.flagsAfter);
        EXPECT_EQ(item.priority, c.priorityAfter);
        EXPECT_EQ(item.reservedWords[2], c.reservedCleared ? 0u : 3u);
        EXPECT_EQ(item.reservedBytes[1], c.reservedCleared ? 0 : 5);
        EXPECT_EQ(item.modified, c.touched ? clock.now() : before);
    }
}

TEST(Item, EveryTruncationOfAStoredItemFails) {
    CDvItem item = FullItem();
    const auto bytes = Stored(item);
    for (size_t n = 0; n < bytes.size(); ++n) {
        const std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + static_cast<long>(n));
        CDvItem back;
        CDvArchive in(prefix);
        EXPECT_THROW(back.Serialize(in), CDvArchiveError) << n;
    }
}
