#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTreeView>
#include <QTreeWidget>
#include <utility>

#include "app/database_session.h"
#include "app/log.h"
#include "app/options.h"
#include "app/startup.h"
#include "core/doc.h"
#include "gui/item_list_model.h"
#include "gui/item_panel.h"
#include "gui/qt_ui.h"
#include "gui/smart_box_window.h"
#include "platform/locations.h"
#include "platform/text.h"
#include "ops/temporary_task_sweep.h"

namespace {

constexpr int kTickMs = 100;
constexpr int kPathRole = Qt::UserRole + 1;

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

MainWindow::MainWindow(CDvDoc& doc) : doc_(doc), duties_(*this, &doc) {
    setWindowTitle(QStringLiteral("Dayvault"));
    splitter_ = new QSplitter(this);
    buildFolderTree();
    buildTabs();
    buildItemPanel();
    splitter_->setStretchFactor(1, 3);
    setCentralWidget(splitter_);
    advisor_ = new QLabel;
    statusBar()->addWidget(advisor_, 1);
    buildMenus();
    buildTray();
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { refreshContents(); });
    connect(&timer_, &QTimer::timeout, this, [this] { duties_.Tick(); });
    DvSetDocumentEvents(this);
    DvSetMainWindow(this);
}

void MainWindow::buildFolderTree() {
    folders_ = new QTreeWidget(splitter_);
    folders_->setHeaderHidden(true);
    connect(folders_, &QTreeWidget::currentItemChanged, this, [this] { refreshContents(); });
}

void MainWindow::buildTabs() {
    tabs_ = new QTabWidget(splitter_);
    for (const TabSpec& spec : kTabs) {
        auto* model = new ItemListModel(doc_, spec.itemType, this);
        auto* view = new QTreeView;
        view->setRootIsDecorated(false);
        view->setModel(model);
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->header()->setStretchLastSection(true);
        tabs_->addTab(view, QString::fromLatin1(spec.name));
        lists_.push_back({spec.itemType, QString::fromLatin1(spec.name), model, view});
    }
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
    QTimer::singleShot(0, this, [this] {
        selectionChangedPending_ = false;
        QString guid;
        bool contacts = false;
        for (const ListTab& tab : lists_)
            if (tab.view == tabs_->currentWidget()) {
                guid = tab.model->guidAt(tab.view->currentIndex().row());
                contacts = tab.itemType == DV_ITEM_CONTACT;
            }
        panel_->setEditValuesAvailable(contacts && !guid.isEmpty());
        panel_->setShowValuesAvailable(contacts && !guid.isEmpty());
        panel_->displayItem(guid);
    });
}

MainWindow::~MainWindow() {
    exitProcedure();
    DvSetMainWindow(nullptr);
    DvSetDocumentEvents(nullptr);
}

void MainWindow::buildMenus() {
    buildFileMenu();
    buildItemMenu();
    buildViewMenu();
    buildSmartBoxCommand();
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
    QAction* save = file->addAction(QStringLiteral("&Save now"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] {
        if (SaveDocument(&doc_)) offerAdvisor(QStringLiteral("Saved."));
    });
    file->addSeparator();
    QAction* quitWithoutSaving = file->addAction(QStringLiteral("Exit without saving"));
    connect(quitWithoutSaving, &QAction::triggered, this, [this] { exitProgram(false); });
    QAction* quit = file->addAction(QStringLiteral("E&xit"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, [this] {
        DV_SCOPE_TRACE(u"OnFileExit");
        exitProgram(true);
    });
}

// Commands on items: creating, editing, deleting, copying.
void MainWindow::buildItemMenu() {}

// Panes, filter and search.
void MainWindow::buildViewMenu() {}

void MainWindow::buildTray() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
    tray_ = new QSystemTrayIcon(QApplication::windowIcon(), this);
    tray_->setToolTip(QStringLiteral("Dayvault v.") + versionText());
    auto* menu = new QMenu(this);
    connect(menu->addAction(QStringLiteral("Show Dayvault")), &QAction::triggered, this, [this] { showFromTray(); });
    menu->addSeparator();
    connect(menu->addAction(QStringLiteral("Exit")), &QAction::triggered, this, [this] { exitProgram(true); });
    tray_->setContextMenu(menu);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) showFromTray();
    });
}

