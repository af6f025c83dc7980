#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <utility>

#include "app/database_session.h"
#include "app/database_switch.h"
#include "app/log.h"
#include "app/options.h"
#include "app/startup.h"
#include "core/doc.h"
#include "gui/advisor_pane.h"
#include "gui/column_manager_dialog.h"
#include "gui/item_command_menu.h"
#include "gui/item_editors.h"
#include "gui/general_tab.h"
#include "gui/item_list_model.h"
#include "gui/item_list_view.h"
#include "gui/item_properties_dialog.h"
#include "gui/program_icon.h"
#include "gui/database_properties_dialog.h"
#include "gui/folder_properties_dialog.h"
#include "gui/folder_tree.h"
#include "gui/new_database_dialog.h"
#include "gui/item_panel.h"
#include "gui/qt_ui.h"
#include "gui/smart_box_window.h"
#include "platform/locations.h"
#include "platform/text.h"
#include "ops/temporary_task_sweep.h"

namespace {

constexpr int kTickMs = 100;

struct TabSpec {
    int itemType;
    const char* name;
};
// The General tab shows the to-do list; the Schedule tab lists the tasks.
constexpr TabSpec kTabs[] = {{2, "General"}, {1, "Schedule"}, {2, "To Do"}, {3, "Notes"}, {4, "Contacts"}};

QString versionText() { return QStringLiteral("2.4"); }

// Builders of different areas may share a menu: the first one adds it.
QMenu* menuNamed(QMenuBar* bar, const QString& title) {
    for (QAction* action : bar->actions())
        if (action->menu() && action->text() == title) return action->menu();
    return bar->addMenu(title);
}

}  // namespace

MainWindow::MainWindow(CDvDoc& doc)
    : doc_(doc), duties_(*this, &doc), filter_(doc), contents_(doc, filter_, this) {
    setWindowTitle(QStringLiteral("Dayvault"));
    setWindowIcon(DvProgramIcon());
    splitter_ = new QSplitter(this);
    buildFolderTree();
    buildTabs();
    buildItemPanel();
    splitter_->setStretchFactor(1, 3);
    setCentralWidget(splitter_);
    advisor_ = new AdvisorPane;
    statusBar()->addWidget(advisor_, 1);
    buildMenus();
    buildNavigationBar();
    buildTray();
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { refreshContents(); });
    // A double click on a typed tab creates an item of its type.
    connect(tabs_, &QTabWidget::tabBarDoubleClicked, this, [this](int tab) {
        if (tab >= 1 && tab < static_cast<int>(lists_.size())) newItemOfType(lists_[static_cast<size_t>(tab)].itemType);
    });
    connect(&timer_, &QTimer::timeout, this, [this] { duties_.Tick(); });
    registerRequests();
    DvSetDocumentEvents(this);
    DvSetMainWindow(this);
}

void MainWindow::registerRequests() {
    requests_.SetPoster([this](std::function<void()> delivery) { QTimer::singleShot(0, this, std::move(delivery)); });
    requests_.Register(kDvRequestRefreshContents, [this] { refreshContents(); });
    requests_.Register(kDvRequestSelectionChanged, [this] { showSelectionInPanel(); });
    DvSetRequests(&requests_);
}

void MainWindow::buildFolderTree() {
    auto* pane = new QWidget(splitter_);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* newFolder = new QToolButton;
    newFolder->setText(QStringLiteral("New folder"));
    newFolder->setToolTip(QStringLiteral("Create a subfolder of the selected folder"));
    folders_ = new FolderTree(doc_);
    connect(newFolder, &QToolButton::clicked, folders_, &FolderTree::newFolder);
    layout->addWidget(newFolder, 0, Qt::AlignLeft);
    layout->addWidget(folders_, 1);
    folders_->setRefreshHook([this] { refreshContents(); });
    connect(folders_, &QTreeWidget::currentItemChanged, this, [this] { refreshContents(); });
}

