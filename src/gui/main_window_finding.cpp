// The main window's panes and its ways of finding items: the live filter under the folder tree,
// the quick search in the toolbar, the search tool, and showing a found item in its list.
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>

#include "core/doc.h"
#include "gui/filter_pane.h"
#include "gui/folder_tree.h"
#include "gui/general_tab.h"
#include "gui/item_list_model.h"
#include "gui/item_list_view.h"
#include "gui/main_window.h"
#include "gui/qt_ui.h"
#include "gui/quick_search_box.h"
#include "gui/search_tool_dialog.h"

// The live filter sits under the folder tree, which it narrows the lists of.
void MainWindow::buildFilterPane() {
    auto* left = new QSplitter(Qt::Vertical);
    splitter_->insertWidget(0, left);
    left->addWidget(folders_->parentWidget());  // the tree with its "New folder" button
    filterPane_ = new FilterPane(filter_, left);
    left->addWidget(filterPane_);
    left->setStretchFactor(0, 3);
    left->setStretchFactor(1, 2);
    // The pane has seen its own change; only the views need refilling.
    connect(filterPane_, &FilterPane::refreshRequested, this, [this] { refreshContents(DV_REFRESH_KEEP_KEYWORDS); });
}

void MainWindow::buildQuickSearch() {
    QToolBar* bar = addToolBar(QStringLiteral("Search"));
    bar->setObjectName(QStringLiteral("searchBar"));
    bar->setMovable(false);
    quickSearch_ = new QuickSearchBox(doc_, bar);
    bar->addWidget(quickSearch_);
    connect(bar->addAction(QStringLiteral("Search...")), &QAction::triggered, this, [this] { openSearchTool(); });
    connect(quickSearch_, &QuickSearchBox::itemChosen, this, [this](const QString& guid) { selectItemInList(guid); });
    connect(quickSearch_, &QuickSearchBox::hintOffered, this, [this](const QString& hint) { offerAdvisor(hint); });
}

void MainWindow::refreshFinding(const QString& folder, unsigned flags) {
    if (!(flags & DV_REFRESH_KEEP_KEYWORDS)) filterPane_->syncKeywordList();
    quickSearch_->setScope(folder, std::max(0, tabs_->currentIndex()));
}

void MainWindow::togglePane(int pane) {
    visiblePanes_ ^= pane;
    applyVisiblePanes();
}

void MainWindow::applyVisiblePanes() {
    filterPane_->setVisible(visiblePanes_ & kPaneLiveFilter);
    general_->setCalendarVisible(visiblePanes_ & kPaneCalendar);
}

SearchToolDialog* MainWindow::openSearchTool() {
    if (!searchTool_) {
        const int tab = tabs_->currentIndex();
        searchTool_ = new SearchToolDialog(doc_, currentFolder(), tab < 0 ? 0 : tab, this);
        searchTool_->setAttribute(Qt::WA_DeleteOnClose);
        connect(searchTool_, &SearchToolDialog::itemChosen, this, [this](const QString& guid) { selectItemInList(guid); });
    }
    searchTool_->show();
    searchTool_->raise();
    searchTool_->activateWindow();
    return searchTool_;
}

bool MainWindow::selectItemInList(const QString& guid) {
    int type = 0;
    {
        auto lock = doc_.Lock();
        const CDvItem* item = doc_.FindItemByGuid(fromQString(guid));
        if (!item) return false;
        type = item->itemType;
    }
    const auto tab = std::find_if(lists_.begin() + 1, lists_.end(), [type](const ListTab& t) { return t.itemType == type; });
    if (tab == lists_.end()) return false;
    const int index = static_cast<int>(tab - lists_.begin());
    auto* view = static_cast<ItemListView*>(tab->view);
    tabs_->setCurrentIndex(index);
    if (!view->selectGuid(guid)) {  // not in the current folder: look from the root
        selectFolder(QStringLiteral("\\"));
        if (!view->selectGuid(guid)) return false;
    }
    view->setFocus();
    return true;
}
