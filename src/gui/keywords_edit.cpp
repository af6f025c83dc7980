#include "gui/keywords_edit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include "gui/qt_ui.h"

namespace {

bool isAutoCompleteKey(const QKeyEvent* key) {
    if (key->key() == Qt::Key_Down && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return true;
    return key->key() == Qt::Key_Space && (key->modifiers() & Qt::ControlModifier);
}

DvTextSelection selectionOf(const QLineEdit* edit) {
    if (!edit->hasSelectedText()) return {edit->cursorPosition(), edit->cursorPosition()};
    const int start = edit->selectionStart();
    return {start, start + edit->selectionLength()};
}

void applySelection(QLineEdit* edit, const DvTextSelection& s) {
    if (s.Empty()) {
        edit->setCursorPosition(s.end);
        return;
    }
    edit->setSelection(s.start, s.end - s.start);
}

}  // namespace

KeywordsEdit::KeywordsEdit(QWidget* parent) : QWidget(parent), edit_(new QLineEdit(this)), hint_(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(edit_);
    layout->addWidget(hint_);
    hint_->setObjectName(QStringLiteral("keywordsHint"));
    hint_->setWordWrap(true);
    hint_->setStyleSheet(QStringLiteral("color: #a04000;"));
    hint_->hide();
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textChanged, this, [this](const QString& text) {
        updateHint();
        emit textChanged(text);
    });
    setFocusProxy(edit_);
}

void KeywordsEdit::setContext(const CDvDoc* doc, std::vector<std::u16string> itemFolders) {
    setContext(doc, [folders = std::move(itemFolders)] { return folders; });
}

void KeywordsEdit::setContext(const CDvDoc* doc, std::function<std::vector<std::u16string>()> itemFolders) {
    doc_ = doc;
    itemFolders_ = std::move(itemFolders);
}

void KeywordsEdit::setKeywordsMode(bool on) {
    keywordsMode_ = on;
    updateHint();
}

QString KeywordsEdit::text() const { return edit_->text(); }
void KeywordsEdit::setText(const QString& text) { edit_->setText(text); }
QString KeywordsEdit::hint() const { return hint_->isHidden() ? QString() : hint_->text(); }

void KeywordsEdit::updateHint() {
    const std::u16string_view hint = keywordsMode_ ? CDvKeywordsEditModel::HintFor(fromQString(edit_->text())) : u"";
    hint_->setText(toQString(hint));
    hint_->setVisible(!hint.empty());
}

bool KeywordsEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_ || !keywordsMode_) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && isAutoCompleteKey(static_cast<QKeyEvent*>(event))) {
        swallowRelease_ = true;
        autoComplete();
        return true;
    }
    if (event->type() == QEvent::KeyRelease && swallowRelease_ && isAutoCompleteKey(static_cast<QKeyEvent*>(event))) {
        swallowRelease_ = false;
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool KeywordsEdit::autoComplete() {
    if (!doc_ || edit_->isReadOnly()) return false;
    model_.text = fromQString(edit_->text());
    model_.selection = selectionOf(edit_);
    const DvAutoCompleteOutcome outcome = model_.AutoComplete(*doc_, itemFolders_ ? itemFolders_() : std::vector<std::u16string>{});
    const DvTextSelection fragment = model_.Fragment();
    if (outcome == DvAutoCompleteOutcome::NothingFound) {
        applySelection(edit_, model_.selection);
        return false;
    }
    if (outcome == DvAutoCompleteOutcome::Replaced) {
        replaceFragmentWithModelText(fragment);
        return true;
    }
    lastMenu_ = model_.Menu();
    applySelection(edit_, model_.selection);
    int chosen = menuChoice_;
    if (chosen == kAskUser) {
        QMenu menu(this);
        for (size_t i = 0; i < lastMenu_.size(); ++i) {
            if (lastMenu_[i].empty()) {
                menu.addSeparator();
                continue;
            }
            menu.addAction(toQString(lastMenu_[i]))->setData(static_cast<int>(i));
        }
        const QRect caret = edit_->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QAction* picked = menu.exec(edit_->mapToGlobal(caret.bottomLeft()));
        chosen = picked ? picked->data().toInt() : -1;
    }
    if (chosen < 0 || chosen >= static_cast<int>(lastMenu_.size()) || lastMenu_[static_cast<size_t>(chosen)].empty()) {
        model_.DismissMenu();
        applySelection(edit_, model_.selection);
        return true;
    }
    model_.ChooseCandidate(chosen);
    replaceFragmentWithModelText(fragment);
    return true;
}

// The replacement goes through the box's own editing so that Ctrl+Z takes it back.
void KeywordsEdit::replaceFragmentWithModelText(const DvTextSelection& fragment) {
    const int caret = model_.selection.end;
    const QString replacement =
        toQString(std::u16string_view(model_.text).substr(static_cast<size_t>(fragment.start),
                                                          static_cast<size_t>(caret - fragment.start)));
    if (fragment.Empty())
        edit_->setCursorPosition(fragment.start);
    else
        edit_->setSelection(fragment.start, fragment.end - fragment.start);
    edit_->insert(replacement);
}
