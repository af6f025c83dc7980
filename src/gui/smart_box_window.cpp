#include "gui/smart_box_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCursor>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QToolButton>

#include "app/help_topics.h"
#include "core/doc.h"
#include "core/folder.h"
#include "gui/qt_ui.h"
#include "ops/main_window_port.h"
#include "platform/ui.h"
#include "schedule/quick_time_menu.h"

namespace {

constexpr int kTickMs = 200;

struct TypeButton {
    int type;
    const char* label;
};
constexpr TypeButton kTypeButtons[] = {
    {DV_ITEM_TASK, "Task"}, {DV_ITEM_TODO, "ToDo"}, {DV_ITEM_NOTE, "Note"}, {DV_ITEM_CONTACT, "Contact"}};

// Entries of the tray menu that make no sense from the smart box.
bool leftOutOfTrayEntries(const QAction* action) {
    const QString text = QString(action->text()).remove(QLatin1Char('&'));
    return text == QStringLiteral("Exit") || text == QStringLiteral("Minimize all reminders");
}

QDate dateOf(const DvDateTime& value) { return {value.Year(), value.Month(), value.Day()}; }
QTime timeOf(const DvDateTime& value) { return {value.Hour(), value.Minute(), value.Second()}; }

void addFolderPaths(const CDvFolder& folder, QStringList& paths) {
    for (const auto& child : folder.Children()) {
        paths << toQString(FolderPath(child.get()));
        addFolderPaths(*child, paths);
    }
}

}  // namespace

SmartBoxWindow::SmartBoxWindow(CDvDoc& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
    setWindowTitle(toQString(CDvSmartBoxModel::kTitle));

    text_ = new QLineEdit;
    text_->setObjectName(QStringLiteral("smartBoxText"));
    text_->setPlaceholderText(QStringLiteral("task;Call the dentist"));
    text_->setMinimumWidth(320);
    auto* textLabel = new QLabel(QStringLiteral("Quickly &add:"));
    textLabel->setBuddy(text_);

    types_ = new QButtonGroup(this);
    auto* typeRow = new QHBoxLayout;
    for (const TypeButton& b : kTypeButtons) {
        auto* button = new QRadioButton(QString::fromLatin1(b.label));
        types_->addButton(button, b.type);
        typeRow->addWidget(button);
    }
    typeRow->addStretch();

    folder_ = new QComboBox;
    folder_->setObjectName(QStringLiteral("smartBoxFolder"));
    auto* folderLabel = new QLabel(QStringLiteral("&Folder:"));
    folderLabel->setBuddy(folder_);

    date_ = new QDateEdit;
    date_->setCalendarPopup(true);
    time_ = new QTimeEdit;
    quickTime_ = new QToolButton;
    quickTime_->setText(QStringLiteral("..."));
    quickTime_->setToolTip(QStringLiteral("Quick time"));
    auto* startLabel = new QLabel(QStringLiteral("Task &Start:"));
    startLabel->setBuddy(date_);
    auto* startRow = new QHBoxLayout;
    startRow->addWidget(date_);
    startRow->addWidget(time_);
    startRow->addWidget(quickTime_);
    startRow->addStretch();

    trayEntries_ = new QToolButton;
    trayEntries_->setText(QString(QChar(187)));
    trayEntries_->setToolTip(QStringLiteral("More"));

    auto* buttons = new QDialogButtonBox;
    add_ = buttons->addButton(QStringLiteral("&Add"), QDialogButtonBox::AcceptRole);
    add_->setDefault(true);
    buttons->addButton(QStringLiteral("&Hide"), QDialogButtonBox::RejectRole);
    QPushButton* helpButton = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);

    auto* grid = new QGridLayout(this);
    grid->addWidget(textLabel, 0, 0);
    grid->addWidget(text_, 0, 1);
    grid->addWidget(trayEntries_, 0, 2);
    grid->addLayout(typeRow, 1, 1, 1, 2);
    grid->addWidget(folderLabel, 2, 0);
    grid->addWidget(folder_, 2, 1, 1, 2);
    grid->addWidget(startLabel, 3, 0);
    grid->addLayout(startRow, 3, 1, 1, 2);
    grid->addWidget(buttons, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    // The widgets write into the model as the user changes them; the model is what Add reads.
    connect(text_, &QLineEdit::textChanged, this, [this](const QString& text) { model_.text = fromQString(text); });
    connect(types_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) model_.selectedType = id;
    });
    connect(folder_, &QComboBox::currentTextChanged, this,
            [this](const QString& path) { model_.folder = fromQString(path); });
    connect(date_, &QDateEdit::dateChanged, this, [this](QDate d) {
        model_.datePicker = DvDateTime::FromFields(d.year(), d.month(), d.day());
    });
    connect(time_, &QTimeEdit::timeChanged, this, [this](QTime t) {
        // Only the time of day counts; the date part is any valid day.
        model_.timePicker = DvDateTime::FromFields(2000, 1, 1, t.hour(), t.minute(), t.second());
    });
    connect(quickTime_, &QToolButton::clicked, this, [this] { showQuickTimeMenu(); });
    connect(trayEntries_, &QToolButton::clicked, this, [this] { showTrayEntries(); });
    connect(add_, &QPushButton::clicked, this, [this] { add(); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { reject(); });
    connect(helpButton, &QPushButton::clicked, this, [this] { help(); });

    fillFolders();
    modelToWidgets();
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    timer_.start(kTickMs);
}