void MainWindow::buildTabs() {
    tabs_ = new QTabWidget(splitter_);
    // The General and To Do tabs both show the to-do list; Schedule lists the tasks in list mode.
    CDvItemListCtrlModel* const lists[] = {&contents_.ToDoList(), &contents_.TasksList(), &contents_.ToDoList(),
                                           &contents_.NotesList(), &contents_.ContactsList()};
    for (int tab = 0; tab < static_cast<int>(std::size(kTabs)); ++tab) {
        const TabSpec& spec = kTabs[tab];
        auto* model = new ItemListModel(*lists[tab], this);
        auto* view = new ItemListView(model);
        view->onSorted = [this](const QString& hint) {
            if (!hint.isEmpty()) offerAdvisor(hint);
        };
        view->onItemMenu = [this, view](const QPoint& at) {
            if (itemCommands_) itemCommands_->showContextMenu(*view, at);
        };
        view->onHeaderMenu = [this, tab](const QPoint& at) {
            QMenu menu;
            menu.addAction(QStringLiteral("&Fields manager"), this,
                           [this, tab] { DvOpenColumnManager(this, doc_, currentFolder(), tab, true); });
            menu.exec(at);
        };
        connect(view, &QAbstractItemView::doubleClicked, this, [this, model](const QModelIndex& index) {
            if (index.isValid()) OpenItemEditor(fromQString(model->guidAt(index.row())));
        });
        view->onEmptyDoubleClick = [this, type = spec.itemType] { newItemOfType(type); };
        QWidget* page = view;
        if (tab == 0) {  // the General tab: the agenda beside the to-do list
            general_ = new GeneralTab(doc_, view);
            general_->agenda().filter = [this](const CDvItem& item) { return filter_.ItemPassesFilter(item); };
            connect(general_, &GeneralTab::editItemRequested, this,
                    [this](const QString& guid) { OpenItemEditor(fromQString(guid)); });
            connect(general_, &GeneralTab::addItemRequested, this, [this](int day) { newTaskOn(day); });
            page = general_;
        }
        tabs_->addTab(page, QString::fromLatin1(spec.name));
        lists_.push_back({spec.itemType, QString::fromLatin1(spec.name), model, view});
    }
}

ItemListView* MainWindow::currentList() const {
    const int tab = tabs_->currentIndex();
    return tab >= 0 && tab < static_cast<int>(lists_.size()) ? dynamic_cast<ItemListView*>(lists_[static_cast<size_t>(tab)].view)
                                                              : nullptr;
}

void MainWindow::RefreshCalendar() { contents_.TasksList().Fill(contents_.CurrentFolder()); }

void MainWindow::ShowItemProperties(const std::vector<std::u16string>& guids) {
    QStringList list;
    for (const auto& guid : guids) list << toQString(guid);
    DvShowItemProperties(this, doc_, list, currentFolder());
}

// The item's own tab shows it, in its first folder.
void MainWindow::LocateItem(std::u16string_view folderPath, std::u16string_view guid) {
    int type = 0;
    {
        auto lock = doc_.Lock();
        if (const CDvItem* item = doc_.FindItemByGuid(guid)) type = item->itemType;
    }
    selectFolder(toQString(folderPath));
    if (type >= 1 && type < tabs_->count()) tabs_->setCurrentIndex(type);
    refreshContents();
    if (ItemListView* list = currentList()) list->selectGuid(toQString(guid));
}

// The selected item of the current view, in the panel beside the lists.
void MainWindow::buildItemPanel() {
    panel_ = new ItemPanel(doc_, splitter_);
    // Sizes restored for the first two panes must not squeeze the panel out of sight.
    splitter_->setCollapsible(splitter_->indexOf(panel_), false);
    splitter_->setStretchFactor(splitter_->indexOf(panel_), 2);
    for (const ListTab& tab : lists_)
        connect(tab.view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this] { requestSelectionChangedNotify(); });
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { requestSelectionChangedNotify(); });
}

// "GA:SelectionChangedNotify" is posted, so a burst of row changes shows one item, once.
void MainWindow::requestSelectionChangedNotify() {
    if (std::exchange(selectionChangedPending_, true)) return;
    requests_.Request(kDvRequestSelectionChanged, DvRequestMode::Post);
}

void MainWindow::showSelectionInPanel() {
    selectionChangedPending_ = false;
    const ItemListView* list = currentList();
    const QString guid = list ? list->listModel()->guidAt(list->currentIndex().row()) : QString();
    const bool contacts = list && lists_[static_cast<size_t>(tabs_->currentIndex())].itemType == DV_ITEM_CONTACT;
    panel_->setEditValuesAvailable(contacts && !guid.isEmpty());
    panel_->setShowValuesAvailable(contacts && !guid.isEmpty());
    panel_->displayItem(guid);
}

