#pragma once
// The item panel beside the lists: the selected item's rich-text note, its values for in-place
// editing and its values as text, on three tabs. Changes go back into the document when the
// editor or the values list loses the focus, and before another item is shown.
#include <QString>
#include <QWidget>
#include <memory>

class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QTableWidget;
class QTextEdit;
class CDvDoc;
class CDvItemPanelModel;

class ItemPanel final : public QWidget {
    Q_OBJECT

public:
    explicit ItemPanel(CDvDoc& doc, QWidget* parent = nullptr);
    ~ItemPanel() override;

    /// Saves the shown item back, then shows the item with `guid`; the empty text shows nothing.
    void displayItem(const QString& guid);
    void saveBack();
    /// Set by the view that uses the panel.
    void setEditValuesAvailable(bool available);
    void setShowValuesAvailable(bool available);

    /// The GUID of the item shown, empty when none.
    QString shownGuid() const;
    QTextEdit* editor() const { return editor_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Editor;
    void tabChosen(int index);
    void syncTab();
    void fillCurrentTab();
    void fillValues();
    void startEditing(int row);
    void finishEditing(bool commit, int key);

    std::unique_ptr<Editor> editorPort_;
    std::unique_ptr<CDvItemPanelModel> model_;
    QTabWidget* tabs_ = nullptr;
    QTextEdit* editor_ = nullptr;
    QTableWidget* values_ = nullptr;
    QLineEdit* cellEdit_ = nullptr;  // the one-line edit box over a value cell
    QPlainTextEdit* valuesText_ = nullptr;
};
