#include "gui/new_database_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/startup.h"
#include "gui/qt_ui.h"

namespace {

QString dialogText(std::u16string_view text) {
    return toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

NewDatabaseDialog::NewDatabaseDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("New database"));
    auto* explanation = new QLabel(dialogText(DvNewDatabaseModel::ExplanationText()));
    explanation->setWordWrap(true);

    folder_ = new QLineEdit(QString::fromStdString(DocumentsFolder(true).string()));
    name_ = new QLineEdit;
    auto* browse = new QPushButton(QStringLiteral("..."));
    browse->setFixedWidth(32);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen =
            QFileDialog::getExistingDirectory(this, QStringLiteral("Create in folder:"), folder_->text());
        if (!chosen.isEmpty()) folder_->setText(chosen);
    });
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(browse);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Create in folder:"), folderRow);
    form->addRow(QStringLiteral("Name:"), name_);

    location_ = new QLabel;
    location_->setWordWrap(true);
    location_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    location_->setMinimumHeight(fontMetrics().lineSpacing() * 6);
    location_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(folder_, &QLineEdit::textChanged, this, &NewDatabaseDialog::fieldsChanged);
    connect(name_, &QLineEdit::textChanged, this, &NewDatabaseDialog::fieldsChanged);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &NewDatabaseDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addSpacing(8);
    layout->addLayout(form);
    layout->addWidget(location_);
    layout->addWidget(buttons);
    setMinimumWidth(520);
    fieldsChanged();
    name_->setFocus();
}

void NewDatabaseDialog::fieldsChanged() {
    model_.parentFolder = fromQString(folder_->text());
    model_.name = fromQString(name_->text());
    location_->setText(dialogText(model_.LocationText()));
}

void NewDatabaseDialog::accept() {
    fieldsChanged();
    if (model_.Ok()) QDialog::accept();
}
