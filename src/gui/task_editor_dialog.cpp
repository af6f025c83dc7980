#include "gui/task_editor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
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
    assemble(buildFields());
}

QWidget* TaskEditorDialog::buildFields() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;

    start_ = new DateTimePair;
    start_->setObjectName(QStringLiteral("start"));
    end_ = new DateTimePair;
    end_->setObjectName(QStringLiteral("end"));
    grid->addWidget(new QLabel(QStringLiteral("Start:")), row, 0);
    grid->addWidget(start_, row++, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("End:")), row, 0);
    grid->addWidget(end_, row++, 1, 1, 3);
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
    repeatRow->addSpacing(12);
    repeatRow->addWidget(summary_, 1);
    repeatRow->addWidget(autoRemove_);
    grid->addLayout(repeatRow, row++, 0, 1, 4);
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
    grid->addWidget(new QLabel(QStringLiteral("Reminder:")), row, 0);
    grid->addLayout(reminderRow, row++, 1, 1, 3);
    connect(reminderMore, &QPushButton::clicked, this, [this] {
        ReminderOptionsDialog options(model().Item().vars, this);
        options.exec();
    });

    priority_ = new QComboBox;
    priority_->setObjectName(QStringLiteral("priority"));
    DvFillPercentCombo(*priority_, task_.priority);
    completion_ = new QComboBox;
    completion_->setObjectName(QStringLiteral("completion"));
    DvFillPercentCombo(*completion_, task_.completion);
    auto* percentRow = new QHBoxLayout;
    percentRow->addWidget(priority_);
    percentRow->addSpacing(12);
    percentRow->addWidget(new QLabel(QStringLiteral("Completion:")));
    percentRow->addWidget(completion_);
    percentRow->addStretch();
    grid->addWidget(new QLabel(QStringLiteral("Priority:")), row, 0);
    grid->addLayout(percentRow, row++, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    return box;
}

void TaskEditorDialog::showTimes() {
    const DvTaskTimeRules& times = task_.Times();
    start_->setValue(times.StartDate(), times.StartTime());
    end_->setValue(times.EndDate(), times.EndTime());
}

void TaskEditorDialog::showSummary() { summary_->setText(toQString(task_.RepeatSummary())); }

void TaskEditorDialog::applyFields() {
    task_.repeating = repeating_->isChecked();
    task_.autoRemove = autoRemove_->isChecked();
    task_.reminder = {reminderType_->currentIndex(), reminderUnits_->currentIndex(), reminderCount_->value()};
    task_.priority.chosen = fromQString(priority_->currentText());
    task_.completion.chosen = fromQString(completion_->currentText());
    task_.Apply();
}
