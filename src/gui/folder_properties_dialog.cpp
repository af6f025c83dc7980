#include "gui/folder_properties_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/doc.h"
#include "gui/qt_ui.h"
#include "ops/folder_paths.h"

FolderPropertiesDialog::FolderPropertiesDialog(CDvDoc& doc, const QString& folderGuid, ManageFields manageFields,
                                               QWidget* parent)
    : QDialog(parent), model_(fromQString(folderGuid), &doc), manageFields_(std::move(manageFields)) {
    setWindowTitle(QStringLiteral("Folder properties"));
    QString path;
    {
        auto lock = doc.Lock();
        path = toQString(FolderPath(DvFindFolderByGuid(doc.root, fromQString(folderGuid))));
    }
    auto* form = new QFormLayout;
    name_ = new QLineEdit(toQString(model_.title));
    name_->setMinimumWidth(280);
    form->addRow(QStringLiteral("Name:"), name_);
    auto* where = new QLabel(path);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(QStringLiteral("Path:"), where);

    manage_ = new QPushButton(QStringLiteral("Manage fields of this folder..."));
    manage_->setVisible(static_cast<bool>(manageFields_));
    connect(manage_, &QPushButton::clicked, this, &FolderPropertiesDialog::chooseFields);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &FolderPropertiesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    auto* row = new QHBoxLayout;
    row->addWidget(manage_);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);
    layout->addWidget(buttons);
    name_->selectAll();
}

void FolderPropertiesDialog::accept() {
    model_.title = fromQString(name_->text());
    if (model_.Ok()) QDialog::accept();
}

// One entry per item type; the column manager opens for the type chosen.
void FolderPropertiesDialog::chooseFields() {
    QMenu menu(this);
    const auto& choices = CDvFolderPropertiesModel::ManageFieldsChoices();
    for (size_t i = 0; i < choices.size(); ++i) menu.addAction(toQString(choices[i]))->setData(static_cast<int>(i));
    const QAction* chosen = menu.exec(manage_->mapToGlobal(QPoint(0, manage_->height())));
    if (!chosen) return;
    std::u16string folderPath;
    int itemType = 0;
    if (model_.ManageFields(chosen->data().toInt(), folderPath, itemType) && manageFields_)
        manageFields_(toQString(folderPath), itemType);
}
