#pragma once
// The smart box: a small window that adds an item from one line of text such as
// "task;Call the dentist", without the main window. Created once, then shown and hidden.
#include <QDialog>
#include <QList>
#include <QTimer>
#include <functional>

#include "app/smart_box_model.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimeEdit;
class QToolButton;
class CDvDoc;

class SmartBoxWindow final : public QDialog {
    Q_OBJECT

public:
    explicit SmartBoxWindow(CDvDoc& doc, QWidget* parent = nullptr);
    ~SmartBoxWindow() override;

    /// Shows the box; the next tick brings it to the front with the focus in the text.
    void showBox();
    /// Where the "»" button takes its entries from: the tray menu, less "Exit" and "Minimize all
    /// reminders". It may answer nullptr while there is no tray.
    void setTrayMenu(std::function<QMenu*()> trayMenu) { trayMenu_ = std::move(trayMenu); }
    /// What the "»" button offers now.
    QList<QAction*> trayEntries() const;

    /// "&Add": the item is added, the main window's contents refreshed and the box reset and
    /// hidden; without a type or a text it only beeps.
    void add();
    /// Empty text with the focus, "ToDo", the root folder, today and half an hour from now.
    void reset();
    /// The 200-millisecond timer's work: front after a showing, the type button and the pickers
    /// following the text.
    void tick();

    const CDvSmartBoxModel& model() const { return model_; }

protected:
    void reject() override;  // "&Hide": the text stays for the next showing

private:
    void fillFolders();
    void modelToWidgets();
    void showQuickTimeMenu();
    void showTrayEntries();
    void help();

    CDvDoc& doc_;
    CDvSmartBoxModel model_;
    QTimer timer_;
    std::function<QMenu*()> trayMenu_;
    QLineEdit* text_ = nullptr;
    QButtonGroup* types_ = nullptr;
    QComboBox* folder_ = nullptr;
    QDateEdit* date_ = nullptr;
    QTimeEdit* time_ = nullptr;
    QToolButton* quickTime_ = nullptr;
    QToolButton* trayEntries_ = nullptr;
    QPushButton* add_ = nullptr;
};
