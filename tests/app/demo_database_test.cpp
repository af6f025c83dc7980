#include <gtest/gtest.h>

#include <set>

#include "app/demo_database.h"
#include "core/doc.h"
#include "schedule/repeat_rule.h"

namespace {

int countOfType(const CDvDoc& doc, int type) {
    int n = 0;
    for (const auto& item : doc.items) n += item->itemType == type;
    return n;
}

}  // namespace

// A first look at the program must find every kind of item, and this week's agenda filled
// whatever day of the week the database is made on.
TEST(DemoDatabase, HoldsEveryKindOfItemWithThisWeeksTasksOnAnyWeekday) {
    for (int day = 7; day <= 13; ++day) {  // Monday 7 to Sunday 13 December 2026
        const DvDateTime today = DvDateTime::FromFields(2026, 12, day, 10, 30);
        CDvDoc doc;
        DvFillDemoDatabase(doc, today);
        for (int type = 1; type <= 4; ++type) EXPECT_GE(countOfType(doc, type), 4) << type;
        ASSERT_NE(doc.FindFolder(u"\\Work\\Projects\\Website relaunch"), nullptr);

        int thisWeek = 0, repeating = 0;
        for (const auto& item : doc.items) {
            if (item->itemType != 1) continue;
            const double days = item->taskStart.value - DvDateTime::FromFields(2026, 12, 7).value;
            thisWeek += days >= 0 && days < 7;
            repeating += DvIsRepeating(*item);
        }
        EXPECT_GE(thisWeek, 8) << day;
        EXPECT_GE(repeating, 3);
        bool todayHasATask = false;
        for (const auto& item : doc.items) todayHasATask |= item->itemType == 1 && DvOccursOnDay(*item, today);
        EXPECT_TRUE(todayHasATask) << day;
    }
}
