#pragma once
// "Adding user column (field)": name, display name (copied from the name while automatic) and the
// value type of a new user field of the scope folder.
#include <QDialog>

#include "views/column_add_user_dlg_model.h"

class CDvColumnUserDefinedMgrDlgModel;
class QCheckBox;
class QComboBox;
class QLineEdit;

class ColumnAddUserDialog final : public QDialog {
public:
    ColumnAddUserDialog(CDvColumnUserDefinedMgrDlgModel& owner, QWidget* parent = nullptr);
    void accept() override;

private:
    void syncDisplayName();

    CDvColumnUserDefinedMgrDlgModel& owner_;
    CDvColumnMgrAddUserColumnDlgModel model_;
    QLineEdit* name_;
    QLineEdit* displayName_;
    QCheckBox* automatic_;
    QComboBox* type_;
};
