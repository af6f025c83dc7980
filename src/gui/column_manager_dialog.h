#pragma once
// "Folder properties: visible columns management": the available columns on the left, the visible
// ones on the right, for one scope folder and item type. DvOpenColumnManager is the way in, from
// a list's header and from the folder properties.
#include <QDialog>
#include <QString>

class CDvColumnMgrDlgModel;
class CDvDoc;
class QLabel;
class QListWidget;
class QTreeWidget;

class ColumnManagerDialog final : public QDialog {
public:
    ColumnManagerDialog(CDvColumnMgrDlgModel& model, CDvDoc& doc, QWidget* parent = nullptr);
    void accept() override;

    QListWidget* availableList() const { return available_; }
    QTreeWidget* visibleList() const { return visible_; }

private:
    void fill();
    void takeSelection();
    void runStep(void (CDvColumnMgrDlgModel::*step)());

    CDvColumnMgrDlgModel& model_;
    CDvDoc& doc_;
    QListWidget* available_;
    QTreeWidget* visible_;
    QLabel* source_;
};

/// Opens the column manager for the list of `itemType` in `folderPath`. With `askScope`, a folder
/// other than the root first asks whether the change is for this folder or for all; the General
/// view (type 0) is refused with a message. The main window's lists are refilled after OK.
void DvOpenColumnManager(QWidget* parent, CDvDoc& doc, const QString& folderPath, int itemType, bool askScope = false);
