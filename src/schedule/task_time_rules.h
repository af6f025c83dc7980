#pragma once
// The rules behind the date and time fields of the task and to-do editing dialogs. Each value is
// edited as a date field and a time field; the value is the date of the one at the time of day
// of the other. The dialogs bind their widgets to these models and re-read every field after
// each change.
#include "core/date_time.h"
#include "schedule/quick_time_menu.h"

class CDvItem;

/// True for the unset date (any moment of 1899), and for a value without a date at all.
bool DvIsUnsetDate(const DvDateTime& value);

/// Start and end of the task editing dialog, keeping the end from falling before the start.
class DvTaskTimeRules {
public:
    /// A new task's unset start or end becomes now; an existing task's length (end - start) is
    /// remembered, to restore it when an edit puts the end before the start.
    DvTaskTimeRules(const DvDateTime& start, const DvDateTime& end, bool newTask);

    const DvDateTime& StartDate() const { return startDate_; }
    const DvDateTime& StartTime() const { return startTime_; }
    const DvDateTime& EndDate() const { return endDate_; }
    const DvDateTime& EndTime() const { return endTime_; }
    DvDateTime Start() const { return DvDateTime::Combine(startDate_, startTime_); }
    DvDateTime End() const { return DvDateTime::Combine(endDate_, endTime_); }

    // Edits of the four fields. When one leaves the end before the start, the end becomes the
    // start plus 15 minutes (a new task) or plus the remembered length, in both end fields; an
    // edit of an end field that does so also sounds the warning beep.
    void SetStartDate(const DvDateTime& value);
    void SetStartTime(const DvDateTime& value);
    void SetEndDate(const DvDateTime& value);
    void SetEndTime(const DvDateTime& value);

    /// The "..." menu beside the start (relative to now) and beside the end (relative to the
    /// current start).
    DvQuickTimeMenu StartMenu() const { return DvQuickTimeMenu(); }
    DvQuickTimeMenu EndMenu() const { return DvQuickTimeMenu(Start()); }
    /// Writes a menu choice into the pair, then applies the end rule; false when nothing was chosen.
    bool ChooseStart(const DvQuickTimeChoice& choice);
    bool ChooseEnd(const DvQuickTimeChoice& choice);

private:
    void keepEndAfterStart(bool editedEnd);

    DvDateTime startDate_, startTime_, endDate_, endTime_;
    bool newTask_;
    DvDateTimeSpan length_;
};

/// The deadline of the to-do editing dialog: one date and time pair, editable only while the
/// "Deadline:" box is ticked.
class DvTodoDeadlineRules {
public:
    /// A new to-do's, or one with a deadline's, unset end becomes now.
    DvTodoDeadlineRules(const DvDateTime& end, bool hasDeadline, bool newTodo);
    /// Reads the end and the deadline flag of `item`.
    static DvTodoDeadlineRules ForItem(const CDvItem& item, bool newTodo);

    bool Deadline() const { return deadline_; }
    void SetDeadline(bool ticked) { deadline_ = ticked; }
    bool FieldsEnabled() const { return deadline_; }

    const DvDateTime& EndDate() const { return endDate_; }
    const DvDateTime& EndTime() const { return endTime_; }
    DvDateTime End() const { return DvDateTime::Combine(endDate_, endTime_); }

    // Edits and the menu change nothing while the fields are disabled.
    void SetEndDate(const DvDateTime& value);
    void SetEndTime(const DvDateTime& value);
    /// The "..." menu, relative to now.
    DvQuickTimeMenu Menu() const { return DvQuickTimeMenu(); }
    /// Writes a menu choice into the pair; false when nothing was chosen or the fields are disabled.
    bool Choose(const DvQuickTimeChoice& choice);

    /// What OK writes: the deadline flag, then the end.
    void WriteTo(CDvItem& item) const;

private:
    DvDateTime endDate_, endTime_;
    bool deadline_;
};