MainWindow::~MainWindow() {
    exitProcedure();
    // The lists' models read the view contents, which go before the widgets do.
    for (ListTab& list : lists_) list.view->setModel(nullptr);
    DvSetMainWindow(nullptr);
    DvSetDocumentEvents(nullptr);
    DvSetRequests(nullptr);
}

void MainWindow::buildMenus() {
    buildFileMenu();
    buildItemMenu();
    buildViewMenu();
    buildNewItemCommands();
    buildSmartBoxCommand();
    buildHelpMenu();
}

// "SmartBox": one quick-entry window, made on first use, then shown and hidden.
void MainWindow::buildSmartBoxCommand() {
    QAction* action = menuNamed(menuBar(), QStringLiteral("&Tools"))->addAction(QStringLiteral("SmartBox"));
    action->setObjectName(QStringLiteral("SmartBox"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Space));
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, [this] {
        if (!smartBox_) {
            smartBox_ = new SmartBoxWindow(doc_, this);
            smartBox_->setTrayMenu([this] { return tray_ ? tray_->contextMenu() : nullptr; });
        }
        smartBox_->showBox();
    });
}

void MainWindow::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    connect(file->addAction(QStringLiteral("&New database")), &QAction::triggered, this, [this] {
        NewDatabaseDialog dialog(this);
        if (dialog.exec() == QDialog::Accepted) databaseSwitched();
    });
    connect(file->addAction(QStringLiteral("&Open database")), &QAction::triggered, this, [this] {
        if (DvOpenDatabaseCommand(doc_)) databaseSwitched();
    });
    connect(file->addAction(QStringLiteral("Database &Properties")), &QAction::triggered, this, [this] {
        DatabasePropertiesDialog(doc_, this).exec();
    });
    file->addSeparator();
    QAction* save = file->addAction(QStringLiteral("&Save now"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] {
        SaveDocument(&doc_);
        offerAdvisor(QStringLiteral("Please note, that you don't have to manually save anything - the database is "
                                    "automatically saved from time to time."));
    });
    file->addSeparator();
    QAction* quitWithoutSaving = file->addAction(QStringLiteral("Exit without saving"));
    connect(quitWithoutSaving, &QAction::triggered, this, [this] {
        if (dv::ui().Ask(u"Are you absolutely sure you want to exit without saving the database?",
                         dv::Buttons::YesNo) == dv::Answer::Yes)
            exitProgram(false);
    });
    QAction* quit = file->addAction(QStringLiteral("E&xit"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, [this] {
        DV_SCOPE_TRACE(u"OnFileExit");
        exitProgram(true);
    });
}

// Commands on items: editing, deleting, converting, copying, undo.
void MainWindow::buildItemMenu() {
    itemCommands_ = new ItemCommandMenu(doc_, this, {[this] { return currentList(); }, [this] { return currentFolder(); },
                                                     [this] { return folders_->hasFocus(); }});
    itemCommands_->fillEditMenu(menuBar()->addMenu(QStringLiteral("&Edit")));
}

// Panes, filter and search.
void MainWindow::buildViewMenu() {
    buildFilterPane();
    buildQuickSearch();
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    QAction* filter = view->addAction(QStringLiteral("Toogle &Live filter visibility"));
    connect(filter, &QAction::triggered, this, [this] { togglePane(kPaneLiveFilter); });
    QAction* calendar = view->addAction(QStringLiteral("Toogle &Calendar visibility"));
    connect(calendar, &QAction::triggered, this, [this] { togglePane(kPaneCalendar); });
    view->addSeparator();
    QAction* search = view->addAction(QStringLiteral("&Search..."));
    connect(search, &QAction::triggered, this, [this] { openSearchTool(); });
    applyVisiblePanes();
}

