#pragma once
// A one-line keywords box: the comma hint in a label beside it, and auto-complete from the
// keywords in use on the Down arrow or Ctrl+Space, replacing only the keyword at the caret.
#include <QLineEdit>
#include <functional>
#include <string>
#include <vector>

class QCompleter;
class QLabel;
class QStringListModel;
class CDvDoc;

class KeywordsLineEdit final : public QLineEdit {
public:
    /// `folders` gives the folders of the item being edited, whose neighbours' keywords come first.
    KeywordsLineEdit(CDvDoc& doc, std::function<std::vector<std::u16string>()> folders, QWidget* parent = nullptr);

    /// The label that shows the comma hint; owned by the caller's layout.
    QLabel* hintLabel() const { return hint_; }
    /// Auto-complete as the keys do it: one candidate replaces the keyword at once, several are
    /// offered in the completer's popup. False when nothing was found.
    bool autoComplete();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void replaceFragment(const QString& candidate);

    CDvDoc& doc_;
    std::function<std::vector<std::u16string>()> folders_;
    QLabel* hint_;
    QCompleter* completer_;
    QStringListModel* candidates_;
    int fragmentStart_ = 0;
    int fragmentEnd_ = 0;
};
