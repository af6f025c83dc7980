#include "gui/item_list_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QMimeData>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
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

QIcon drawTypeIcon(int type) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (type) {
    case DV_ITEM_TASK:  // a clock face
        painter.setPen(QPen(QColor(40, 90, 170), 1.5));
        painter.setBrush(QColor(225, 235, 250));
        painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        painter.drawLine(QPointF(8, 8), QPointF(8, 4));
        painter.drawLine(QPointF(8, 8), QPointF(11, 9.5));
        break;
    case DV_ITEM_TODO:  // a clipboard with a short list; not a check box, which the list has already
        painter.setPen(QPen(QColor(50, 130, 60), 1.2));
        painter.setBrush(QColor(230, 245, 230));
        painter.drawRect(QRectF(2.5, 2.5, 11, 12));
        painter.setBrush(QColor(50, 130, 60));
        painter.drawRect(QRectF(5.5, 1, 5, 2.5));
        for (double y : {7.0, 10.5}) {
            painter.drawEllipse(QPointF(5, y), 0.8, 0.8);
            painter.drawLine(QPointF(7, y), QPointF(11.5, y));
        }
        break;
    case DV_ITEM_NOTE:  // a written page
        painter.setPen(QPen(QColor(170, 130, 30), 1.2));
        painter.setBrush(QColor(255, 245, 200));
        painter.drawRect(QRectF(3, 1.5, 10, 13));
        for (double y : {5.0, 8.0, 11.0}) painter.drawLine(QPointF(5, y), QPointF(11, y));
        break;
    case DV_ITEM_CONTACT:  // a head and shoulders
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(120, 80, 160));
        painter.drawEllipse(QRectF(5, 1.5, 6, 6));
        painter.drawPie(QRectF(2, 8.5, 12, 12), 0, 180 * 16);
        break;
    default: break;
    }
    return QIcon(pixmap);
}

// The item type's icon before the title.
const QIcon& typeIcon(int type) {
    static const std::array<QIcon, 5> icons{QIcon(), drawTypeIcon(1), drawTypeIcon(2), drawTypeIcon(3), drawTypeIcon(4)};
    return icons[static_cast<size_t>(type >= 1 && type <= 4 ? type : 0)];
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
    case Qt::DecorationRole: {
        if (priorityMarkColumn(index.column())) return priorityMark(list_.CellText(row, index.column(), options_));
        const auto& columns = list_.Columns();  // may have changed since the reset: check the bound
        if (index.column() >= static_cast<int>(columns.size()) ||
            columns[static_cast<size_t>(index.column())].name != u"dv_title")
            return {};
        auto lock = list_.Doc().Lock();
        const CDvItem* item = list_.ItemAt(row);
        return item ? typeIcon(item->itemType) : QIcon();
    }
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
