#include "gui/item_list_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <array>

#include "app/list_options.h"
#include "core/doc.h"
#include "gui/item_mime_data.h"
#include "gui/qt_ui.h"
#include "ops/main_window_port.h"
#include "views/item_list_ctrl_model.h"

namespace {

const QColor kOverdueColour(200, 30, 30);

QIcon drawPriorityMark(int level) {
    const QColor colours[3] = {QColor(90, 150, 90), QColor(215, 150, 30), QColor(200, 40, 40)};
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    for (int bar = 0; bar < 3; ++bar) {
        const int height = 6 + bar * 4;
        painter.fillRect(QRect(1 + bar * 5, 15 - height, 4, height), bar <= level ? colours[level] : QColor(205, 205, 205));
    }
    return QIcon(pixmap);
}

// The mark drawn instead of the words "low", "medium" and "high": one, two or three rising bars.
const QIcon& priorityMark(std::u16string_view word) {
    static const std::array<QIcon, 3> marks{drawPriorityMark(0), drawPriorityMark(1), drawPriorityMark(2)};
    if (word == u"high") return marks[2];
    if (word == u"medium") return marks[1];
    return marks[0];
}

}  // namespace

ItemListModel::ItemListModel(CDvItemListCtrlModel& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list), options_(currentOptions()) {
    reload();
}

DvListOptions ItemListModel::currentOptions() { return DvCurrentListOptions(); }

int ItemListModel::itemType() const { return list_.ItemType(); }

void ItemListModel::reload() {
    beginResetModel();
    options_ = currentOptions();
    rows_ = list_.RowCount();
    columns_ = static_cast<int>(list_.Columns().size());
    styles_.clear();
    styles_.reserve(static_cast<size_t>(rows_));
    const DvDateTime now = DvDateTime::Now();
    {
        auto lock = list_.Doc().Lock();
        for (int row = 0; row < rows_; ++row) styles_.push_back(list_.RowStyle(row, now));
    }
    endResetModel();
}

int ItemListModel::refill(const QString& folderPath) {
    list_.Fill(fromQString(folderPath));
    reload();
    return rows_;
}

QString ItemListModel::guidAt(int row) const {
    if (row < 0 || row >= rows_ || row >= list_.RowCount()) return {};
    return toQString(list_.Entries()[static_cast<size_t>(row)].guid);
}

int ItemListModel::rowOf(const QString& guid) const {
    for (int row = 0; row < rows_ && row < list_.RowCount(); ++row)
        if (guidAt(row).compare(guid, Qt::CaseInsensitive) == 0) return row;
    return -1;
}

int ItemListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int ItemListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

bool ItemListModel::priorityMarkColumn(int column) const {
    return !options_.priorityAsPercents && column >= 0 && column < static_cast<int>(list_.Columns().size()) &&
           list_.Columns()[static_cast<size_t>(column)].name == u"dv_priority";
}

bool ItemListModel::completionCheckColumn(int column) const {
    return (list_.ItemType() == DV_ITEM_TASK || list_.ItemType() == DV_ITEM_TODO) && column >= 0 &&
           column < static_cast<int>(list_.Columns().size()) &&
           list_.Columns()[static_cast<size_t>(column)].name == u"dv_completion";
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_ || index.column() >= columns_) return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        // The check box already says "yes" or "no"; percentages are still worth reading.
        if (priorityMarkColumn(index.column()) ||
            (completionCheckColumn(index.column()) && !options_.completedAsPercents))
            return {};
        return toQString(list_.CellText(row, index.column(), options_));
    case Qt::ToolTipRole:  // narrow columns elide their texts
        return toQString(list_.CellText(row, index.column(), options_));
    case Qt::DecorationRole:
        if (priorityMarkColumn(index.column())) return priorityMark(list_.CellText(row, index.column(), options_));
        return {};
    case Qt::CheckStateRole: {
        if (!completionCheckColumn(index.column())) return {};
        auto lock = list_.Doc().Lock();
        const CDvItem* item = list_.ItemAt(row);
        return item && item->completion == 100 ? Qt::Checked : Qt::Unchecked;
    }
    case Qt::ForegroundRole:
        if (styles_[static_cast<size_t>(row)].overdue) return QBrush(kOverdueColour);
        return {};
    case Qt::FontRole:
        if (styles_[static_cast<size_t>(row)].emphasized) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    default: return {};
    }
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_ ||
        section >= static_cast<int>(list_.Columns().size()))
        return {};
    const DvColumn& column = list_.Columns()[static_cast<size_t>(section)];
    if (role == Qt::DisplayRole) return toQString(column.displayName.empty() ? column.name : column.displayName);
    if (role == Qt::ToolTipRole) return toQString(column.name);
    return {};
}

bool ItemListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !index.isValid() || index.row() >= rows_ || !completionCheckColumn(index.column()))
        return false;
    {
        auto lock = list_.Doc().Lock();
        CDvItem* item = list_.ItemAt(index.row());
        if (!item) return false;
        item->SetCompletion(value.value<Qt::CheckState>() == Qt::Checked ? 100 : 0);
    }
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columns_ - 1));
    // Not now: the view is still handling the click on the row that the refill replaces.
    QTimer::singleShot(0, this, [] {
        if (DvMainWindow()) DvMainWindow()->RefreshContents(1);
    });
    return true;
}

Qt::ItemFlags ItemListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (completionCheckColumn(index.column())) result |= Qt::ItemIsUserCheckable;
    return result;
}

QStringList ItemListModel::mimeTypes() const { return {QString::fromLatin1(kDvItemsMimeType), QStringLiteral("text/plain")}; }

QMimeData* ItemListModel::mimeData(const QModelIndexList& indexes) const {
    QStringList guids;
    std::vector<int> rows;
    for (const QModelIndex& index : indexes)
        if (index.isValid()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows)
        if (const QString guid = guidAt(row); !guid.isEmpty()) guids << guid;
    return DvItemsMimeData(list_.Doc(), guids);
}

Qt::DropActions ItemListModel::supportedDragActions() const {
    return Qt::MoveAction | Qt::CopyAction | Qt::LinkAction;
}
