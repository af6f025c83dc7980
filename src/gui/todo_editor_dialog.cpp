#include "gui/todo_editor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <tuple>
#include <QHBoxLayout>
#include <QLabel>

#include "app/options.h"
#include "gui/date_time_pair.h"
#include "gui/percent_combo.h"
#include "gui/qt_ui.h"
#include "gui/quick_time_popup.h"
#include "views/priority_completion.h"

TodoEditorDialog::TodoEditorDialog(QWidget* parent, CDvDoc& doc, const CDvItem& item, std::u16string_view folder)
    : ItemEditorDialog(parent, doc, item, folder),
      todo_(model(), DvListOptions{GetOptions(true).GetBool(kDvOptPriorityAsPercents),
                                   GetOptions(true).GetBool(kDvOptCompletedAsPercents)}) {
    buildFields();
    assemble();
}

void TodoEditorDialog::buildFields() {
    deadlineBox_ = new QCheckBox(QStringLiteral("Deadline:"));
    deadlineBox_->setObjectName(QStringLiteral("deadlineBox"));
    deadlineBox_->setChecked(todo_.Deadline().Deadline());
    deadline_ = new DateTimePair;
    deadline_->setObjectName(QStringLiteral("deadline"));
    addFieldRow(deadlineBox_, deadline_);
    DvTodoDeadlineRules& rules = todo_.Deadline();
    connect(deadlineBox_, &QCheckBox::toggled, this, [this, &rules](bool on) {
        rules.SetDeadline(on);
        showDeadline();
    });
    deadline_->dateEdited = [&rules](const DvDateTime& v) { rules.SetEndDate(v); };
    deadline_->timeEdited = [&rules](const DvDateTime& v) { rules.SetEndTime(v); };
    deadline_->menuRequested = [this, &rules] {
        if (rules.Choose(DvShowQuickTimeMenu(this, rules.Menu()))) showDeadline();
    };
    showDeadline();

    std::tie(priority_, completion_) = addPercentRow(todo_.priority, todo_.completion);
}

void TodoEditorDialog::showDeadline() {
    const DvTodoDeadlineRules& rules = todo_.Deadline();
    deadline_->setValue(rules.EndDate(), rules.EndTime());
    deadline_->setEnabled(rules.FieldsEnabled());
}

void TodoEditorDialog::applyFields() {
    todo_.priority.chosen = fromQString(priority_->currentText());
    todo_.completion.chosen = fromQString(completion_->currentText());
    todo_.Apply();
}
