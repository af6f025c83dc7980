#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/database_session.h"
#include "app/timer_duties.h"
#include "core/doc.h"
#include "core/open_mark.h"
#include "platform/files.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

struct RecordingListener final : DvTimerListener {
    std::vector<std::string> calls;
    int selectionUpdates = 0;
    bool subscriptionsChange = true;
    void ReminderCheck() override { calls.push_back("reminders"); }
    void PeriodicRefresh() override { calls.push_back("refresh"); }
    void UpdatePendingSelection() override { ++selectionUpdates; }
    bool RefreshSubscriptions() override {
        calls.push_back("subscriptions");
        return subscriptionsChange;
    }
    void RefreshContents() override { calls.push_back("contents"); }
};

}  // namespace

TEST(TimerDuties, EachDutyRunsOnItsPeriodInTheTableOrder) {
    RecordingListener listener;
    CDvDoc doc;  // nothing loaded: the storage duties stay quiet
    DvTimerDuties timer(listener, &doc);
    for (int i = 0; i < 18000; ++i) timer.Tick();
    EXPECT_EQ(timer.TickCount(), 18000);
    EXPECT_EQ(listener.selectionUpdates, 18000);
    auto count = [&](const std::string& name) { return std::count(listener.calls.begin(), listener.calls.end(), name); };
    EXPECT_EQ(count("reminders"), 40);
    EXPECT_EQ(count("subscriptions"), 30);
    EXPECT_EQ(count("contents"), 30);
    EXPECT_EQ(count("refresh"), 1);
    // Tick 18000 is a multiple of 450, 18000 and 600: reminders first, subscriptions last.
    const std::vector<std::string> last(listener.calls.end() - 4, listener.calls.end());
    EXPECT_EQ(last, (std::vector<std::string>{"reminders", "refresh", "subscriptions", "contents"}));
}

TEST(TimerDuties, StorageDutiesSaveMarkAndBackUpAnOpenDocument) {
    TempDir dir;
    ScriptedUi ui;
    const fs::path main = dir.path() / "_main_data.dayvault";
    {
        CDvDoc seed;
        seed.Save(main);
    }
    CDvDoc doc;
    ASSERT_TRUE(OpenDocument(main, false, &doc));
    RemoveOpenMark(main);
    CreateFolder(doc.root, u"Typed since the last save");
    RecordingListener listener;
    listener.subscriptionsChange = false;
    DvTimerDuties timer(listener, &doc);

    for (int i = 0; i < 399; ++i) timer.Tick();
    EXPECT_FALSE(dv::fileExists(DvOpenMarkPath(main)));
    timer.Tick();
    EXPECT_TRUE(dv::fileExists(DvOpenMarkPath(main)));

    for (int i = 400; i < 1200; ++i) timer.Tick();
    CDvDoc reread;
    ASSERT_TRUE(reread.Load(main));
    EXPECT_EQ(reread.root.Children().size(), 1u);  // the auto-save wrote it

    EXPECT_FALSE(dv::fileExists(dir.path() / "backups" / "backup _main_data.dayvault"));
    for (int i = 1200; i < 3000; ++i) timer.Tick();
    EXPECT_TRUE(dv::fileExists(dir.path() / "backups" / "backup _main_data.dayvault"));
    EXPECT_EQ(std::count(listener.calls.begin(), listener.calls.end(), "contents"), 0);
    CloseDocument(false, &doc);
}
