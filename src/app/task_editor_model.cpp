#include "app/task_editor_model.h"

#include "schedule/repeat_rule.h"
#include "views/priority_completion.h"

CDvTaskEditorModel::CDvTaskEditorModel(CDvItemEditorModel& editor, const DvListOptions& display,
                                       bool remindersOnByDefault)
    : repeating(DvIsRepeating(editor.Item())),
      autoRemove((editor.Item().flags & DV_ITEM_FLAG_TEMPORARY) != 0),
      reminder(DvReminderFields::Read(editor.Item().vars, editor.IsNew(), remindersOnByDefault)),
      priority(DvPercentChooser::Priority(editor.Item(), display.priorityAsPercents)),
      completion(DvPercentChooser::Completion(editor.Item(), display.completedAsPercents)),
      editor_(editor),
      times_(editor.Item().taskStart, editor.Item().taskEnd, editor.IsNew()) {}

std::u16string CDvTaskEditorModel::RepeatSummary() const { return DvRepeatSummary(repeating, editor_.Item().vars); }

void CDvTaskEditorModel::Apply() {
    CDvItem& task = editor_.Item();
    task.taskStart = times_.Start();
    task.taskEnd = times_.End();
    DvApplyTaskRepeatChoices(task, repeating, autoRemove);
    reminder.Write(task.vars);
    if (const int p = priority.PriorityToStore(); p >= 0) task.SetPriority(static_cast<unsigned>(p));
    if (const int c = completion.CompletionToStore(); c >= 0) task.SetCompletion(static_cast<unsigned>(c));
}
