#include "app/todo_editor_model.h"

#include "views/priority_completion.h"

CDvTodoEditorModel::CDvTodoEditorModel(CDvItemEditorModel& editor, const DvListOptions& display)
    : priority(DvPercentChooser::Priority(editor.Item(), display.priorityAsPercents)),
      completion(DvPercentChooser::Completion(editor.Item(), display.completedAsPercents)),
      editor_(editor),
      deadline_(DvTodoDeadlineRules::ForItem(editor.Item(), editor.IsNew())) {}

void CDvTodoEditorModel::Apply() {
    CDvItem& todo = editor_.Item();
    deadline_.WriteTo(todo);
    if (const int p = priority.PriorityToStore(); p >= 0) todo.SetPriority(static_cast<unsigned>(p));
    if (const int c = completion.CompletionToStore(); c >= 0) todo.SetCompletion(static_cast<unsigned>(c));
}
