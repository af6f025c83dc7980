#pragma once
// The small toolbar of formatting commands beside a rich-text editor: bold, italic, underline,
// text colour, alignment, the clipboard and removing formatting. Its shortcuts work while the
// editor has the focus, and its check marks follow the format at the cursor.
#include <QToolBar>

class QAction;
class QTextCharFormat;
class QTextEdit;

class FormatToolBar final : public QToolBar {
public:
    enum class Command { Bold, Italic, Underline, Color, AlignLeft, AlignCenter, AlignRight, Cut, Copy, Paste, RemoveFormatting };

    /// Binds the toolbar to `editor`, which must outlive it (it normally sits beside it in the
    /// same parent).
    explicit FormatToolBar(QTextEdit* editor, QWidget* parent = nullptr);

    QAction* action(Command command) const;

private:
    void add(Command command);
    void run(Command command);
    void mergeFormat(const QTextCharFormat& format);
    void chooseColor();
    void removeFormatting();
    void showCharFormat(const QTextCharFormat& format);
    void showAlignment();
    void updateClipboardActions();

    QTextEdit* editor_;
    QAction* actions_[int(Command::RemoveFormatting) + 1] = {};
};
