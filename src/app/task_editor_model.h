#pragma once
// The task editing dialog's own fields: start and end, "&Repeating task" with its summary and the
// repeat options, "A&uto remove", the reminder fields with the reminder options, priority and
// completion. OK writes them into the working copy before the common save.
#include <string>

#include "app/item_editor_model.h"
#include "schedule/reminder_fields.h"
#include "schedule/task_time_rules.h"

struct DvListOptions;

class CDvTaskEditorModel {
public:
    CDvTaskEditorModel(CDvItemEditorModel& editor, const DvListOptions& display, bool remindersOnByDefault);

    CDvItemEditorModel& Editor() { return editor_; }
    DvTaskTimeRules& Times() { return times_; }
    const DvTaskTimeRules& Times() const { return times_; }

    bool repeating = false;
    bool autoRemove = false;
    DvReminderFields reminder;
    DvPercentChooser priority;
    DvPercentChooser completion;

    /// The line under "&Repeating task", rebuilt whenever the box or the repeat options change.
    std::u16string RepeatSummary() const;
    /// The repeat options dialog edits the working copy's variables.
    CDvVarSet& RuleVariables() { return editor_.Item().vars; }

    /// Writes the fields into the working copy; the common save follows.
    void Apply();

private:
    CDvItemEditorModel& editor_;
    DvTaskTimeRules times_;
};
