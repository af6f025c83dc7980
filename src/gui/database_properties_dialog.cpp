#include "gui/database_properties_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/password_protection.h"
#include "core/doc.h"
#include "gui/qt_ui.h"

DatabasePropertiesDialog::DatabasePropertiesDialog(CDvDoc& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
    setWindowTitle(QStringLiteral("Database Properties"));
    auto* file = new QLabel(QString::fromStdString(doc.mainFilePath.string()));
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    file->setWordWrap(true);
    text_ = new QPlainTextEdit;
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    status_ = new QLabel;
    password_ = new QPushButton(QStringLiteral("Password protection"));
    connect(password_, &QPushButton::clicked, this, [this] {
        if (ChangePassword(doc_)) fill();
    });
    auto* passwordRow = new QHBoxLayout;
    passwordRow->addWidget(status_, 1);
    passwordRow->addWidget(password_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addWidget(text_, 1);
    layout->addLayout(passwordRow);
    layout->addWidget(buttons);
    resize(520, 440);
    fill();
}

void DatabasePropertiesDialog::fill() {
    text_->setPlainText(toQString(doc_.PropertiesText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    std::u16string password;
    {
        auto lock = doc_.Lock();
        password = doc_.password;
    }
    status_->setText(toQString(DvPasswordStatusLine(password)));
}
