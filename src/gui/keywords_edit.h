#pragma once
// The keywords box of the item editors and the search tool: keywords typed as one text separated
// by commas, a hint under the box for people who separate them with spaces, and auto-complete from
// the keywords already in use on the Down arrow or Ctrl+Space, replacing only the keyword at the
// caret.
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "views/keywords_edit_model.h"

class QLabel;
class QMenu;
class CDvDoc;

class KeywordsEdit final : public QWidget {
    Q_OBJECT
public:
    explicit KeywordsEdit(QWidget* parent = nullptr);

    /// Where candidates come from: the document and the folders of the item being edited (its
    /// neighbours' keywords are offered first). Without a document auto-complete does nothing.
    void setContext(const CDvDoc* doc, std::vector<std::u16string> itemFolders);
    /// The same for an editor whose folders change while it is open: asked on each auto-complete.
    void setContext(const CDvDoc* doc, std::function<std::vector<std::u16string>()> itemFolders);
    /// A box that only sometimes holds keywords (the search tool's conditions) switches the
    /// completion and the hint off while it holds other text.
    void setKeywordsMode(bool on);
    bool keywordsMode() const { return keywordsMode_; }

    QLineEdit* lineEdit() const { return edit_; }
    QString text() const;
    void setText(const QString& text);
    /// Read-only boxes show their keywords and never complete.
    void setReadOnly(bool on) { edit_->setReadOnly(on); }
    /// The comma hint as shown, empty when hidden.
    QString hint() const;

    /// Runs auto-complete as the keys do. A menu of several candidates is shown at the caret;
    /// `menuChoice` (tests) picks the entry of that index instead of waiting for the user, -1
    /// dismisses it. False when nothing could be offered.
    bool autoComplete();
    static constexpr int kAskUser = -2;
    void setMenuChoiceForTesting(int choice) { menuChoice_ = choice; }
    /// The candidates of the last menu (separator entries empty).
    const std::vector<std::u16string>& lastMenu() const { return lastMenu_; }

signals:
    void textChanged(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateHint();
    void replaceFragmentWithModelText(const DvTextSelection& fragment);

    QLineEdit* edit_;
    QLabel* hint_;
    const CDvDoc* doc_ = nullptr;
    std::function<std::vector<std::u16string>()> itemFolders_;
    bool keywordsMode_ = true;
    bool swallowRelease_ = false;
    int menuChoice_ = kAskUser;
    std::vector<std::u16string> lastMenu_;
    CDvKeywordsEditModel model_;
};
