#pragma once
// The report-style view of one item list: whole-row extended selection, the sort indicator of
// the list's own sort key, a header click that goes through the list's column click, and the
// view's focus, selection and top row reported back to the list so that a refill restores them.
#include <QStringList>
#include <QTreeView>
#include <functional>

class ItemListModel;

class ItemListView final : public QTreeView {
    Q_OBJECT

public:
    explicit ItemListView(ItemListModel* model, QWidget* parent = nullptr);

    ItemListModel* listModel() const { return model_; }
    /// GUIDs of the selected rows, top to bottom.
    QStringList selectedGuids() const;
    /// Makes the item's row current and the only one selected; false when it is not listed.
    bool selectGuid(const QString& guid);

    /// A header click sorted the list; `hint` is what the list said about it (may be empty).
    std::function<void(const QString& hint)> onSorted;
    /// A right click (or the menu key) on the rows, at `globalPos`.
    std::function<void(const QPoint& globalPos)> onItemMenu;
    /// A double click below the last row.
    std::function<void()> onEmptyDoubleClick;
    /// A right click on the header.
    std::function<void(const QPoint& globalPos)> onHeaderMenu;

    /// Another model (none, when the window goes) ends the reporting: the list may be gone.
    void setModel(QAbstractItemModel* model) override;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    void reportSelection();
    void reportFocus();
    void reportTopRow();
    void restoreFromList();
    void applyColumns();
    void showSortIndicator();

    ItemListModel* model_;
    QStringList shownColumns_;  // the variable names whose widths were last applied
    bool restoring_ = false;
    bool detached_ = false;
};
