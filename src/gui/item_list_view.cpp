#include "gui/item_list_view.h"

#include <QDrag>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>

#include "gui/item_list_model.h"
#include "core/item.h"
#include "gui/qt_ui.h"
#include "views/cell_text.h"
#include "views/item_list_ctrl_model.h"

namespace {

bool isDateColumn(std::u16string_view name) {
    return name == u"dv_created" || name == u"dv_modified" || name == u"dv_taskstart" || name == u"dv_taskend";
}

// A date as long as they come (a Wednesday in September, two-digit hours), as the lists write it.
QString longestDateText() {
    CDvItem sample;
    sample.created = DvDateTime::FromFields(2026, 9, 30, 22, 22, 22);
    return toQString(DvCellText(sample, u"dv_created", {}));
}

// The stored widths are pixels of a small dialog font. A column narrower than its header (the
// to-do list's 20 pixel priority) would clip its title, and a date column narrower than a date
// in the bold font of open items would cut every date short; they get the width they need.
int widthFor(const DvColumn& column, const QHeaderView& header, const QFont& rowFont) {
    const int margin = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin) + 10;
    const QString title = toQString(column.displayName.empty() ? column.name : column.displayName);
    int needed = header.fontMetrics().horizontalAdvance(title) + margin;
    if (isDateColumn(column.name)) {
        QFont bold = rowFont;
        bold.setBold(true);
        needed = std::max(needed, QFontMetrics(bold).horizontalAdvance(longestDateText()) + margin);
    }
    return std::max(column.width > 0 ? column.width : 100, needed);
}

}  // namespace

ItemListView::ItemListView(ItemListModel* model, QWidget* parent) : QTreeView(parent), model_(model) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setContextMenuPolicy(Qt::CustomContextMenu);
    QTreeView::setModel(model_);
    header()->setStretchLastSection(true);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    header()->setSectionsMovable(false);
    header()->setContextMenuPolicy(Qt::CustomContextMenu);

    connect(header(), &QHeaderView::sectionClicked, this, [this](int section) {
        const QString hint = toQString(model_->list().ColumnClick(section));
        model_->reload();
        if (onSorted) onSorted(hint);
    });
    connect(header(), &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (onHeaderMenu) onHeaderMenu(header()->mapToGlobal(pos));
    });
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (onItemMenu) onItemMenu(viewport()->mapToGlobal(pos));
    });
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { restoring_ = true; });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        if (!detached_) restoreFromList();
    });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { reportSelection(); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { reportFocus(); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { reportTopRow(); });
    restoreFromList();
}

QStringList ItemListView::selectedGuids() const {
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows << index.row();
    std::sort(rows.begin(), rows.end());
    QStringList guids;
    for (int row : rows)
        if (const QString guid = model_->guidAt(row); !guid.isEmpty()) guids << guid;
    return guids;
}

bool ItemListView::selectGuid(const QString& guid) {
    const int row = model_->rowOf(guid);
    if (row < 0) return false;
    const QModelIndex index = model_->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
    return true;
}

void ItemListView::setModel(QAbstractItemModel* model) {
    detached_ = model != model_;
    if (detached_) restoring_ = true;  // nothing reaches the list any more
    QTreeView::setModel(model);
}

void ItemListView::reportSelection() {
    if (restoring_) return;
    CDvItemListCtrlModel& list = model_->list();
    const int rows = std::min(model_->rowCount(), list.RowCount());
    for (int row = 0; row < rows; ++row) list.SetRowSelected(row, false);
    for (const QModelIndex& index : selectionModel()->selectedRows())
        if (index.row() < rows) list.SetRowSelected(index.row(), true);
}

void ItemListView::reportFocus() {
    if (!restoring_) model_->list().SetFocusRow(currentIndex().isValid() ? currentIndex().row() : -1);
}

void ItemListView::reportTopRow() {
    if (restoring_) return;
    // Scrolling by items: the scroll bar's value is the top row, also while the view is hidden.
    model_->list().SetTopRow(verticalScrollBar()->value());
}

// After a fill: the rows the list remembered by GUID are selected and focused again, and the
// former top row goes back on top, so the view does not jump.
void ItemListView::restoreFromList() {
    restoring_ = true;
    CDvItemListCtrlModel& list = model_->list();
    applyColumns();
    showSortIndicator();
    const int rows = std::min(model_->rowCount(), list.RowCount());
    const int columns = model_->columnCount();
    QItemSelection selection;
    for (int row = 0; row < rows; ++row) {
        if (!list.IsRowSelected(row)) continue;
        int last = row;
        while (last + 1 < rows && list.IsRowSelected(last + 1)) ++last;
        selection.select(model_->index(row, 0), model_->index(last, std::max(columns - 1, 0)));
        row = last;
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const int focus = list.FocusRow();
    if (focus >= 0 && focus < rows)
        selectionModel()->setCurrentIndex(model_->index(focus, 0), QItemSelectionModel::NoUpdate);
    const int top = list.TopRow();
    if (top >= 0 && top < rows) {
        scrollTo(model_->index(top, 0), QAbstractItemView::PositionAtTop);
    }
    restoring_ = false;
}

void ItemListView::applyColumns() {
    const std::vector<DvColumn>& columns = model_->list().Columns();
    QStringList names;
    for (const DvColumn& column : columns) names << toQString(column.name);
    if (names == shownColumns_) return;  // keep widths the user has dragged since
    shownColumns_ = names;
    for (int i = 0; i < static_cast<int>(columns.size()); ++i)
        setColumnWidth(i, widthFor(columns[static_cast<size_t>(i)], *header(), font()));
}

void ItemListView::showSortIndicator() {
    const CDvItemListCtrlModel& list = model_->list();
    const int column = list.SortKey().empty() ? -1 : DvFindColumn(list.Columns(), list.SortKey());
    header()->setSortIndicator(column, list.Ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void ItemListView::startDrag(Qt::DropActions supportedActions) {
    QMimeData* payload = model_->mimeData(selectionModel()->selectedRows());
    if (!payload) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(payload);
    drag->exec(supportedActions, Qt::MoveAction);
}

void ItemListView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!indexAt(event->position().toPoint()).isValid() && onEmptyDoubleClick) {
        onEmptyDoubleClick();
        return;
    }
    QTreeView::mouseDoubleClickEvent(event);
}
