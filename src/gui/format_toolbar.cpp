#include "gui/format_toolbar.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QColorDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequence>
#include <QTextCharFormat>
#include <QTextEdit>

#include <iterator>

namespace {

using Command = FormatToolBar::Command;

struct CommandSpec {
    Command command;
    const char* tip;
    const char* icon;      // a name from the freedesktop icon naming scheme
    const char* fallback;  // the button's text where the icon theme has no such icon
    QKeyCombination key;
    bool checkable;
};

constexpr QKeyCombination kNoKey{};

// In toolbar order; the tips are the program's own texts.
constexpr CommandSpec kCommands[] = {
    {Command::Bold, "Bold (Ctrl+B)", "format-text-bold", "B", Qt::CTRL | Qt::Key_B, true},
    {Command::Italic, "Italic (Ctrl+I)", "format-text-italic", "I", Qt::CTRL | Qt::Key_I, true},
    {Command::Underline, "Underline (Ctrl+U)", "format-text-underline", "U", Qt::CTRL | Qt::Key_U, true},
    {Command::Color, "Change text color", "format-text-color", "Color", kNoKey, false},
    {Command::AlignLeft, "Align left (Ctrl+L)", "format-justify-left", "Left", Qt::CTRL | Qt::Key_L, true},
    {Command::AlignCenter, "Align center (Ctrl+E)", "format-justify-center", "Center", Qt::CTRL | Qt::Key_E, true},
    {Command::AlignRight, "Align right (Ctrl+R)", "format-justify-right", "Right", Qt::CTRL | Qt::Key_R, true},
    {Command::Cut, "Cut (Ctrl+X)", "edit-cut", "Cut", Qt::CTRL | Qt::Key_X, false},
    {Command::Copy, "Copy (Ctrl+C)", "edit-copy", "Copy", Qt::CTRL | Qt::Key_C, false},
    {Command::Paste, "Paste (Ctrl+V)", "edit-paste", "Paste", Qt::CTRL | Qt::Key_V, false},
    {Command::RemoveFormatting, "Remove formatting", "edit-clear", "Clear", kNoKey, false},
};

constexpr bool inCommandOrder() {
    for (std::size_t i = 0; i < std::size(kCommands); ++i) {
        if (std::size_t(kCommands[i].command) != i) return false;
    }
    return true;
}
static_assert(inCommandOrder(), "kCommands is looked up by Command");

// A group starts after each of these: emphasis and colour, alignment, the clipboard.
bool endsGroup(Command command) { return command == Command::Color || command == Command::AlignRight || command == Command::Paste; }

bool changesText(Command command) { return command != Command::Copy; }

// The fallback letters show what they do, as the icons would.
void styleFallback(QAction* action, Command command) {
    QFont font = action->font();
    font.setBold(command == Command::Bold);
    font.setItalic(command == Command::Italic);
    font.setUnderline(command == Command::Underline);
    action->setFont(font);
}

}  // namespace

FormatToolBar::FormatToolBar(QTextEdit* editor, QWidget* parent) : QToolBar(parent), editor_(editor) {
    setObjectName("formatToolBar");
    setIconSize(QSize(16, 16));
    auto* alignment = new QActionGroup(this);
    // Justified paragraphs check none of the three.
    alignment->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const CommandSpec& spec : kCommands) {
        add(spec.command);
        if (spec.command == Command::AlignLeft || spec.command == Command::AlignCenter ||
            spec.command == Command::AlignRight) {
            alignment->addAction(action(spec.command));
        }
        if (endsGroup(spec.command)) addSeparator();
    }

    connect(editor_, &QTextEdit::currentCharFormatChanged, this, &FormatToolBar::showCharFormat);
    connect(editor_, &QTextEdit::cursorPositionChanged, this, &FormatToolBar::showAlignment);
    connect(editor_, &QTextEdit::copyAvailable, this, &FormatToolBar::updateClipboardActions);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &FormatToolBar::updateClipboardActions);
    showCharFormat(editor_->currentCharFormat());
    showAlignment();
    updateClipboardActions();
}

