#include "schedule/task_time_rules.h"

#include "core/item.h"
#include "platform/ui.h"

namespace {

// A new task gets a quarter of an hour when its end has to move: 0.010416666666666668 days,
// fifteen one-minute steps rather than 15/1440, which rounds one bit lower.
constexpr DvDateTimeSpan kNewTaskLength{15 * (1.0 / 1440)};

DvDateTime nowIfUnset(const DvDateTime& value) { return DvIsUnsetDate(value) ? DvDateTime::Now() : value; }

}  // namespace

bool DvIsUnsetDate(const DvDateTime& value) {
    const int year = value.Year();
    return year < 0 || year == 1899;
}

DvTaskTimeRules::DvTaskTimeRules(const DvDateTime& start, const DvDateTime& end, bool newTask)
    : startDate_(newTask ? nowIfUnset(start) : start),
      startTime_(startDate_),
      endDate_(newTask ? nowIfUnset(end) : end),
      endTime_(endDate_),
      newTask_(newTask),
      length_(newTask ? kNewTaskLength : end - start) {}

void DvTaskTimeRules::keepEndAfterStart(bool editedEnd) {
    const DvDateTime start = Start();
    if (!(End() < start)) return;
    endDate_ = endTime_ = start + (newTask_ ? kNewTaskLength : length_);
    if (editedEnd) dv::ui().Beep();
}

void DvTaskTimeRules::SetStartDate(const DvDateTime& value) {
    startDate_ = value;
    keepEndAfterStart(false);
}

void DvTaskTimeRules::SetStartTime(const DvDateTime& value) {
    startTime_ = value;
    keepEndAfterStart(false);
}

void DvTaskTimeRules::SetEndDate(const DvDateTime& value) {
    endDate_ = value;
    keepEndAfterStart(true);
}

void DvTaskTimeRules::SetEndTime(const DvDateTime& value) {
    endTime_ = value;
    keepEndAfterStart(true);
}

bool DvTaskTimeRules::ChooseStart(const DvQuickTimeChoice& choice) {
    if (!DvWriteQuickTimeChoice(choice, startDate_, &startTime_)) return false;
    keepEndAfterStart(false);
    return true;
}

bool DvTaskTimeRules::ChooseEnd(const DvQuickTimeChoice& choice) {
    if (!DvWriteQuickTimeChoice(choice, endDate_, &endTime_)) return false;
    keepEndAfterStart(true);
    return true;
}

DvTodoDeadlineRules::DvTodoDeadlineRules(const DvDateTime& end, bool hasDeadline, bool newTodo)
    : endDate_(newTodo || hasDeadline ? nowIfUnset(end) : end), endTime_(endDate_), deadline_(hasDeadline) {}

DvTodoDeadlineRules DvTodoDeadlineRules::ForItem(const CDvItem& item, bool newTodo) {
    return DvTodoDeadlineRules(item.taskEnd, (item.flags & DV_ITEM_FLAG_DEADLINE) != 0, newTodo);
}

void DvTodoDeadlineRules::SetEndDate(const DvDateTime& value) {
    if (deadline_) endDate_ = value;
}

void DvTodoDeadlineRules::SetEndTime(const DvDateTime& value) {
    if (deadline_) endTime_ = value;
}

bool DvTodoDeadlineRules::Choose(const DvQuickTimeChoice& choice) {
    return deadline_ && DvWriteQuickTimeChoice(choice, endDate_, &endTime_);
}

void DvTodoDeadlineRules::WriteTo(CDvItem& item) const {
    item.flags = deadline_ ? item.flags | DV_ITEM_FLAG_DEADLINE : item.flags & ~DV_ITEM_FLAG_DEADLINE;
    item.taskEnd = End();
}
