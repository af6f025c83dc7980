#pragma once
// The folder properties dialog: the folder's name, and the way to the fields (columns) the
// folder's lists show.
#include <QDialog>
#include <functional>

#include "ops/folder_commands.h"

class QLineEdit;
class QPushButton;
class CDvDoc;

class FolderPropertiesDialog final : public QDialog {
public:
    /// Opens the column manager of a folder for one item type (1 task ... 4 contact).
    using ManageFields = std::function<void(const QString& folderPath, int itemType)>;

    /// Without `manageFields` the "Manage fields of this folder..." button is not shown.
    FolderPropertiesDialog(CDvDoc& doc, const QString& folderGuid, ManageFields manageFields,
                           QWidget* parent = nullptr);

    QLineEdit* nameField() const { return name_; }
    QPushButton* manageFieldsButton() const { return manage_; }

    /// OK: renames the folder when its name was changed; stays open after a refusal.
    void accept() override;

private:
    void chooseFields();

    CDvFolderPropertiesModel model_;
    ManageFields manageFields_;
    QLineEdit* name_ = nullptr;
    QPushButton* manage_ = nullptr;
};
