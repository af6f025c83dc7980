#pragma once
// "To do": the deadline box with its date and time, priority and completion.
#include "app/todo_editor_model.h"
#include "gui/item_editor_dialog.h"

class QCheckBox;
class QComboBox;
class DateTimePair;

class TodoEditorDialog final : public ItemEditorDialog {
public:
    TodoEditorDialog(QWidget* parent, CDvDoc& doc, const CDvItem& item, std::u16string_view folder);

    CDvTodoEditorModel& todoModel() { return todo_; }

protected:
    void applyFields() override;

private:
    void buildFields();
    void showDeadline();

    CDvTodoEditorModel todo_;
    QCheckBox* deadlineBox_ = nullptr;
    DateTimePair* deadline_ = nullptr;
    QComboBox* priority_ = nullptr;
    QComboBox* completion_ = nullptr;
};
