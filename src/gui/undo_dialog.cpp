#include "gui/undo_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/qt_ui.h"

UndoDialog::UndoDialog(CDvDoc& doc, QWidget* parent) : QDialog(parent), model_(&doc), list_(new QTreeWidget) {
    setWindowTitle(QStringLiteral("Undo"));
    list_->setObjectName(QStringLiteral("undoList"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setColumnCount(1);
    list_->setHeaderLabels({toQString(CDvUndoingDlgModel::kColumnTitle)});
    list_->header()->setStretchLastSection(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &UndoDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(560, 320);
    fill();
}

void UndoDialog::fill() {
    list_->clear();
    for (const std::u16string& row : model_.Rows()) list_->addTopLevelItem(new QTreeWidgetItem({toQString(row)}));
    if (QTreeWidgetItem* newest = list_->topLevelItem(model_.selectedRow)) {
        list_->setCurrentItem(newest);
        list_->scrollToItem(newest);
    }
}

void UndoDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_);
    list_->setColumnWidth(0, CDvUndoingDlgModel::ColumnWidth(list_->width() - 2 * list_->frameWidth(), scrollBar));
}

void UndoDialog::accept() {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    model_.selectedRow = selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.front());
    if (!model_.Ok()) return;
    fill();
    QDialog::accept();
}
