#include "gui/column_user_fields_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/column_add_user_dialog.h"
#include "gui/qt_ui.h"
#include "platform/ui.h"

using Model = CDvColumnUserDefinedMgrDlgModel;

namespace {

QString dialogText(std::u16string_view text) { return toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

}  // namespace

ColumnUserFieldsDialog::ColumnUserFieldsDialog(CDvDoc& doc, const std::u16string& folderPath, int itemType,
                                               QWidget* parent)
    : QDialog(parent), model_(doc, folderPath, itemType), list_(new QListWidget) {
    setWindowTitle(toQString(Model::kTitle));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(dialogText(model_.Heading()));
    heading->setWordWrap(true);
    layout->addWidget(heading);
    layout->addWidget(new QLabel(toQString(Model::kListLabel)));
    auto* row = new QHBoxLayout;
    row->addWidget(list_, 1);
    auto* side = new QVBoxLayout;
    auto* add = new QPushButton(toQString(Model::kAddButton));
    auto* remove = new QPushButton(QStringLiteral("Remove"));
    side->addWidget(add);
    side->addWidget(remove);
    side->addStretch();
    row->addLayout(side);
    layout->addLayout(row, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ColumnUserFieldsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(add, &QPushButton::clicked, this, [this] {
        ColumnAddUserDialog dialog(model_, this);
        if (dialog.exec() == QDialog::Accepted) fill();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        const int index = list_->currentRow();
        if (!model_.CanRemove(index)) {
            dv::ui().Beep();
            return;
        }
        if (model_.Remove(index)) fill();
    });
    resize(520, 460);
    fill();
}

void ColumnUserFieldsDialog::fill() {
    list_->clear();
    for (int i = 0; i < static_cast<int>(model_.Available().size()); ++i) {
        const DvColumn& column = model_.Available()[static_cast<size_t>(i)];
        QString text = toQString(column.displayName.empty() ? column.name : column.displayName);
        if (column.user) text += QStringLiteral("   (") + toQString(column.source) + QStringLiteral(")");
        auto* entry = new QListWidgetItem(text, list_);
        entry->setToolTip(toQString(column.name));
        if (!model_.CanRemove(i)) entry->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    }
}

void ColumnUserFieldsDialog::accept() {
    if (model_.Ok()) QDialog::accept();
}
