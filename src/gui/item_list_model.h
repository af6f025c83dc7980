#pragma once
// The rows of one list tab: the items of a type in the current folder and below, by GUID, so a
// row whose item has vanished is simply skipped.
#include <QAbstractTableModel>
#include <QString>
#include <vector>

class CDvDoc;

class ItemListModel final : public QAbstractTableModel {
public:
    ItemListModel(CDvDoc& doc, int itemType, QObject* parent = nullptr);

    /// Collects again from `folderPath`; returns the number of rows.
    int refill(const QString& folderPath);
    QString guidAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        QString guid;
        QStringList cells;
    };
    CDvDoc& doc_;
    int itemType_;
    std::vector<Row> rows_;
};
