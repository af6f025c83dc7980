#pragma once
// The "New database" dialog: where the new database's folder goes and its name; OK creates,
// saves and opens it in place of the open one.
#include <QDialog>

#include "app/new_database_model.h"

class QLabel;
class QLineEdit;

class NewDatabaseDialog final : public QDialog {
public:
    explicit NewDatabaseDialog(QWidget* parent = nullptr);

    QLineEdit* folderField() const { return folder_; }
    QLineEdit* nameField() const { return name_; }
    QLabel* locationLabel() const { return location_; }

    void accept() override;

private:
    void fieldsChanged();

    DvNewDatabaseModel model_;
    QLineEdit* folder_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLabel* location_ = nullptr;
};
