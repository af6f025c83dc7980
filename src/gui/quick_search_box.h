#pragma once
// The quick search box of the main window's toolbar: half a second after the user stops typing,
// the drop-down lists the best matches of the current folder, then those from elsewhere.
#include <QComboBox>
#include <QTimer>

#include "views/quick_search_combo_model.h"

class QCompleter;
class CDvDoc;

class QuickSearchBox final : public QComboBox, private DvQuickSearchListener {
    Q_OBJECT
public:
    explicit QuickSearchBox(CDvDoc& doc, QWidget* parent = nullptr);

    /// The folder and item type (0 all) the first pass searches; the main window hands them in
    /// whenever the folder or the tab changes.
    void setScope(const QString& folderPath, int itemType);
    CDvQuickSearchComboBoxModel& model() { return model_; }
    /// One 500 ms tick: runs a pending search and shows its rows.
    void tick();
    /// The drop-down row `row` chosen.
    void choose(int row);
    /// The list that drops down under the box after a search; typing goes on in the box.
    QWidget* resultPopup() const;

signals:
    /// The user chose this item: the window shows it in its list.
    void itemChosen(const QString& guid);
    /// A hint for the status line.
    void hintOffered(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void showRows();
    void LocateItem(const std::u16string& guid) override;

    CDvQuickSearchComboBoxModel model_;
    QTimer timer_;
    QCompleter* results_;
    bool filling_ = false;
};
