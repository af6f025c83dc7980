#include "gui/item_properties_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/doc.h"
#include "gui/qt_ui.h"
#include "ops/main_window_port.h"
#include "ops/undo.h"
#include "platform/text.h"
#include "views/cell_text.h"
#include "views/column_store.h"
#include "views/var_list_edit_model.h"

namespace {

// The fixed fields (title, stamps, dates, completion...) are not plain variables: writing them by
// name would only store a shadow variable that the list never shows. They are changed in the
// item's editor; here only the item's own variables are edited.
bool editableField(std::u16string_view name) { return !dv::startsWith(dv::asciiLower(name), u"dv_"); }

}  // namespace

ItemPropertiesDialog::ItemPropertiesDialog(CDvDoc& doc, const QString& guid, const QString& folderPath, QWidget* parent)
    : QDialog(parent), doc_(doc), guid_(fromQString(guid)), table_(new QTableWidget(this)) {
    setWindowTitle(QStringLiteral("Properties"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel;
    layout->addWidget(heading);
    table_->setColumnCount(2);
    table_->setHorizontalHeaderLabels({toQString(kDvVarListNameHeader), toQString(kDvVarListValueHeader)});
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked |
                            QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    table_->setColumnWidth(0, kDvVarListNameWidth);
    table_->setColumnWidth(1, kDvVarListValueWidth);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(kDvVarListNameWidth + kDvVarListValueWidth + 60, 480);

    auto lock = doc_.Lock();
    CDvItem* item = doc_.FindItemByGuid(guid_);
    if (!item) {
        heading->setText(QStringLiteral("The item no longer exists."));
        return;
    }
    heading->setText(toQString(DvItemTypeName(item->itemType)) + QStringLiteral(": ") + toQString(item->title));
    columns_ = DvColumnsGetAvailableCols(doc_, fromQString(folderPath), item->itemType);
    model_ = std::make_unique<CDvVarListEditModel>(*item, columns_);
    filling_ = true;
    table_->setRowCount(model_->RowCount());
    for (int row = 0; row < model_->RowCount(); ++row) {
        auto* name = new QTableWidgetItem(toQString(model_->NameAt(row)));
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        const bool editable = editableField(model_->NameAt(row));
        // The fixed fields read as the lists write them (dates as dates, not day numbers).
        auto* value = new QTableWidgetItem(toQString(editable ? model_->ValueAt(row)
                                                              : DvCellText(*item, model_->NameAt(row), {true, true})));
        Qt::ItemFlags valueFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (editable) valueFlags |= Qt::ItemIsEditable;
        value->setFlags(valueFlags);
        table_->setItem(row, 0, name);
        table_->setItem(row, 1, value);
    }
    filling_ = false;
    connect(table_, &QTableWidget::cellChanged, this, [this](int row, int column) {
        if (!filling_ && column == 1) commit(row);
    });
}

ItemPropertiesDialog::~ItemPropertiesDialog() = default;

void ItemPropertiesDialog::commit(int row) {
    const std::u16string text = fromQString(table_->item(row, 1)->text());
    {
        auto lock = doc_.Lock();
        // Looked up again: the item may have been deleted while the dialog was open.
        CDvItem* item = doc_.FindItemByGuid(guid_);
        if (!item || text == model_->ValueAt(row)) return;
        DvUndoList().RecordItem(*item, DvUndoKind::Modify, doc_);
        model_ = std::make_unique<CDvVarListEditModel>(*item, columns_);
        model_->StartEditing(row);
        model_->editText = text;
        model_->Commit();
        item->Touch();
    }
    if (DvMainWindow()) DvMainWindow()->RefreshContents(1);
}

void DvShowItemProperties(QWidget* parent, CDvDoc& doc, const QStringList& guids, const QString& folderPath) {
    if (guids.isEmpty()) return;
    ItemPropertiesDialog dialog(doc, guids.front(), folderPath, parent);
    dialog.exec();
}
