#include "gui/reminder_options_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/file_filter.h"
#include "gui/qt_ui.h"
#include "platform/locations.h"

ReminderOptionsDialog::ReminderOptionsDialog(CDvVarSet& vars, QWidget* parent)
    : QDialog(parent),
      vars_(vars),
      model_(vars),
      sounds_(new QButtonGroup(this)),
      path_(new QLineEdit),
      browse_(new QPushButton(QStringLiteral("&Browse..."))) {
    setWindowTitle(toQString(CDvTaskReminderOptionsDlgModel::kTitle));
    auto* byDefault = new QRadioButton(QStringLiteral("&Default"));
    auto* none = new QRadioButton(QStringLiteral("&None"));
    auto* custom = new QRadioButton(QStringLiteral("&Custom"));
    sounds_->addButton(byDefault, static_cast<int>(DvReminderSound::Default));
    sounds_->addButton(none, static_cast<int>(DvReminderSound::None));
    sounds_->addButton(custom, static_cast<int>(DvReminderSound::Custom));
    sounds_->button(static_cast<int>(model_.sound))->setChecked(true);
    path_->setObjectName(QStringLiteral("soundPath"));
    path_->setText(toQString(model_.path));
    path_->setMinimumWidth(260);

    auto* customRow = new QHBoxLayout;
    customRow->addWidget(custom);
    customRow->addWidget(path_, 1);
    customRow->addWidget(browse_);
    auto* play = new QPushButton(QStringLiteral("&Play"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(play);
    bottom->addStretch();
    bottom->addWidget(buttons);

    auto* main = new QVBoxLayout(this);
    main->addWidget(byDefault);
    main->addWidget(none);
    main->addLayout(customRow);
    main->addLayout(bottom);

    const auto enable = [this] {
        readFields();
        path_->setEnabled(model_.PathEnabled());
        browse_->setEnabled(model_.PathEnabled());
    };
    connect(sounds_, &QButtonGroup::idToggled, this, enable);
    enable();
    connect(browse_, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(this, toQString(CDvTaskReminderOptionsDlgModel::kBrowseTitle),
                                                          path_->text(),
                                                          DvQtFileFilter(CDvTaskReminderOptionsDlgModel::kBrowseFilter));
        if (!file.isEmpty()) path_->setText(file);
    });
    connect(play, &QPushButton::clicked, this, &ReminderOptionsDialog::play);
    connect(buttons, &QDialogButtonBox::accepted, this, &ReminderOptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ReminderOptionsDialog::reject);
}

void ReminderOptionsDialog::readFields() {
    model_.sound = static_cast<DvReminderSound>(std::max(0, sounds_->checkedId()));
    model_.path = fromQString(path_->text());
}

void ReminderOptionsDialog::play() {
    readFields();
    const auto file = model_.SoundToPlay(dv::resourceFolder());
    if (!file) return;
    // The program is built without a sound library: the desktop's beep stands in for the file.
    QApplication::beep();
}

void ReminderOptionsDialog::accept() {
    readFields();
    model_.Ok(vars_);
    QDialog::accept();
}
