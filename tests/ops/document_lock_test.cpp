// The operations hold the document lock while they change it, so a timer-driven save or reminder
// check on another thread cannot see half a change.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "ops/folder_operations.h"
#include "ops/item_operations.h"
#include "ops/main_window_port.h"
#include "ops/undo.h"
#include "support/ops_document.h"

namespace {

// Asks from another thread, at every refresh the operation requests, whether the lock is free.
class LockProbe final : public DvMainWindowPort {
public:
    explicit LockProbe(CDvDoc& doc) : mutex_(doc.Lock().mutex()) { DvSetMainWindow(this); }
    ~LockProbe() override { DvSetMainWindow(nullptr); }
    int refreshes = 0;
    int freeAtRefresh = 0;

    void RefreshContents(int) override {
        ++refreshes;
        std::thread other([this] {
            if (mutex_->try_lock()) {
                ++freeAtRefresh;
                mutex_->unlock();
            }
        });
        other.join();
    }

private:
    std::recursive_mutex* mutex_;
};

TEST(DocumentLock, HeldWhileOperationsChangeTheDocument) {
    ScriptedUi ui;
    DvUndoList().Clear();
    OpsDocument d;
    const auto item = d.add(u"x", {u"\\A"});
    d.folder(u"\\B");
    const std::pair<const char*, std::function<void()>> operations[] = {
        {"add", [&] { DvOperationItems({item}, DV_OPERATION_ADD, {}, u"\\C", DV_OPERATION_FLAG_REFRESH, &d.doc); }},
        {"folder move",
         [&] { DvOperationFolder(u"\\C", DV_OPERATION_MOVE, u"\\B", DV_OPERATION_FLAG_REFRESH, &d.doc); }},
        {"undo", [&] { DvUndoList().Apply(0, &d.doc); }},
        {"folder delete",
         [&] { DvOperationFolder(u"\\A", DV_OPERATION_DELETE, {}, DV_OPERATION_FLAG_REFRESH, &d.doc); }},
    };
    for (const auto& [name, operation] : operations) {
        SCOPED_TRACE(name);
        LockProbe probe(d.doc);
        operation();
        EXPECT_GT(probe.refreshes, 0);
        EXPECT_EQ(probe.freeAtRefresh, 0);
    }
    DvUndoList().Clear();
}

}  // namespace
