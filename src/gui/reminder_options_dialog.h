#pragma once
// "Reminder options": the sound of a task's reminder, bound to its model.
#include <QDialog>

#include "schedule/reminder_options_model.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;
class CDvVarSet;

class ReminderOptionsDialog final : public QDialog {
public:
    /// Edits dv_reminder_s_sound_path in `vars` (the task editor's working copy) on OK.
    ReminderOptionsDialog(CDvVarSet& vars, QWidget* parent = nullptr);

    void accept() override;
    /// "&Play": plays the chosen sound. Without a sound library the desktop's beep stands in.
    void play();

private:
    void readFields();

    CDvVarSet& vars_;
    CDvTaskReminderOptionsDlgModel model_;
    QButtonGroup* sounds_;
    QLineEdit* path_;
    QPushButton* browse_;
};
