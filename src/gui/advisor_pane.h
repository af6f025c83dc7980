#pragma once
// The advisor: a slim pane at the foot of the main window that shows the short notices offered
// to it (the welcome, "saved", a read-only document that cannot be saved) while it is shown, and
// drops them while the user has it hidden.
#include <QFrame>

class QLabel;

class AdvisorPane final : public QFrame {
    Q_OBJECT
public:
    explicit AdvisorPane(QWidget* parent = nullptr);

    /// Shows `text` unless the pane is hidden; line ends become spaces so it stays one line.
    void offer(const QString& text);
    QString text() const;
    /// Hides or shows the pane and remembers the choice in the options.
    void setShown(bool shown);

signals:
    void shownChanged(bool shown);

private:
    QLabel* text_;
};
