#pragma once
// "Task editing": start and end, repetition, auto remove, reminder, priority and completion.
#include "app/task_editor_model.h"
#include "gui/item_editor_dialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class DateTimePair;

class TaskEditorDialog final : public ItemEditorDialog {
public:
    TaskEditorDialog(QWidget* parent, CDvDoc& doc, const CDvItem& item, std::u16string_view folder);

    CDvTaskEditorModel& taskModel() { return task_; }
    DateTimePair* startFields() const { return start_; }
    DateTimePair* endFields() const { return end_; }

protected:
    void applyFields() override;

private:
    void buildFields();
    void showTimes();
    void showSummary();

    CDvTaskEditorModel task_;
    DateTimePair* start_ = nullptr;
    DateTimePair* end_ = nullptr;
    QCheckBox* repeating_ = nullptr;
    QLabel* summary_ = nullptr;
    QCheckBox* autoRemove_ = nullptr;
    QComboBox* reminderType_ = nullptr;
    QSpinBox* reminderCount_ = nullptr;
    QComboBox* reminderUnits_ = nullptr;
    QComboBox* priority_ = nullptr;
    QComboBox* completion_ = nullptr;
};
