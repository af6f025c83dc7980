#pragma once
// The main window: folder tree, the five tabs, the advisor line, the 100 ms heartbeat, the tray
// icon and the exit procedure.
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/document_events.h"
#include "app/main_window_requests.h"
#include "app/timer_duties.h"
#include "ops/main_window_port.h"
#include "views/live_filter.h"
#include "views/view_contents.h"

class AdvisorPane;
class QMenu;
class QSplitter;
class QSystemTrayIcon;
class QTabWidget;
class QTreeView;
class CDvDoc;
class CDvFolder;
class ItemCommandMenu;
class FolderTree;
class ItemListModel;
class ItemListView;
class FilterPane;
class GeneralTab;
class QuickSearchBox;
class SearchToolDialog;
class ItemPanel;
class SmartBoxWindow;

class MainWindow final : public QMainWindow,
                         private DvTimerListener,
                         private DvDocumentEvents,
                         private DvMainWindowPort,
                         private DvViewContentsListener {
public:
    explicit MainWindow(CDvDoc& doc);
    ~MainWindow() override;

    /// Shows the window, or only the tray icon when the options ask to start minimised.
    void start();
    /// The exit procedure: layout and last document into the options, then close the document
    /// (saving unless told otherwise). Runs once, however the program ends.
    void exitProcedure();
    /// "Exit without saving": the exit procedure leaving the file as it was last saved.
    void exitWithoutSaving() { exitProgram(false); }
    /// Whether closing and minimising hide to the tray; by default whether the desktop has a
    /// tray at that moment.
    void setTrayCheck(std::function<bool()> check) { trayCheck_ = std::move(check); }
    /// Offers a short text to the advisor line.
    void offerAdvisor(const QString& text);

    QString currentFolder() const;
    /// Refills the selected tab and the captions; `flags` as CDvViewContents::RefreshContents.
    void refreshContents(unsigned flags = 0);

    /// The panes the user can hide, as bits of `dv_recent_visiblewins`.
    static constexpr int kPaneLiveFilter = 1;
    static constexpr int kPaneCalendar = 2;
    int visiblePanes() const { return visiblePanes_; }
    /// Flips a pane's bit and shows or hides it.
    void togglePane(int pane);
    /// Switches to the list of the item's type and selects it there, widening the folder to the
    /// root when the current folder does not hold it. False when the item is gone.
    bool selectItemInList(const QString& guid);
    /// "&Search...": the search tool on the current folder and tab.
    SearchToolDialog* openSearchTool();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildFolderTree();
    void buildTabs();
    void buildItemPanel();
    void buildSmartBoxCommand();
    void requestSelectionChangedNotify();
    void showSelectionInPanel();
    void buildMenus();
    void buildFileMenu();
    void buildItemMenu();
    void buildViewMenu();
    void buildHelpMenu();
    void buildNavigationBar();
    void registerRequests();
    void buildNewItemCommands();
    /// Opens the editor of a new item of `type` in the current folder; beeps for type 0.
    void newItemOfType(int type, bool temporary = false);
    /// A new task on day `day` of the agenda page, in the editor.
    void newTaskOn(int day);
    void buildFilterPane();
    void buildQuickSearch();
    void applyVisiblePanes();
    /// The filter pane's keywords and the quick search's scope after a refresh.
    void refreshFinding(const QString& folder, unsigned flags);
    void buildTray();
    void rebuildFolderTree();
    void selectFolder(const QString& path);
    /// After another database was opened into the document: its tree, recent folder and view.
    void databaseSwitched();
    void restoreLayout();
    void storeLayout();
    void hideToTray();
    bool trayAvailable() const;
    void showFromTray();
    void exitProgram(bool save);

    // DvTimerListener
    void PeriodicRefresh() override;
    // DvDocumentEvents
    void DocumentSaving(CDvDoc& doc) override;
    // DvViewContentsListener
    void TabCaptionsChanged() override;
    void RefreshCalendar() override;
    void RefillAgenda() override;
    // DvMainWindowPort
    void RebuildFolderTree() override { rebuildFolderTree(); }
    void SelectFolder(std::u16string_view path) override;
    void RefreshContents(int flags) override;
    void ShowItemProperties(const std::vector<std::u16string>& guids) override;
    void LocateItem(std::u16string_view folderPath, std::u16string_view guid) override;

    /// The list of the selected tab, or nullptr.
    ItemListView* currentList() const;
    void ShowTreeHint(std::u16string_view text) override;
    void OpenFolderProperties(std::u16string_view folderGuid) override;
    void OpenItemEditor(std::u16string_view guid) override;

    CDvDoc& doc_;
    DvTimerDuties duties_;
    CDvLiveFilter filter_;
    CDvViewContents contents_;
    DvMainWindowRequests requests_;
    QTimer timer_;
    QSplitter* splitter_ = nullptr;
    FolderTree* folders_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    AdvisorPane* advisor_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    QMenu* trayMenu_ = nullptr;
    std::function<bool()> trayCheck_;
    GeneralTab* general_ = nullptr;
    FilterPane* filterPane_ = nullptr;
    QuickSearchBox* quickSearch_ = nullptr;
    QPointer<SearchToolDialog> searchTool_;
    int visiblePanes_ = kPaneLiveFilter | kPaneCalendar;
    struct ListTab {
        int itemType;
        QString name;
        ItemListModel* model;
        QTreeView* view;
    };
    std::vector<ListTab> lists_;
    ItemCommandMenu* itemCommands_ = nullptr;
    bool exiting_ = false;
    bool exitWithoutSaving_ = false;
    bool exited_ = false;
    bool trayHintShown_ = false;
    ItemPanel* panel_ = nullptr;
    bool selectionChangedPending_ = false;  // "GA:SelectionChangedNotify" posted, not yet served
    SmartBoxWindow* smartBox_ = nullptr;
};
