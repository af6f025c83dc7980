#include "gui/keywords_line_edit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLabel>
#include <QStringListModel>

#include "gui/qt_ui.h"
#include "views/keywords_edit_model.h"

KeywordsLineEdit::KeywordsLineEdit(CDvDoc& doc, std::function<std::vector<std::u16string>()> folders, QWidget* parent)
    : QLineEdit(parent),
      doc_(doc),
      folders_(std::move(folders)),
      hint_(new QLabel),
      completer_(new QCompleter(this)),
      candidates_(new QStringListModel(this)) {
    hint_->setWordWrap(true);
    hint_->setObjectName(QStringLiteral("keywordsHint"));
    completer_->setModel(candidates_);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setWidget(this);  // not setCompleter: a choice replaces one keyword, not the line
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& text) { replaceFragment(text); });
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        hint_->setText(toQString(CDvKeywordsEditModel::HintFor(fromQString(text))));
    });
}

bool KeywordsLineEdit::autoComplete() {
    DvTextSelection selection{cursorPosition(), cursorPosition()};
    if (hasSelectedText()) selection = {selectionStart(), selectionStart() + static_cast<int>(selectedText().size())};
    const std::u16string text = fromQString(this->text());
    const DvTextSelection fragment = DvKeywordFragment(text, selection);
    fragmentStart_ = fragment.start;
    fragmentEnd_ = fragment.end;
    const auto found = DvKeywordCandidates(
        doc_, folders_(), std::u16string_view(text).substr(static_cast<size_t>(fragment.start),
                                                            static_cast<size_t>(fragment.end - fragment.start)));
    QStringList list;
    for (const auto& candidate : found)
        if (!candidate.empty()) list << toQString(candidate);  // the pass separator has no place in a list
    if (list.isEmpty()) return false;
    if (list.size() == 1) {
        replaceFragment(list.front());
        return true;
    }
    if (!fragment.Empty()) setSelection(fragment.start, fragment.end - fragment.start);
    candidates_->setStringList(list);
    completer_->complete();
    return true;
}

void KeywordsLineEdit::replaceFragment(const QString& candidate) {
    // Through the selection, so that Ctrl+Z takes the replacement back.
    setSelection(fragmentStart_, fragmentEnd_ - fragmentStart_);
    insert(candidate);
}

void KeywordsLineEdit::keyPressEvent(QKeyEvent* event) {
    const bool ctrlSpace = event->key() == Qt::Key_Space && (event->modifiers() & Qt::ControlModifier);
    if ((event->key() == Qt::Key_Down && !completer_->popup()->isVisible()) || ctrlSpace) {
        autoComplete();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