// "Up", "Home", "&Refresh" and "Hide compl." above the panes.
void MainWindow::buildNavigationBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("navigation"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* up = bar->addAction(style()->standardIcon(QStyle::SP_FileDialogToParent), QStringLiteral("Up"));
    up->setToolTip(QStringLiteral("The parent of the current folder (Alt+Up)"));
    up->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
    connect(up, &QAction::triggered, this, [this] {
        const QString folder = currentFolder();
        const qsizetype cut = folder.lastIndexOf(QLatin1Char('\\'));
        if (cut > 0) selectFolder(folder.left(cut));
        else selectFolder(QStringLiteral("\\"));
    });
    QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Home"));
    home->setToolTip(QStringLiteral("The root folder and the General tab (Alt+Home)"));
    home->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    connect(home, &QAction::triggered, this, [this] {
        selectFolder(QStringLiteral("\\"));
        tabs_->setCurrentIndex(0);
        refreshContents();
    });
    QAction* refresh = bar->addAction(style()->standardIcon(QStyle::SP_BrowserReload), QStringLiteral("&Refresh"));
    refresh->setShortcut(QKeySequence::Refresh);
    connect(refresh, &QAction::triggered, this, [this] {
        rebuildFolderTree();
        refreshContents();
    });
    bar->addSeparator();
    QAction* hide = bar->addAction(QStringLiteral("Hide compl."));
    hide->setCheckable(true);
    hide->setToolTip(QStringLiteral("Hide completed tasks / todo(s)"));
    connect(hide, &QAction::toggled, this, [this](bool on) {
        contents_.SetHideCompleted(on);
        DvRequestMainWindow(kDvRequestRefreshContents, DvRequestMode::Post);
    });
}

void MainWindow::buildHelpMenu() {
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* advisor = help->addAction(QStringLiteral("Show the &advisor"));
    advisor->setCheckable(true);
    advisor->setChecked(!advisor_->isHidden());
    connect(advisor, &QAction::toggled, advisor_, &AdvisorPane::setShown);
    connect(advisor_, &AdvisorPane::shownChanged, advisor, &QAction::setChecked);
    help->addSeparator();
    connect(help->addAction(QStringLiteral("&About Dayvault")), &QAction::triggered, this, [this] {
        QMessageBox::about(this, QStringLiteral("About Dayvault"),
                           QStringLiteral("<b>Dayvault</b> %1<br>Tasks, to-dos, notes and contacts in one database.")
                               .arg(versionText()));
    });
}

void MainWindow::newItemOfType(int type, bool temporary) {
    if (type == 0) {
        QApplication::beep();
        return;
    }
    DvOpenNewItemDlg(this, doc_, type, fromQString(currentFolder()), false, temporary);
    refreshContents();
}

// Creating items and opening the selected one, each in the editor of its type.
void MainWindow::buildNewItemCommands() {
    QMenu* menu = nullptr;
    for (QAction* action : menuBar()->actions())
        if (action->menu() && action->text() == QStringLiteral("&Item")) menu = action->menu();
    if (!menu) menu = menuBar()->addMenu(QStringLiteral("&Item"));
    const auto newItem = [this](int type, bool temporary) { newItemOfType(type, temporary); };
    QAction* any = menu->addAction(QStringLiteral("&New Item"));
    any->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(any, &QAction::triggered, this, [this, newItem] {
        // The lists' tabs: General and Schedule make tasks, the others their own type.
        const int tab = tabs_->currentIndex();
        newItem(tab <= 1 ? DV_ITEM_TASK : tab < static_cast<int>(lists_.size()) ? lists_[static_cast<size_t>(tab)].itemType : 0,
                false);
    });
    const struct {
        const char* text;
        int type;
        bool temporary;
    } kinds[] = {{"New &Task", DV_ITEM_TASK, false},     {"New To &Do", DV_ITEM_TODO, false},
                 {"New &Note", DV_ITEM_NOTE, false},     {"New &Contact", DV_ITEM_CONTACT, false},
                 {"New temporary Task", DV_ITEM_TASK, true}};
    for (const auto& kind : kinds)
        connect(menu->addAction(QString::fromLatin1(kind.text)), &QAction::triggered, this,
                [newItem, type = kind.type, temporary = kind.temporary] { newItem(type, temporary); });
    // Enter on a list opens its current item, as "&Edit" in the Edit menu does.
    for (const ListTab& list : lists_) {
        auto* enter = new QAction(list.view);
        enter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
        enter->setShortcutContext(Qt::WidgetShortcut);
        list.view->addAction(enter);
        connect(enter, &QAction::triggered, itemCommands_, &ItemCommandMenu::edit);
    }
}

// "add..." under a day of the agenda: a new task on that day, in the current folder.
void MainWindow::newTaskOn(int day) {
    const std::unique_ptr<CDvItem> task = general_->agenda().NewTaskOn(day);
    if (!task) return;
    DvOpenEditItemDlg(this, doc_, *task, fromQString(currentFolder()), 0, false);
    refreshContents();
}

void MainWindow::OpenItemEditor(std::u16string_view guid) {
    DvOpenEditItemDlg(this, doc_, guid, false);
    refreshContents();
}