QAction* FormatToolBar::action(Command command) const { return actions_[int(command)]; }

void FormatToolBar::add(Command command) {
    const CommandSpec& spec = kCommands[int(command)];
    auto* a = new QAction(QString::fromUtf8(spec.fallback), this);
    const QIcon icon = QIcon::fromTheme(QString::fromLatin1(spec.icon));
    if (icon.isNull()) {
        styleFallback(a, command);
    } else {
        a->setIcon(icon);
    }
    a->setToolTip(QString::fromUtf8(spec.tip));
    a->setCheckable(spec.checkable);
    if (spec.key != kNoKey) {
        a->setShortcut(QKeySequence(spec.key));
        // On the editor as well, so the keys work while it has the focus and nowhere else in
        // the window: lists and other editors keep their own Ctrl+C and Ctrl+V.
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        editor_->addAction(a);
    }
    connect(a, &QAction::triggered, this, [this, command] { run(command); });
    addAction(a);
    actions_[int(command)] = a;
}

void FormatToolBar::run(Command command) {
    if (changesText(command) && editor_->isReadOnly()) return;
    QTextCharFormat format;
    switch (command) {
    case Command::Bold:
        format.setFontWeight(action(command)->isChecked() ? QFont::Bold : QFont::Normal);
        return mergeFormat(format);
    case Command::Italic:
        format.setFontItalic(action(command)->isChecked());
        return mergeFormat(format);
    case Command::Underline:
        format.setFontUnderline(action(command)->isChecked());
        return mergeFormat(format);
    case Command::Color: return chooseColor();
    case Command::AlignLeft: editor_->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute); return showAlignment();
    case Command::AlignCenter: editor_->setAlignment(Qt::AlignHCenter); return showAlignment();
    case Command::AlignRight: editor_->setAlignment(Qt::AlignRight | Qt::AlignAbsolute); return showAlignment();
    case Command::Cut: return editor_->cut();
    case Command::Copy: return editor_->copy();
    case Command::Paste: return editor_->paste();
    case Command::RemoveFormatting: return removeFormatting();
    }
}

// On the selection, or without one on what is typed next.
void FormatToolBar::mergeFormat(const QTextCharFormat& format) {
    editor_->mergeCurrentCharFormat(format);
    showCharFormat(editor_->currentCharFormat());
}

void FormatToolBar::chooseColor() {
    const QColor color = QColorDialog::getColor(editor_->textColor(), editor_, QStringLiteral("Change text color"));
    if (!color.isValid()) return;  // cancelled
    QTextCharFormat format;
    format.setForeground(color);
    mergeFormat(format);
}

// Character formatting only: the text goes back to the editor's plain font and colour, while
// paragraphs keep their alignment.
void FormatToolBar::removeFormatting() {
    editor_->setCurrentCharFormat(QTextCharFormat());
    showCharFormat(editor_->currentCharFormat());
}

void FormatToolBar::showCharFormat(const QTextCharFormat& format) {
    action(Command::Bold)->setChecked(format.fontWeight() >= QFont::DemiBold);
    action(Command::Italic)->setChecked(format.fontItalic());
    action(Command::Underline)->setChecked(format.fontUnderline());
}

void FormatToolBar::showAlignment() {
    const Qt::Alignment alignment = editor_->alignment() & Qt::AlignHorizontal_Mask;
    const bool center = alignment & Qt::AlignHCenter;
    const bool justify = (alignment & Qt::AlignJustify) == Qt::AlignJustify;
    const bool right = !center && !justify && (alignment & Qt::AlignRight);
    action(Command::AlignCenter)->setChecked(center);
    action(Command::AlignRight)->setChecked(right);
    action(Command::AlignLeft)->setChecked(!center && !justify && !right);
}

void FormatToolBar::updateClipboardActions() {
    const bool selection = editor_->textCursor().hasSelection();
    const bool writable = !editor_->isReadOnly();
    action(Command::Copy)->setEnabled(selection);
    action(Command::Cut)->setEnabled(selection && writable);
    action(Command::Paste)->setEnabled(writable && editor_->canPaste());
}
