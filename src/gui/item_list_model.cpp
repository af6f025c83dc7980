#include "gui/item_list_model.h"

#include "core/doc.h"
#include "gui/qt_ui.h"
#include "platform/text.h"
#include "schedule/date_format.h"
#include "views/collect_items.h"

namespace {

const char* const kHeaders[] = {"Title", "Folders", "Start", "Modified"};

QStringList cellsOf(const CDvItem& item) {
    const bool dated = item.itemType == 1 || (item.flags & DV_ITEM_FLAG_DEADLINE);
    return {toQString(item.title), toQString(dv::join(item.folders, u";")),
            dated ? toQString(DvFormatDate(item.itemType == 1 ? item.taskStart : item.taskEnd, false, true)) : QString(),
            toQString(DvFormatDate(item.modified, false, true))};
}

}  // namespace

ItemListModel::ItemListModel(CDvDoc& doc, int itemType, QObject* parent)
    : QAbstractTableModel(parent), doc_(doc), itemType_(itemType) {}

int ItemListModel::refill(const QString& folderPath) {
    beginResetModel();
    rows_.clear();
    std::vector<CDvItem*> items;
    {
        auto lock = doc_.Lock();
        DvCollectItems(doc_, fromQString(folderPath), true, itemType_, items);
        rows_.reserve(items.size());
        for (const CDvItem* item : items) rows_.push_back({toQString(item->guid), cellsOf(*item)});
    }
    endResetModel();
    return static_cast<int>(rows_.size());
}

QString ItemListModel::guidAt(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<size_t>(row)].guid : QString();
}

int ItemListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ItemListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::size(kHeaders));
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return rows_[static_cast<size_t>(index.row())].cells.value(index.column());
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return QString::fromLatin1(kHeaders[section]);
}
