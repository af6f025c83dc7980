#pragma once
// "Task repeating: options": the three repeat modes bound to their model.
#include <QDialog>
#include <array>

#include "schedule/repeat_options_model.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QSpinBox;
class CDvVarSet;

class RepeatOptionsDialog final : public QDialog {
public:
    /// Edits the rule variables in `vars` (the task editor's working copy) on OK.
    RepeatOptionsDialog(CDvVarSet& vars, QWidget* parent = nullptr);

    void accept() override;

private:
    void readFields();
    void enableFields();

    CDvVarSet& vars_;
    CDvEditTaskRecursiveDlgModel model_;
    QButtonGroup* modes_;
    QSpinBox* count_;
    QComboBox* unit_;
    std::array<QCheckBox*, 7> days_{};
    QSpinBox* monthDay_;
};
