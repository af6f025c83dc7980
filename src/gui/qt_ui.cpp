#include "gui/qt_ui.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/password_dialog_model.h"

QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string fromQString(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
}

namespace {

// Message texts carry Windows line ends.
QString messageText(std::u16string_view text) { return toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

QMessageBox::StandardButtons buttonsFor(dv::Buttons buttons) {
    switch (buttons) {
    case dv::Buttons::Ok: return QMessageBox::Ok;
    case dv::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case dv::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case dv::Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

dv::Answer answerFor(int button) {
    switch (button) {
    case QMessageBox::Ok: return dv::Answer::Ok;
    case QMessageBox::Yes: return dv::Answer::Yes;
    case QMessageBox::No: return dv::Answer::No;
    default: return dv::Answer::Cancel;
    }
}

// The password dialog binds its fields to the model; OK asks the model whether it may close.
class PasswordDialog final : public QDialog {
public:
    PasswordDialog(dv::PasswordMode mode, QWidget* parent)
        : QDialog(parent),
          model_(mode == dv::PasswordMode::Opening ? DvPasswordDlgMode::Opening : DvPasswordDlgMode::Setting) {
        setWindowTitle(QStringLiteral("Password"));
        auto* form = new QFormLayout;
        password_.setEchoMode(QLineEdit::Password);
        confirmation_.setEchoMode(QLineEdit::Password);
        form->addRow(new QLabel(toQString(model_.PromptText())));
        form->addRow(&password_);
        if (model_.HasConfirmField()) form->addRow(toQString(model_.ConfirmLabel()), &confirmation_);
        if (!model_.InfoText().empty()) {
            auto* info = new QLabel(messageText(model_.InfoText()));
            info->setWordWrap(true);
            form->addRow(info);
        }
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        connect(buttons, &QDialogButtonBox::accepted, this, &PasswordDialog::tryAccept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        form->addRow(buttons);
        setLayout(form);
        // Wrapped notes would otherwise squeeze the dialog into a tall narrow column.
        setMinimumWidth(420);
        password_.setFocus();
    }
    const std::u16string& password() const { return model_.Password(); }

private:
    void tryAccept() {
        model_.SetPassword(fromQString(password_.text()));
        model_.SetConfirmation(fromQString(confirmation_.text()));
        const DvPasswordDlgOk result = model_.Ok();
        if (result.closes) {
            accept();
        } else {
            QMessageBox::warning(this, QStringLiteral("Dayvault"), messageText(result.message));
        }
    }

    CDvPasswordDlgModel model_;
    QLineEdit password_;
    QLineEdit confirmation_;
};

}  // namespace

QtUi::QtUi() { dv::setUi(this); }

QtUi::~QtUi() { dv::setUi(nullptr); }

void QtUi::setMainWindow(QWidget* window, std::function<void(const QString&)> advisor) {
    parent_ = window;
    advisor_ = std::move(advisor);
}

void QtUi::ShowMessage(std::u16string_view text) {
    QMessageBox::information(parent_, QStringLiteral("Dayvault"), messageText(text));
}

dv::Answer QtUi::Ask(std::u16string_view text, dv::Buttons buttons) {
    return answerFor(QMessageBox::question(parent_, QStringLiteral("Dayvault"), messageText(text), buttonsFor(buttons)));
}

bool QtUi::AskText(std::u16string_view title, std::u16string_view prompt, std::u16string& text) {
    bool ok = false;
    const QString entered = QInputDialog::getText(parent_, toQString(title), messageText(prompt), QLineEdit::Normal,
                                                  toQString(text), &ok);
    if (ok) text = fromQString(entered);
    return ok;
}

void QtUi::Beep() { QApplication::beep(); }

void QtUi::OfferAdvisor(std::u16string_view text) {
    if (advisor_) advisor_(messageText(text));
}

int QtUi::Choose(std::u16string_view title, std::u16string_view text, const std::vector<std::u16string>& choices) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(toQString(title));
    dialog.setMinimumWidth(440);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(messageText(text));
    label->setWordWrap(true);
    layout->addWidget(label);
    QButtonGroup group;
    for (size_t i = 0; i < choices.size(); ++i) {
        auto* radio = new QRadioButton(toQString(choices[i]));
        group.addButton(radio, static_cast<int>(i));
        layout->addWidget(radio);
        if (i == 0) radio->setChecked(true);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return dialog.exec() == QDialog::Accepted ? group.checkedId() : -1;
}

bool QtUi::AskOpenFile(std::u16string_view title, const std::filesystem::path& folder, std::u16string_view pattern,
                       std::filesystem::path& chosen) {
    const QString file = QFileDialog::getOpenFileName(parent_, toQString(title), QString::fromStdString(folder.string()),
                                                      QStringLiteral("Dayvault documents (%1)").arg(toQString(pattern)));
    if (file.isEmpty()) return false;
    chosen = file.toStdString();
    return true;
}

bool QtUi::AskPassword(dv::PasswordMode mode, std::u16string& password) {
    PasswordDialog dialog(mode, parent_);
    if (dialog.exec() != QDialog::Accepted) return false;
    password = dialog.password();
    return true;
}

void QtUi::OpenWithDefaultHandler(const std::filesystem::path& target) {
    const QString text = QString::fromStdString(target.string());
    QDesktopServices::openUrl(text.contains(QStringLiteral("://")) || text.startsWith(QStringLiteral("mailto:"))
                                  ? QUrl(text)
                                  : QUrl::fromLocalFile(text));
}

bool QtUi::SetClipboardText(std::u16string_view text) {
    QApplication::clipboard()->setText(toQString(text));
    return true;
}

bool QtUi::GetClipboardText(std::u16string& text) {
    const QString held = QApplication::clipboard()->text();
    if (held.isEmpty()) return false;
    text = fromQString(held);
    return true;
}
