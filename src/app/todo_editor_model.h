#pragma once
// The to-do editing dialog's own fields: the "Deadline:" box with its date and time, priority and
// completion. OK writes them into the working copy before the common save.
#include "app/item_editor_model.h"
#include "schedule/task_time_rules.h"

struct DvListOptions;

class CDvTodoEditorModel {
public:
    CDvTodoEditorModel(CDvItemEditorModel& editor, const DvListOptions& display);

    CDvItemEditorModel& Editor() { return editor_; }
    DvTodoDeadlineRules& Deadline() { return deadline_; }
    const DvTodoDeadlineRules& Deadline() const { return deadline_; }

    DvPercentChooser priority;
    DvPercentChooser completion;

    /// The deadline flag, then the end, then priority and completion.
    void Apply();

private:
    CDvItemEditorModel& editor_;
    DvTodoDeadlineRules deadline_;
};