void MainWindow::buildTray() {
    // Made even when no tray is there yet: an autostarted program may start before the panel.
    tray_ = new QSystemTrayIcon(DvProgramIcon(), this);
    tray_->setToolTip(QStringLiteral("Dayvault v.") + versionText());
    trayMenu_ = new QMenu(QStringLiteral("Tray menu"), this);
    connect(trayMenu_->addAction(QStringLiteral("Show Dayvault")), &QAction::triggered, this, [this] { showFromTray(); });
    trayMenu_->addSeparator();
    const std::pair<const char*, int> newEntries[] = {
        {"New Task", DV_ITEM_TASK}, {"New To do", DV_ITEM_TODO}, {"New Note", DV_ITEM_NOTE}, {"New contact", DV_ITEM_CONTACT}};
    for (const auto& [text, type] : newEntries)
        connect(trayMenu_->addAction(QString::fromLatin1(text)), &QAction::triggered, this,
                [this, type = type] { newItemOfType(type); });
    trayMenu_->addSeparator();
    // The reminder windows take this request once they exist.
    trayMenu_->addAction(QStringLiteral("Minimize all reminders"));
    trayMenu_->addSeparator();
    connect(trayMenu_->addAction(QStringLiteral("Exit")), &QAction::triggered, this, [this] {
        DV_SCOPE_TRACE(u"OnFileExit");
        exitProgram(true);
    });
    tray_->setContextMenu(trayMenu_);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) showFromTray();
    });
}

bool MainWindow::trayAvailable() const { return trayCheck_ ? trayCheck_() : QSystemTrayIcon::isSystemTrayAvailable(); }

void MainWindow::start() {
    QString welcome = QStringLiteral("Welcome to Dayvault.");
    if (IsPortable()) welcome += QStringLiteral("\r\nInformation: portable mode is on");
    offerAdvisor(welcome);  // dropped when the user keeps the advisor hidden
    DvSweepExpiredTemporaryTasks(doc_);
    rebuildFolderTree();
    selectFolder(toQString(doc_.vars.GetText(u"dv_recent_folder")));
    refreshContents();
    if (ItemListView* list = currentList()) list->selectGuid(toQString(doc_.vars.GetText(u"dv_recent_item")));
    timer_.start(kTickMs);
    tray_->show();
    restoreLayout();
    if (const CDvVar* panes = doc_.vars.Get(u"dv_recent_visiblewins")) visiblePanes_ = static_cast<int>(panes->AsInt64());
    applyVisiblePanes();
    if (GetOptions(true).GetBool(kDvOptStartMinimized, false)) {
        if (trayAvailable()) return;  // hidden in the tray from the start
        showMinimized();             // nowhere to hide: at least on the task bar
        return;
    }
    show();
}

void MainWindow::offerAdvisor(const QString& text) { advisor_->offer(text); }

void MainWindow::rebuildFolderTree() { folders_->rebuild(); }

void MainWindow::selectFolder(const QString& path) { folders_->selectPath(path); }

QString MainWindow::currentFolder() const { return folders_->currentPath(); }

void MainWindow::databaseSwitched() {
    {
        const QSignalBlocker once(folders_);  // one refresh below, not one per step
        folders_->rebuild(true);
        selectFolder(toQString(doc_.vars.GetText(u"dv_recent_folder")));
    }
    refreshContents();
}

void MainWindow::refreshContents(unsigned flags) {
    if (panel_) panel_->saveBack();
    const QString folder = currentFolder().isEmpty() ? QStringLiteral("\\") : currentFolder();
    contents_.SetCurrentFolder(fromQString(folder));
    contents_.SetTabItemType(tabs_->currentIndex() < 0 ? kDvNoTab : tabs_->currentIndex());
    contents_.RefreshContents(flags);
    refreshFinding(folder, flags);
    // The lists whose rows the refresh filled (General and To Do share one) show them now.
    if (const ItemListView* shown = currentList())
        for (ListTab& list : lists_)
            if (&list.model->list() == &shown->listModel()->list()) list.model->reload();
    setWindowTitle(QStringLiteral("Dayvault - %1").arg(QString::fromStdString(doc_.mainFilePath.string())));
}

void MainWindow::TabCaptionsChanged() {
    for (int tab = 0; tab < tabs_->count(); ++tab) tabs_->setTabText(tab, toQString(contents_.TabCaption(tab)));
}

