#include "app/timer_duties.h"

#include "app/database_session.h"
#include "core/backups.h"
#include "core/doc.h"
#include "core/open_mark.h"

DvTimerDuties::DvTimerDuties(DvTimerListener& listener, CDvDoc* doc)
    : listener_(listener), doc_(doc ? *doc : DvCurDocSilently()) {}

bool DvTimerDuties::documentOpen() const { return !doc_.mainFilePath.empty(); }

void DvTimerDuties::Tick() {
    ++ticks_;
    auto due = [this](int period) { return ticks_ % period == 0; };
    if (due(kReminderTicks)) listener_.ReminderCheck();
    if (due(kAutoSaveTicks) && documentOpen()) SaveDocument(&doc_);
    if (due(kOpenMarkTicks) && documentOpen()) WriteOpenMark(doc_.mainFilePath);
    if (due(kRefreshTicks)) listener_.PeriodicRefresh();
    if (due(kRollingBackupTicks) && documentOpen()) RollingBackup(doc_.mainFilePath);
    listener_.UpdatePendingSelection();
    if (due(kSubscriptionTicks) && listener_.RefreshSubscriptions()) listener_.RefreshContents();
}
