#pragma once
// The Qt face of one item list: rows, headers, cell texts and row styles all come from the
// toolkit-free list (CDvItemListCtrlModel), which keeps its entries by GUID. The Qt model only
// remembers how many rows it announced at the last reset, so a view never asks for a row that a
// later fill of the same list took away before this model was told.
#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "views/priority_completion.h"
#include "views/row_style.h"

class CDvItemListCtrlModel;

class ItemListModel final : public QAbstractTableModel {
public:
    ItemListModel(CDvItemListCtrlModel& list, QObject* parent = nullptr);

    CDvItemListCtrlModel& list() const { return list_; }
    int itemType() const;

    /// Announces the list's current rows and columns (a model reset); call after every fill. The
    /// options deciding how priority and completion read are taken again here.
    void reload();
    /// Fills the list from `folderPath` and below, then reloads; returns the number of rows.
    int refill(const QString& folderPath);
    QString guidAt(int row) const;
    /// The row showing the item `guid`, or -1.
    int rowOf(const QString& guid) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    /// The completion column of tasks and to-dos is a check box: checking completes the item,
    /// unchecking reopens it, and the list refills once the click is over.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;

    /// The options file's choice between percentages and words, as it stands now.
    static DvListOptions currentOptions();

private:
    bool priorityMarkColumn(int column) const;
    bool completionCheckColumn(int column) const;

    CDvItemListCtrlModel& list_;
    DvListOptions options_;
    int rows_ = 0;
    int columns_ = 0;
    std::vector<DvRowStyle> styles_;  // worked out at the reset: "overdue" is judged once per fill
};

