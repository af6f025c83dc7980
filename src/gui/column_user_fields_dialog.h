#pragma once
// "Folder properties: user columns management": the columns available for the type, of which the
// scope folder's own user fields can be removed, and the way to add new ones.
#include <QDialog>

#include "views/column_user_defined_dlg_model.h"

class QListWidget;

class ColumnUserFieldsDialog final : public QDialog {
public:
    ColumnUserFieldsDialog(CDvDoc& doc, const std::u16string& folderPath, int itemType, QWidget* parent = nullptr);
    void accept() override;

private:
    void fill();

    CDvColumnUserDefinedMgrDlgModel model_;
    QListWidget* list_;
};
