#include "gui/column_add_user_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "gui/qt_ui.h"

using Model = CDvColumnMgrAddUserColumnDlgModel;

ColumnAddUserDialog::ColumnAddUserDialog(CDvColumnUserDefinedMgrDlgModel& owner, QWidget* parent)
    : QDialog(parent), owner_(owner), name_(new QLineEdit), displayName_(new QLineEdit),
      automatic_(new QCheckBox(toQString(Model::kAutoDisplayNameLabel))), type_(new QComboBox) {
    setWindowTitle(toQString(Model::kTitle));
    auto* form = new QFormLayout(this);
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->addRow(toQString(Model::kNameLabel), name_);
    form->addRow(toQString(Model::kDisplayNameLabel), displayName_);
    form->addRow(automatic_);
    for (std::u16string_view type : Model::kTypes) type_->addItem(toQString(type));
    type_->setCurrentText(toQString(model_.typeName));
    form->addRow(toQString(Model::kTypeLabel), type_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ColumnAddUserDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    automatic_->setChecked(model_.autoDisplayName);
    connect(automatic_, &QCheckBox::toggled, this, [this](bool on) {
        model_.autoDisplayName = on;
        syncDisplayName();
    });
    // The display name follows the name every half second while it is automatic.
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { syncDisplayName(); });
    timer->start(500);
    syncDisplayName();
}

void ColumnAddUserDialog::syncDisplayName() {
    model_.name = fromQString(name_->text());
    if (!model_.autoDisplayName) model_.displayName = fromQString(displayName_->text());
    model_.Tick();
    displayName_->setEnabled(model_.IsDisplayNameEnabled());
    if (model_.autoDisplayName) displayName_->setText(toQString(model_.displayName));
}

void ColumnAddUserDialog::accept() {
    syncDisplayName();
    model_.typeName = fromQString(type_->currentText());
    if (model_.Ok(owner_)) QDialog::accept();
}
