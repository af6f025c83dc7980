#include <gtest/gtest.h>

#include "core/doc.h"
#include "ops/temporary_task_sweep.h"
#include "ops/undo.h"
#include "platform/clock.h"

namespace {

CDvItem& addTemporaryTask(CDvDoc& doc, std::u16string title, const DvDateTime& end) {
    auto item = std::make_unique<CDvItem>();
    item->NewGuid();
    item->itemType = 1;
    item->title = std::move(title);
    item->folders = {u"\\"};
    item->flags |= DV_ITEM_FLAG_TEMPORARY;
    item->taskStart = DvDateTime::FromFields(2026, 12, 10, 9, 0, 0);
    item->taskEnd = end;
    doc.items.push_back(std::move(item));
    return *doc.items.back();
}

}  // namespace

TEST(TemporaryTaskSweep, DeletesOnlyExpiredTasksAndUndoBringsThemBack) {
    dv::FakeClock clock({2026, 12, 10, 10, 0, 0});
    dv::setClock(&clock);
    CDvDoc doc;
    doc.mainFilePath = "/db/_main_data.dayvault";
    addTemporaryTask(doc, u"ended 4 minutes ago", DvDateTime::FromFields(2026, 12, 10, 9, 56, 0));
    addTemporaryTask(doc, u"ended 6 minutes ago", DvDateTime::FromFields(2026, 12, 10, 9, 54, 0));
    const int undoBefore = DvUndoList().Count();

    EXPECT_EQ(DvSweepExpiredTemporaryTasks(doc), 1);
    ASSERT_EQ(doc.items.size(), 1u);
    EXPECT_EQ(doc.items[0]->title, u"ended 4 minutes ago");

    ASSERT_EQ(DvUndoList().Count(), undoBefore + 1);
    ASSERT_TRUE(DvUndoList().Apply(DvUndoList().Count() - 1, &doc));
    ASSERT_EQ(doc.items.size(), 2u);
    EXPECT_EQ(doc.items[1]->title, u"ended 6 minutes ago");
    dv::setClock(nullptr);
}