void MainWindow::start() {
    if (!GetOptions(true).GetBool(kDvOptDontShowAdvisor, false)) {
        QString welcome = QStringLiteral("Welcome to Dayvault.");
        if (IsPortable()) welcome += QStringLiteral("\nInformation: portable mode is on");
        offerAdvisor(welcome);
    }
    DvSweepExpiredTemporaryTasks(doc_);
    rebuildFolderTree();
    selectFolder(toQString(doc_.vars.GetText(u"dv_recent_folder")));
    timer_.start(kTickMs);
    if (tray_) tray_->show();
    restoreLayout();
    if (tray_ && GetOptions(true).GetBool(kDvOptStartMinimized, false)) return;
    show();
}

void MainWindow::offerAdvisor(const QString& text) { advisor_->setText(QString(text).replace('\n', QStringLiteral("  "))); }

void MainWindow::rebuildFolderTree() {
    const QString keep = currentFolder();
    folders_->clear();
    {
        auto lock = doc_.Lock();
        addFolderNode(nullptr, doc_.root);
    }
    folders_->expandToDepth(0);
    selectFolder(keep);
}

void MainWindow::addFolderNode(QTreeWidgetItem* parent, const CDvFolder& folder) {
    auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(folders_);
    node->setText(0, toQString(folder.title));
    node->setData(0, kPathRole, toQString(FolderPath(&folder)));
    for (const auto& child : folder.Children()) addFolderNode(node, *child);
}

void MainWindow::selectFolder(const QString& path) {
    const QString wanted = path.isEmpty() ? QStringLiteral("\\") : path;
    QTreeWidgetItemIterator it(folders_);
    for (; *it; ++it)
        if ((*it)->data(0, kPathRole).toString().compare(wanted, Qt::CaseInsensitive) == 0) {
            folders_->setCurrentItem(*it);
            return;
        }
    if (folders_->topLevelItemCount()) folders_->setCurrentItem(folders_->topLevelItem(0));
}

QString MainWindow::currentFolder() const {
    const QTreeWidgetItem* item = folders_->currentItem();
    return item ? item->data(0, kPathRole).toString() : QString();
}

void MainWindow::refreshContents() {
    if (panel_) panel_->saveBack();
    const QString folder = currentFolder().isEmpty() ? QStringLiteral("\\") : currentFolder();
    for (size_t i = 0; i < lists_.size(); ++i) {
        const int count = lists_[i].model->refill(folder);
        if (i > 0) tabs_->setTabText(static_cast<int>(i), QStringLiteral("%1 (%2)").arg(lists_[i].name).arg(count));
    }
    setWindowTitle(QStringLiteral("Dayvault - %1").arg(QString::fromStdString(doc_.mainFilePath.string())));
}

void MainWindow::SelectFolder(std::u16string_view path) { selectFolder(toQString(path)); }

void MainWindow::RefreshContents(int) { refreshContents(); }

void MainWindow::PeriodicRefresh() {
    DvSweepExpiredTemporaryTasks(doc_);
    rebuildFolderTree();
    refreshContents();
}

void MainWindow::DocumentSaving(CDvDoc& doc) {
    doc.vars.SetText(u"dv_recent_folder", fromQString(currentFolder()));
    const auto* list = static_cast<const QTreeView*>(tabs_->currentWidget());
    const auto& tab = lists_[static_cast<size_t>(std::max(0, tabs_->currentIndex()))];
    doc.vars.SetText(u"dv_recent_item", fromQString(tab.model->guidAt(list ? list->currentIndex().row() : -1)));
    doc.vars.Set(u"dv_recent_visiblewins", CDvVar::FromInt64(0));
}

void MainWindow::restoreLayout() {
    CDvOptions& options = GetOptions(true);
    resize(1000, 650);
    if (const auto rect = options.GetRect(kDvOptMainWindowRect))
        setGeometry(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    const int left = options.GetInt(kDvOptListFrameLeft, -1);
    if (left > 0) splitter_->setSizes({left, std::max(100, width() - left)});
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
    if (tray_) tray_->hide();
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
    if (exiting_ || !tray_) {
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
    if (event->type() == QEvent::WindowStateChange && isMinimized() && tray_)
        QTimer::singleShot(0, this, [this] { hideToTray(); });
}
