#include "gui/task_editor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <tuple>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "app/options.h"
#include "gui/date_time_pair.h"
#include "gui/percent_combo.h"
#include "gui/qt_ui.h"
#include "gui/quick_time_popup.h"
#include "gui/reminder_options_dialog.h"
#include "gui/repeat_options_dialog.h"
#include "schedule/repeat_rule.h"
#include "views/priority_completion.h"

namespace {

DvListOptions displayOptions() {
    const CDvOptions& options = GetOptions(true);
    return {options.GetBool(kDvOptPriorityAsPercents), options.GetBool(kDvOptCompletedAsPercents)};
}

}  // namespace

TaskEditorDialog::TaskEditorDialog(QWidget* parent, CDvDoc& doc, const CDvItem& item, std::u16string_view folder)
    : ItemEditorDialog(parent, doc, item, folder),
      task_(model(), displayOptions(), GetOptions(true).GetBool(kDvOptShowRemindersByDefault)) {
    buildFields();
    assemble();
}

void TaskEditorDialog::buildFields() {
    start_ = new DateTimePair;
    start_->setObjectName(QStringLiteral("start"));
    end_ = new DateTimePair;
    end_->setObjectName(QStringLiteral("end"));
    addFieldRow(QStringLiteral("Start:"), start_);
    addFieldRow(QStringLiteral("End:"), end_);
    DvTaskTimeRules& times = task_.Times();
    start_->dateEdited = [this, &times](const DvDateTime& v) { times.SetStartDate(v); showTimes(); };
    start_->timeEdited = [this, &times](const DvDateTime& v) { times.SetStartTime(v); showTimes(); };
    end_->dateEdited = [this, &times](const DvDateTime& v) { times.SetEndDate(v); showTimes(); };
    end_->timeEdited = [this, &times](const DvDateTime& v) { times.SetEndTime(v); showTimes(); };
    start_->menuRequested = [this, &times] {
        if (times.ChooseStart(DvShowQuickTimeMenu(this, times.StartMenu()))) showTimes();
    };
    end_->menuRequested = [this, &times] {
        if (times.ChooseEnd(DvShowQuickTimeMenu(this, times.EndMenu()))) showTimes();
    };
    showTimes();

    repeating_ = new QCheckBox(QStringLiteral("&Repeating task"));
    repeating_->setObjectName(QStringLiteral("repeating"));
    repeating_->setChecked(task_.repeating);
    auto* repeatMore = new QPushButton(QStringLiteral("More..."));
    repeatMore->setObjectName(QStringLiteral("repeatOptions"));
    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("repeatSummary"));
    autoRemove_ = new QCheckBox(QStringLiteral("A&uto remove"));
    autoRemove_->setObjectName(QStringLiteral("autoRemove"));
    autoRemove_->setToolTip(toQString(kDvAutoRemoveTip));
    autoRemove_->setChecked(task_.autoRemove);
    auto* repeatRow = new QHBoxLayout;
    repeatRow->addWidget(repeating_);
    repeatRow->addWidget(repeatMore);
    repeatRow->addSpacing(24);
    repeatRow->addWidget(autoRemove_);
    repeatRow->addStretch();
    addFieldRow(QString(), repeatRow);
    summary_->setWordWrap(true);
    addFieldRow(QString(), summary_);
    connect(repeating_, &QCheckBox::toggled, this, [this](bool on) {
        task_.repeating = on;
        showSummary();
    });
    connect(repeatMore, &QPushButton::clicked, this, [this] {
        RepeatOptionsDialog options(task_.RuleVariables(), this);
        options.exec();
        showSummary();
    });
    showSummary();

    reminderType_ = new QComboBox;
    reminderType_->setObjectName(QStringLiteral("reminderType"));
    for (auto type : DvReminderFields::kTypes) reminderType_->addItem(toQString(type));
    reminderType_->setCurrentIndex(task_.reminder.type);
    reminderCount_ = new QSpinBox;
    reminderCount_->setObjectName(QStringLiteral("reminderCount"));
    reminderCount_->setRange(0, DvReminderFields::kMaxCount);
    reminderCount_->setValue(task_.reminder.count);
    reminderUnits_ = new QComboBox;
    reminderUnits_->setObjectName(QStringLiteral("reminderUnits"));
    for (auto unit : DvReminderFields::kUnits) reminderUnits_->addItem(toQString(unit));
    reminderUnits_->setCurrentIndex(task_.reminder.units);
    auto* reminderMore = new QPushButton(QStringLiteral("More..."));
    reminderMore->setObjectName(QStringLiteral("reminderOptions"));
    auto* reminderRow = new QHBoxLayout;
    reminderRow->addWidget(reminderType_);
    reminderRow->addWidget(reminderCount_);
    reminderRow->addWidget(reminderUnits_);
    reminderRow->addWidget(new QLabel(toQString(DvReminderFields::kCountLabel)));
    reminderRow->addWidget(reminderMore);
    reminderRow->addStretch();
    addFieldRow(QStringLiteral("Reminder:"), reminderRow);
    connect(reminderMore, &QPushButton::clicked, this, [this] {
        ReminderOptionsDialog options(model().Item().vars, this);
        options.exec();
    });

    std::tie(priority_, completion_) = addPercentRow(task_.priority, task_.completion);
}

void TaskEditorDialog::showTimes() {
    const DvTaskTimeRules& times = task_.Times();
    start_->setValue(times.StartDate(), times.StartTime());
    end_->setValue(times.EndDate(), times.EndTime());
}

void TaskEditorDialog::showSummary() {
    summary_->setText(toQString(task_.RepeatSummary()));
    summary_->setVisible(!summary_->text().isEmpty());
}

void TaskEditorDialog::applyFields() {
    task_.repeating = repeating_->isChecked();
    task_.autoRemove = autoRemove_->isChecked();
    task_.reminder = {reminderType_->currentIndex(), reminderUnits_->currentIndex(), reminderCount_->value()};
    task_.priority.chosen = fromQString(priority_->currentText());
    task_.completion.chosen = fromQString(completion_->currentText());
    task_.Apply();
}
