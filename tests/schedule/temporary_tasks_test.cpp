#include "schedule/temporary_tasks.h"

#include <gtest/gtest.h>

#include "core/doc.h"
#include "platform/text.h"
#include "support/scoped_clock.h"

namespace {

constexpr dv::CivilTime kNow{2008, 3, 5, 14, 30, 0};

struct Fixture {
    const char* title;
    int32_t type;
    uint32_t flags;
    int minutesSinceEnd;  // negative: the end is still ahead
};

// Titles state why each item survives or goes.
constexpr Fixture kItems[] = {
    {"temporary, ended 4 minutes ago: stays", DV_ITEM_TASK, DV_ITEM_FLAG_TEMPORARY, 4},
    {"temporary, ended 6 minutes ago: goes", DV_ITEM_TASK, DV_ITEM_FLAG_TEMPORARY, 6},
    {"temporary, ended exactly 5 minutes ago: stays", DV_ITEM_TASK, DV_ITEM_FLAG_TEMPORARY, 5},
    {"temporary, ends in an hour: stays", DV_ITEM_TASK, DV_ITEM_FLAG_TEMPORARY, -60},
    {"temporary among other flags, ended a day ago: goes", DV_ITEM_TASK,
     DV_ITEM_FLAG_TEMPORARY | DV_ITEM_FLAG_PRIORITY_NORMAL, 24 * 60},
    {"not temporary, ended a day ago: stays", DV_ITEM_TASK, DV_ITEM_FLAG_PRIORITY_NORMAL, 24 * 60},
    {"a note with the flag, ended a day ago: stays", DV_ITEM_NOTE, DV_ITEM_FLAG_TEMPORARY, 24 * 60},
};

void Fill(CDvDoc& doc, const DvDateTime& now) {
    for (const auto& f : kItems) {
        auto item = std::make_unique<CDvItem>();
        item->title = dv::fromAscii(f.title);
        item->NewGuid();
        item->itemType = f.type;
        item->flags = f.flags;
        item->taskEnd = now - DvDateTimeSpan::FromParts(0, 0, f.minutesSinceEnd);
        item->taskStart = item->taskEnd - DvDateTimeSpan::FromParts(0, 1);
        doc.items.push_back(std::move(item));
    }
    auto invalidEnd = std::make_unique<CDvItem>();
    invalidEnd->title = u"temporary with an end that is not valid: stays";
    invalidEnd->NewGuid();
    invalidEnd->itemType = DV_ITEM_TASK;
    invalidEnd->flags = DV_ITEM_FLAG_TEMPORARY;
    invalidEnd->taskEnd = DvDateTime{0.0, DvDateTimeStatus::Invalid};
    doc.items.push_back(std::move(invalidEnd));
}

std::vector<std::u16string> Titles(const CDvDoc& doc) {
    std::vector<std::u16string> out;
    for (const auto& item : doc.items) out.push_back(item->title);
    return out;
}

}  // namespace

TEST(TemporaryTasks, SweepDeletesTasksEndedMoreThanFiveMinutesAgo) {
    dvtest::ScopedFakeClock clock(kNow);
    CDvDoc doc;
    Fill(doc, clock.now());
    const std::u16string gone1 = doc.items[1]->guid, gone2 = doc.items[4]->guid;

    std::vector<std::u16string> handed;
    const int swept = DvSweepTemporaryTasks(doc, [&](CDvDoc& target, const std::vector<std::u16string>& guids) {
        EXPECT_EQ(&target, &doc);
        handed = guids;
        DvEraseItemsByGuid(target, guids);
    });

    EXPECT_EQ(swept, 2);
    EXPECT_EQ(handed, (std::vector<std::u16string>{gone1, gone2}));
    const std::vector<std::u16string> kept = {
        u"temporary, ended 4 minutes ago: stays",
        u"temporary, ended exactly 5 minutes ago: stays",
        u"temporary, ends in an hour: stays",
        u"not temporary, ended a day ago: stays",
        u"a note with the flag, ended a day ago: stays",
        u"temporary with an end that is not valid: stays",
    };
    EXPECT_EQ(Titles(doc), kept);
    for (size_t i = 0; i < doc.items.size(); ++i) EXPECT_EQ(doc.items[i]->index, static_cast<int>(i));
}

TEST(TemporaryTasks, ByDefaultTheSweepErasesFromTheDocument) {
    dvtest::ScopedFakeClock clock(kNow);
    CDvDoc doc;
    Fill(doc, clock.now());
    EXPECT_EQ(DvSweepTemporaryTasks(doc), 2);
    EXPECT_EQ(doc.items.size(), std::size(kItems) + 1 - 2);
    // Time passes: the task that ended 4 minutes ago goes at the next sweep, with the one at 5.
    clock.advanceSeconds(2 * 60);
    EXPECT_EQ(DvSweepTemporaryTasks(doc), 2);
    EXPECT_EQ(DvSweepTemporaryTasks(doc), 0);
}

TEST(TemporaryTasks, NothingExpiredCallsNoDeletion) {
    dvtest::ScopedFakeClock clock(kNow);
    CDvDoc doc;
    bool called = false;
    EXPECT_EQ(DvSweepTemporaryTasks(doc, [&](CDvDoc&, const std::vector<std::u16string>&) { called = true; }), 0);
    EXPECT_FALSE(called);
}
