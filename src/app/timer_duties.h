#pragma once
// The heartbeat of the main window: a 100 ms tick counter and the periodic duties keyed to it,
// run in a fixed order. Tests drive it tick by tick; the window only calls Tick from its timer.
#include <cstdint>

class CDvDoc;

/// What the duties ask of the rest of the program; the main window implements it.
class DvTimerListener {
public:
    virtual ~DvTimerListener() = default;
    virtual void ReminderCheck() {}               // every 45 s: the reminder windows hear "timer"
    virtual void PeriodicRefresh() {}             // every 30 min: sweep, folder tree, contents, title
    virtual void UpdatePendingSelection() {}      // every tick
    virtual bool RefreshSubscriptions() { return false; }  // every 60 s; true when the document changed
    virtual void RefreshContents() {}
};

class DvTimerDuties {
public:
    static constexpr int kReminderTicks = 450;
    static constexpr int kAutoSaveTicks = 1200;
    static constexpr int kOpenMarkTicks = 400;
    static constexpr int kRefreshTicks = 18000;
    static constexpr int kRollingBackupTicks = 3000;
    static constexpr int kSubscriptionTicks = 600;

    explicit DvTimerDuties(DvTimerListener& listener, CDvDoc* doc = nullptr);

    /// One timer message: counts the tick, then runs every duty whose period divides the count.
    void Tick();
    int64_t TickCount() const { return ticks_; }

private:
    bool documentOpen() const;

    DvTimerListener& listener_;
    CDvDoc& doc_;
    int64_t ticks_ = 0;
};
