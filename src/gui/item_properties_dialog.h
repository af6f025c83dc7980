#pragma once
// The properties of an item: every field its type offers in the current folder (the available
// columns) with the item's value, as a name/value list whose values are edited in place. Each
// committed edit is undoable.
#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "views/column.h"

class CDvDoc;
class CDvVarListEditModel;
class QTableWidget;

class ItemPropertiesDialog final : public QDialog {
public:
    /// For the item `guid`; the fields are those available in `folderPath`.
    ItemPropertiesDialog(CDvDoc& doc, const QString& guid, const QString& folderPath, QWidget* parent = nullptr);
    ~ItemPropertiesDialog() override;

    QTableWidget* table() const { return table_; }
    /// Whether the item still existed when the dialog opened.
    bool hasItem() const { return model_ != nullptr; }

private:
    void commit(int row);

    CDvDoc& doc_;
    std::u16string guid_;
    std::vector<DvColumn> columns_;
    std::unique_ptr<CDvVarListEditModel> model_;
    QTableWidget* table_;
    bool filling_ = false;
};

/// Opens the properties of the first of `guids` (the selection) over `parent`.
void DvShowItemProperties(QWidget* parent, CDvDoc& doc, const QStringList& guids, const QString& folderPath);
