#include "gui/quick_search_box.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>

#include "gui/qt_ui.h"

QuickSearchBox::QuickSearchBox(CDvDoc& doc, QWidget* parent)
    : QComboBox(parent), model_(doc, this), results_(new QCompleter(this)) {
    setObjectName(QStringLiteral("quickSearch"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMinimumWidth(220);
    lineEdit()->setPlaceholderText(QStringLiteral("Quick search"));
    // Only the user's typing starts a search; the rows the program puts in do not.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) { model_.TextChanged(fromQString(text)); });
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int row) { choose(row); });
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    // The combo box's own list would take the keyboard and stop the typing; a completer's popup
    // passes the keys on to the box. It is not the line edit's completer, so it never rewrites
    // the typed text.
    results_->setModel(QComboBox::model());
    results_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    results_->setMaxVisibleItems(20);
    results_->setWidget(lineEdit());
    connect(results_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { choose(index.row()); });
}

QWidget* QuickSearchBox::resultPopup() const { return results_->popup(); }

void QuickSearchBox::setScope(const QString& folderPath, int itemType) {
    if (!model_.SetScope(fromQString(folderPath), itemType)) return;
    timer_.start(CDvQuickSearchComboBoxModel::kTimerMs);
    view()->setMinimumWidth(CDvQuickSearchComboBoxModel::DropDownWidth(width()));
    results_->popup()->setMinimumWidth(CDvQuickSearchComboBoxModel::DropDownWidth(width()));
}

void QuickSearchBox::tick() {
    if (model_.Tick()) showRows();
}

void QuickSearchBox::showRows() {
    const QString typed = lineEdit()->text();
    const int caret = lineEdit()->cursorPosition();
    filling_ = true;
    clear();
    for (const std::u16string& row : model_.Rows()) addItem(toQString(row));
    setCurrentIndex(-1);
    lineEdit()->setText(typed);
    lineEdit()->setCursorPosition(caret);
    filling_ = false;
    if (model_.DropDownShown() && count() > 0)
        results_->complete(lineEdit()->rect());
    else
        results_->popup()->hide();
}

void QuickSearchBox::choose(int row) {
    if (filling_) return;
    model_.SetTextSilently(fromQString(lineEdit()->text()));
    model_.EntryChosen(row);
}

void QuickSearchBox::LocateItem(const std::u16string& guid) { emit itemChosen(toQString(guid)); }

void QuickSearchBox::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    emit hintOffered(toQString(CDvQuickSearchComboBoxModel::FocusHint()).trimmed());
}