SmartBoxWindow::~SmartBoxWindow() = default;

void SmartBoxWindow::showBox() {
    fillFolders();
    model_.Shown();
    show();
    tick();
}

void SmartBoxWindow::reset() {
    model_.Reset();
    modelToWidgets();
    text_->setFocus(Qt::OtherFocusReason);
}

void SmartBoxWindow::add() {
    const DvSmartBoxAdded added = model_.Add(doc_);
    if (!added) return;  // the model beeped; the box and its text stay
    if (added.refreshContents)
        if (DvMainWindowPort* window = DvMainWindow()) window->RefreshContents(0);
    modelToWidgets();  // Add reset the model
    text_->setFocus(Qt::OtherFocusReason);
    hide();
}

void SmartBoxWindow::reject() { hide(); }

void SmartBoxWindow::tick() {
    if (model_.Tick()) {
        raise();
        activateWindow();
        text_->setFocus(Qt::ActiveWindowFocusReason);
    }
    if (QAbstractButton* button = types_->button(model_.selectedType); button && !button->isChecked())
        button->setChecked(true);
    const bool task = model_.PickersEnabled();
    const std::initializer_list<QWidget*> pickers{date_, time_, quickTime_};
    for (QWidget* picker : pickers)
        if (picker->isEnabled() != task) picker->setEnabled(task);
}

// The folder tree may have changed since the last showing; the chosen folder stays when it still
// exists.
void SmartBoxWindow::fillFolders() {
    QStringList paths{toQString(kDvRootPath)};
    {
        auto lock = doc_.Lock();
        addFolderPaths(doc_.root, paths);
    }
    const QString chosen = toQString(model_.folder);
    const QSignalBlocker block(folder_);
    folder_->clear();
    folder_->addItems(paths);
    const int index = folder_->findText(chosen, Qt::MatchFixedString);
    folder_->setCurrentIndex(index >= 0 ? index : 0);
    model_.folder = fromQString(folder_->currentText());
}

void SmartBoxWindow::modelToWidgets() {
    text_->setText(toQString(model_.text));
    if (QAbstractButton* button = types_->button(model_.selectedType)) button->setChecked(true);
    const int index = folder_->findText(toQString(model_.folder), Qt::MatchFixedString);
    folder_->setCurrentIndex(index >= 0 ? index : 0);
    // The pickers' signals would round the model's moments to what the widgets show.
    const DvDateTime date = model_.datePicker, time = model_.timePicker;
    date_->setDate(dateOf(date));
    time_->setTime(timeOf(time));
    model_.datePicker = date;
    model_.timePicker = time;
}

void SmartBoxWindow::showQuickTimeMenu() {
    const DvQuickTimeMenu quick;
    QMenu menu(this);
    for (const DvQuickTimeSubmenu& submenu : quick.Submenus()) {
        QMenu* sub = menu.addMenu(toQString(submenu.title));
        for (size_t i = 0; i < submenu.labels.size(); ++i)
            sub->addAction(toQString(submenu.labels[i]))->setData(submenu.firstEntry + static_cast<int>(i));
    }
    const QAction* picked = menu.exec(quickTime_->mapToGlobal(QPoint(0, quickTime_->height())));
    const DvQuickTimeChoice choice = quick.Choose(picked ? picked->data().toInt() : -1);
    if (!DvWriteQuickTimeChoice(choice, model_.datePicker, &model_.timePicker)) return;
    modelToWidgets();
}

QList<QAction*> SmartBoxWindow::trayEntries() const {
    QList<QAction*> entries;
    if (QMenu* tray = trayMenu_ ? trayMenu_() : nullptr)
        for (QAction* action : tray->actions())
            if (!leftOutOfTrayEntries(action)) entries << action;
    return entries;
}

void SmartBoxWindow::showTrayEntries() {
    QMenu menu(this);
    menu.addActions(trayEntries());
    if (menu.actions().isEmpty()) {
        dv::ui().Beep();
        return;
    }
    menu.exec(QCursor::pos());
}

void SmartBoxWindow::help() { dv::ui().OpenWithDefaultHandler(DvHelpTopicFile(CDvSmartBoxModel::kHelpTopic)); }
