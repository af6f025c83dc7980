#pragma once
// The main window: folder tree, the five tabs, the advisor line, the 100 ms heartbeat, the tray
// icon and the exit procedure.
#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "app/document_events.h"
#include "app/timer_duties.h"
#include "ops/main_window_port.h"

class QLabel;
class QSplitter;
class QSystemTrayIcon;
class QTabWidget;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;
class CDvDoc;
class CDvFolder;
class ItemListModel;
class ItemPanel;
class SmartBoxWindow;

class MainWindow final : public QMainWindow,
                         private DvTimerListener,
                         private DvDocumentEvents,
                         private DvMainWindowPort {
public:
    explicit MainWindow(CDvDoc& doc);
    ~MainWindow() override;

    /// Shows the window, or only the tray icon when the options ask to start minimised.
    void start();
    /// The exit procedure: layout and last document into the options, then close the document
    /// (saving unless told otherwise). Runs once, however the program ends.
    void exitProcedure();
    /// Offers a short text to the advisor line.
    void offerAdvisor(const QString& text);

    QString currentFolder() const;
    void refreshContents();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildFolderTree();
    void buildTabs();
    void buildItemPanel();
    void buildSmartBoxCommand();
    void requestSelectionChangedNotify();
    void buildMenus();
    void buildFileMenu();
    void buildItemMenu();
    void buildViewMenu();
    void buildTray();
    void rebuildFolderTree();
    void addFolderNode(QTreeWidgetItem* parent, const CDvFolder& folder);
    void selectFolder(const QString& path);
    void restoreLayout();
    void storeLayout();
    void hideToTray();
    void showFromTray();
    void exitProgram(bool save);

    // DvTimerListener
    void PeriodicRefresh() override;
    // DvDocumentEvents
    void DocumentSaving(CDvDoc& doc) override;
    // DvMainWindowPort
    void RebuildFolderTree() override { rebuildFolderTree(); }
    void SelectFolder(std::u16string_view path) override;
    void RefreshContents(int flags) override;

    CDvDoc& doc_;
    DvTimerDuties duties_;
    QTimer timer_;
    QSplitter* splitter_ = nullptr;
    QTreeWidget* folders_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLabel* advisor_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    struct ListTab {
        int itemType;
        QString name;
        ItemListModel* model;
        QTreeView* view;
    };
    std::vector<ListTab> lists_;
    bool exiting_ = false;
    bool exitWithoutSaving_ = false;
    bool exited_ = false;
    bool trayHintShown_ = false;
    ItemPanel* panel_ = nullptr;
    bool selectionChangedPending_ = false;  // "GA:SelectionChangedNotify" posted, not yet served
    SmartBoxWindow* smartBox_ = nullptr;
};
