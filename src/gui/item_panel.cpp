#include "gui/item_panel.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/item_panel_model.h"
#include "gui/format_toolbar.h"
#include "gui/qt_ui.h"
#include "gui/rich_text_document.h"
#include "views/var_list_edit_model.h"

// The rich-text editor as the panel's model sees it.
class ItemPanel::Editor final : public DvItemPanelEditor {
public:
    explicit Editor(QTextEdit& edit) : edit_(edit) {}

    // Loading also clears the undo history: undo never brings back the item shown before.
    void LoadRtf(std::span<const uint8_t> rtf) override { DvSetDocumentRtf(*edit_.document(), rtf); }
    std::string SaveRtf() const override { return DvDocumentRtf(*edit_.document()); }
    bool IsModified() const override { return edit_.document()->isModified(); }
    void ClearModified() override { edit_.document()->setModified(false); }

private:
    QTextEdit& edit_;
};

namespace {

enum Column { kNameColumn, kValueColumn };

const QString kNothingShown = QStringLiteral("Select an item in the list to read and edit its note here.");

}  // namespace

ItemPanel::ItemPanel(CDvDoc& doc, QWidget* parent) : QWidget(parent) {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("panelTabs"));
    tabs_->setDocumentMode(true);
    tabs_->setUsesScrollButtons(false);  // all three tabs in sight, however narrow the pane

    auto* note = new QWidget;
    editor_ = new QTextEdit;
    editor_->setObjectName(QStringLiteral("panelEditor"));
    editor_->setAcceptRichText(true);
    auto* noteLayout = new QVBoxLayout(note);
    noteLayout->setContentsMargins(0, 0, 0, 0);
    noteLayout->setSpacing(0);
    noteLayout->addWidget(new FormatToolBar(editor_, note));
    noteLayout->addWidget(editor_);
    tabs_->addTab(note, toQString(DvItemPanelTabName(DV_PANEL_TAB_NOTE)));

    values_ = new QTableWidget(0, 2);
    values_->setObjectName(QStringLiteral("panelValues"));
    values_->setHorizontalHeaderLabels({toQString(kDvVarListNameHeader), toQString(kDvVarListValueHeader)});
    values_->horizontalHeader()->resizeSection(kNameColumn, kDvVarListNameWidth);
    values_->horizontalHeader()->setStretchLastSection(true);
    values_->verticalHeader()->hide();
    values_->verticalHeader()->setDefaultSectionSize(values_->fontMetrics().height() + 8);
    values_->setWordWrap(false);
    values_->setSelectionBehavior(QAbstractItemView::SelectRows);
    values_->setSelectionMode(QAbstractItemView::SingleSelection);
    values_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabs_->addTab(values_, toQString(DvItemPanelTabName(DV_PANEL_TAB_EDIT_VALUES)));
    cellEdit_ = new QLineEdit(values_->viewport());
    cellEdit_->setObjectName(QStringLiteral("panelCellEdit"));
    cellEdit_->hide();

    valuesText_ = new QPlainTextEdit;
    valuesText_->setObjectName(QStringLiteral("panelShowValues"));
    valuesText_->setReadOnly(true);
    tabs_->addTab(valuesText_, toQString(DvItemPanelTabName(DV_PANEL_TAB_SHOW_VALUES)));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    setMinimumWidth(280);

    editorPort_ = std::make_unique<Editor>(*editor_);
    model_ = std::make_unique<CDvItemPanelModel>(doc, *editorPort_);
    editor_->setReadOnly(true);  // until an item is shown: text typed into nothing would be lost
    editor_->setPlaceholderText(kNothingShown);

    editor_->installEventFilter(this);
    values_->installEventFilter(this);
    cellEdit_->installEventFilter(this);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) { tabChosen(index); });
    connect(values_, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == kValueColumn) startEditing(row);
    });
}

// The child widgets outlive the model by a moment: nothing they send may reach it then.
ItemPanel::~ItemPanel() {
    disconnect(tabs_, nullptr, this, nullptr);
    disconnect(values_, nullptr, this, nullptr);
    editor_->removeEventFilter(this);
    values_->removeEventFilter(this);
    cellEdit_->removeEventFilter(this);
}

void ItemPanel::displayItem(const QString& guid) {
    finishEditing(true, 0);
    model_->DisplayItem(fromQString(guid));
    const bool nothing = model_->Shown() == nullptr;
    editor_->setReadOnly(nothing);
    editor_->setPlaceholderText(nothing ? kNothingShown : QString());
    fillCurrentTab();
}

