#include "gui/repeat_options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/qt_ui.h"
#include "platform/numbers.h"

namespace {
constexpr const char* kDayNames[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
}

RepeatOptionsDialog::RepeatOptionsDialog(CDvVarSet& vars, QWidget* parent)
    : QDialog(parent),
      vars_(vars),
      model_(vars),
      modes_(new QButtonGroup(this)),
      count_(new QSpinBox),
      unit_(new QComboBox),
      monthDay_(new QSpinBox) {
    setWindowTitle(toQString(CDvEditTaskRecursiveDlgModel::kTitle));
    auto* every = new QRadioButton(QStringLiteral("Every..."));
    auto* weekly = new QRadioButton(QStringLiteral("Weekly"));
    auto* monthly = new QRadioButton(QStringLiteral("Monthly"));
    modes_->addButton(every, static_cast<int>(DvRepeatMode::Every));
    modes_->addButton(weekly, static_cast<int>(DvRepeatMode::Weekly));
    modes_->addButton(monthly, static_cast<int>(DvRepeatMode::Monthly));

    count_->setObjectName(QStringLiteral("count"));
    count_->setRange(0, 1000);
    count_->setValue(static_cast<int>(dv::parseLeadingInt64(model_.countText)));
    unit_->setObjectName(QStringLiteral("unit"));
    for (DvRepeatKind kind : CDvEditTaskRecursiveDlgModel::kUnits) {
        unit_->addItem(toQString(DvRepeatKindText(kind)));
        if (kind == model_.unit) unit_->setCurrentIndex(unit_->count() - 1);
    }
    auto* everyRow = new QHBoxLayout;
    everyRow->addWidget(every);
    everyRow->addWidget(count_);
    everyRow->addWidget(unit_);
    everyRow->addStretch();

    auto* dayGrid = new QGridLayout;
    for (size_t i = 0; i < days_.size(); ++i) {
        days_[i] = new QCheckBox(QString::fromLatin1(kDayNames[i]));
        days_[i]->setChecked(model_.weekdays[i]);
        dayGrid->addWidget(days_[i], static_cast<int>(i / 4), static_cast<int>(i % 4));
    }
    dayGrid->setContentsMargins(24, 0, 0, 0);

    monthDay_->setObjectName(QStringLiteral("monthDay"));
    monthDay_->setRange(0, 99);  // out-of-range days reach the model, which refuses them with its message
    monthDay_->setValue(static_cast<int>(dv::parseLeadingInt64(model_.monthDayText)));
    auto* monthForm = new QFormLayout;
    monthForm->setContentsMargins(24, 0, 0, 0);
    monthForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    monthForm->addRow(QStringLiteral("Day of month (1-31):"), monthDay_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &RepeatOptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RepeatOptionsDialog::reject);

    auto* main = new QVBoxLayout(this);
    main->addLayout(everyRow);
    main->addWidget(weekly);
    main->addLayout(dayGrid);
    main->addWidget(monthly);
    main->addLayout(monthForm);
    main->addWidget(buttons);

    if (QAbstractButton* chosen = modes_->button(static_cast<int>(model_.mode))) chosen->setChecked(true);
    connect(modes_, &QButtonGroup::idToggled, this, [this](int, bool) { enableFields(); });
    enableFields();
}

void RepeatOptionsDialog::readFields() {
    model_.mode = static_cast<DvRepeatMode>(std::max(0, modes_->checkedId()));
    if (modes_->checkedId() < 0) model_.mode = DvRepeatMode::NotChosen;
    model_.countText = dv::formatInt64(count_->value());
    model_.unit = CDvEditTaskRecursiveDlgModel::kUnits[static_cast<size_t>(std::max(0, unit_->currentIndex()))];
    for (size_t i = 0; i < days_.size(); ++i) model_.weekdays[i] = days_[i]->isChecked();
    model_.monthDayText = dv::formatInt64(monthDay_->value());
}

void RepeatOptionsDialog::enableFields() {
    readFields();
    count_->setEnabled(model_.IsEnabled(DvRepeatMode::Every));
    unit_->setEnabled(model_.IsEnabled(DvRepeatMode::Every));
    for (QCheckBox* day : days_) day->setEnabled(model_.IsEnabled(DvRepeatMode::Weekly));
    monthDay_->setEnabled(model_.IsEnabled(DvRepeatMode::Monthly));
}

void RepeatOptionsDialog::accept() {
    readFields();
    if (model_.Ok(vars_)) QDialog::accept();
}
