#pragma once
// "Database Properties": what the open database holds, and its password protection.
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class CDvDoc;

class DatabasePropertiesDialog final : public QDialog {
public:
    explicit DatabasePropertiesDialog(CDvDoc& doc, QWidget* parent = nullptr);

    QPlainTextEdit* propertiesText() const { return text_; }
    QLabel* statusLine() const { return status_; }
    QPushButton* passwordButton() const { return password_; }

private:
    void fill();

    CDvDoc& doc_;
    QPlainTextEdit* text_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* password_ = nullptr;
};