void ItemPanel::saveBack() {
    finishEditing(true, 0);
    model_->SaveBack();
}

QString ItemPanel::shownGuid() const { return model_->Shown() ? toQString(model_->Shown()->guid) : QString(); }

void ItemPanel::setEditValuesAvailable(bool available) {
    model_->SetEditValuesAvailable(available);
    syncTab();
}

void ItemPanel::setShowValuesAvailable(bool available) {
    model_->SetShowValuesAvailable(available);
    syncTab();
}

void ItemPanel::tabChosen(int index) {
    finishEditing(true, 0);
    model_->SelectTab(index + 1);
    syncTab();
    fillCurrentTab();
}

// The model may refuse a tab: the tab bar follows it.
void ItemPanel::syncTab() {
    const int wanted = model_->CurrentTab() - 1;
    if (tabs_->currentIndex() == wanted) return;
    const QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(wanted);
    fillCurrentTab();
}

void ItemPanel::fillCurrentTab() {
    switch (model_->CurrentTab()) {
    case DV_PANEL_TAB_EDIT_VALUES:
        fillValues();
        break;
    case DV_PANEL_TAB_SHOW_VALUES:
        valuesText_->setPlainText(toQString(model_->ValuesText()));
        break;
    default:
        break;
    }
}

void ItemPanel::fillValues() {
    const CDvVarListEditModel* values = model_->Values();
    const int rows = values ? values->RowCount() : 0;
    values_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        auto* name = new QTableWidgetItem(toQString(values->NameAt(row)));
        name->setToolTip(name->text());  // long field names are cut short in the narrow column
        auto* value = new QTableWidgetItem(toQString(values->ValueAt(row)));
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        values_->setItem(row, kNameColumn, name);
        values_->setItem(row, kValueColumn, value);
    }
}

void ItemPanel::startEditing(int row) {
    CDvVarListEditModel* values = model_->Values();
    if (!values || !values->StartEditing(row)) return;
    values_->selectRow(row);
    cellEdit_->setGeometry(values_->visualItemRect(values_->item(row, kValueColumn)));
    cellEdit_->setText(toQString(values->editText));
    cellEdit_->show();
    cellEdit_->setFocus(Qt::OtherFocusReason);
    cellEdit_->selectAll();
}

// `key` is Qt::Key_Up or Qt::Key_Down to move the selection after committing, else 0.
void ItemPanel::finishEditing(bool commit, int key) {
    CDvVarListEditModel* values = model_->Values();
    if (!values || !values->IsEditing()) {
        cellEdit_->hide();
        return;
    }
    const int row = values->EditRow();
    if (commit) {
        values->editText = fromQString(cellEdit_->text());
        values->KeyPressed(key == Qt::Key_Up     ? DvVarListKey::Up
                           : key == Qt::Key_Down ? DvVarListKey::Down
                                                 : DvVarListKey::Enter);
        values_->item(row, kValueColumn)->setText(toQString(values->ValueAt(row)));
    } else {
        values->CancelEditing();
    }
    cellEdit_->hide();
    values_->selectRow(values->SelectedRow());
}

bool ItemPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cellEdit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Up:
        case Qt::Key_Down:
            finishEditing(true, key);
            values_->setFocus(Qt::OtherFocusReason);
            return true;
        case Qt::Key_Escape:
            finishEditing(false, 0);
            values_->setFocus(Qt::OtherFocusReason);
            return true;
        default:
            break;
        }
    }
    if (watched == values_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
        if (CDvVarListEditModel* values = model_->Values()) {
            values->SelectRow(values_->currentRow());
            if (values->RunRequest(kDvStartEditingRequest)) startEditing(values->EditRow());
        }
        return true;
    }
    if (event->type() == QEvent::FocusOut) {
        // Leaving the edit box commits its text; leaving the note or the values writes back.
        if (watched == cellEdit_ && cellEdit_->isVisible()) {
            CDvVarListEditModel* values = model_->Values();
            if (values && values->IsEditing()) {
                values->editText = fromQString(cellEdit_->text());
                const int row = values->EditRow();
                values->Commit();
                values_->item(row, kValueColumn)->setText(toQString(values->ValueAt(row)));
            }
            cellEdit_->hide();
            model_->SaveBack();
        } else if (watched == editor_ || watched == values_) {
            model_->SaveBack();
        }
    }
    return QWidget::eventFilter(watched, event);
}