void MainWindow::RefillAgenda() {
    general_->agenda().folder = contents_.CurrentFolder();
    general_->rebuild();
}

void MainWindow::SelectFolder(std::u16string_view path) { selectFolder(toQString(path)); }

void MainWindow::RefreshContents(int flags) { refreshContents(static_cast<unsigned>(flags)); }

void MainWindow::ShowTreeHint(std::u16string_view text) { folders_->showHint(toQString(text)); }

void MainWindow::OpenFolderProperties(std::u16string_view folderGuid) {
    const FolderPropertiesDialog::ManageFields manageFields = [this](const QString& path, int type) {
        DvOpenColumnManager(this, doc_, path, type);
    };
    FolderPropertiesDialog(doc_, toQString(folderGuid), manageFields, this).exec();
}

void MainWindow::PeriodicRefresh() {
    DvSweepExpiredTemporaryTasks(doc_);
    rebuildFolderTree();
    refreshContents();
}

void MainWindow::DocumentSaving(CDvDoc& doc) {
    doc.vars.SetText(u"dv_recent_folder", fromQString(currentFolder()));
    const ItemListView* list = currentList();
    doc.vars.SetText(u"dv_recent_item",
                     list ? fromQString(list->listModel()->guidAt(list->currentIndex().row())) : std::u16string());
    doc.vars.Set(u"dv_recent_visiblewins", CDvVar::FromInt64(visiblePanes_));
}

void MainWindow::restoreLayout() {
    CDvOptions& options = GetOptions(true);
    resize(1100, 700);
    if (const auto rect = options.GetRect(kDvOptMainWindowRect)) {
        const QRect stored(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
        // A rectangle from a screen that is no longer attached would open the window out of reach.
        const QScreen* screen = QGuiApplication::screenAt(stored.center());
        if (stored.width() > 200 && stored.height() > 150 && screen)
            setGeometry(stored.intersected(screen->availableGeometry()));
    }
    // Folders on the left, the item panel on the right, the lists get the rest (at least a third).
    const int total = std::max(width(), 600);
    int left = options.GetInt(kDvOptListFrameLeft, -1);
    if (left <= 0) left = 240;
    left = std::min(left, total / 3);
    const int panel = std::min(340, total / 3);
    splitter_->setSizes({left, total - left - panel, panel});
}

void MainWindow::storeLayout() {
    CDvOptions& options = GetOptions(true);
    const QRect g = geometry();
    options.SetRect(kDvOptMainWindowRect, {g.left(), g.top(), g.right() + 1, g.bottom() + 1});
    options.SetInt(kDvOptListFrameLeft, splitter_->sizes().value(0));
    std::filesystem::path last = doc_.mainFilePath;
    if (IsPortable()) {  // a portable installation may move with its folder
        const std::filesystem::path relative = last.lexically_relative(dv::programFolder());
        if (!relative.empty() && *relative.begin() != "..") last = relative;
    }
    if (!last.empty()) options.SetString(kDvOptLastOpenDocMainFile, dv::fromUtf8(last.string()));
}

void MainWindow::exitProcedure() {
    if (exited_) return;
    exited_ = true;
    DV_SCOPE_TRACE(u"ExitProcedure");
    timer_.stop();
    storeLayout();
    if (panel_ && !exitWithoutSaving_) panel_->saveBack();
    CloseDocument(!exitWithoutSaving_, &doc_);
    GetOptions(true).SaveOptions();
    tray_->hide();
}

void MainWindow::exitProgram(bool save) {
    exitWithoutSaving_ = !save;
    exiting_ = true;
    exitProcedure();
    QApplication::quit();
}

void MainWindow::hideToTray() {
    hide();
    if (trayHintShown_ || GetOptions(true).GetInt(kDvOptUsageCount, 0) > 4) return;
    trayHintShown_ = true;
    tray_->showMessage(QStringLiteral("Dayvault"), QStringLiteral("Hey, I'm here, click the icon to restore the main window"),
                       QSystemTrayIcon::Information, 2000);
}

void MainWindow::showFromTray() {
    showNormal();
    raise();
    activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Without a tray there is nowhere to hide: closing then ends the program properly.
    if (exiting_ || !trayAvailable()) {
        exitProcedure();
        event->accept();
        QApplication::quit();
        return;
    }
    event->ignore();
    hideToTray();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && trayAvailable())
        QTimer::singleShot(0, this, [this] { hideToTray(); });
}
