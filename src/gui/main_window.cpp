#include "gui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/database_session.h"
#include "app/database_switch.h"
#include "app/log.h"
#include "app/options.h"
#include "app/startup.h"
#include "core/doc.h"
#include "gui/database_properties_dialog.h"
#include "gui/folder_properties_dialog.h"
#include "gui/folder_tree.h"
#include "gui/item_list_model.h"
#include "gui/new_database_dialog.h"
#include "gui/qt_ui.h"
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

}  // namespace

MainWindow::MainWindow(CDvDoc& doc)
    : doc_(doc), duties_(*this, &doc), filter_(doc), contents_(doc, filter_, this) {
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

// The item panel beside the lists comes with the editors.
void MainWindow::buildItemPanel() {}

MainWindow::~MainWindow() {
    exitProcedure();
    DvSetMainWindow(nullptr);
    DvSetDocumentEvents(nullptr);
}

void MainWindow::buildMenus() {
    buildFileMenu();
    buildItemMenu();
    buildViewMenu();
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
    const QString folder = currentFolder().isEmpty() ? QStringLiteral("\\") : currentFolder();
    contents_.SetCurrentFolder(fromQString(folder));
    contents_.SetTabItemType(tabs_->currentIndex() < 0 ? kDvNoTab : tabs_->currentIndex());
    contents_.RefreshContents(flags);
    for (ListTab& list : lists_) list.model->refill(folder);
    setWindowTitle(QStringLiteral("Dayvault - %1").arg(QString::fromStdString(doc_.mainFilePath.string())));
}

void MainWindow::TabCaptionsChanged() {
    for (int tab = 0; tab < tabs_->count(); ++tab) tabs_->setTabText(tab, toQString(contents_.TabCaption(tab)));
}

void MainWindow::SelectFolder(std::u16string_view path) { selectFolder(toQString(path)); }

void MainWindow::RefreshContents(int flags) { refreshContents(static_cast<unsigned>(flags)); }

void MainWindow::ShowTreeHint(std::u16string_view text) { folders_->showHint(toQString(text)); }

void MainWindow::OpenFolderProperties(std::u16string_view folderGuid) {
    // The column manager comes with its own branch; until it is wired here the button stays hidden.
    const FolderPropertiesDialog::ManageFields manageFields = nullptr;
    FolderPropertiesDialog(doc_, toQString(folderGuid), manageFields, this).exec();
}

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
