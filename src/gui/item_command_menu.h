#pragma once
// The commands on the items of the lists: the "&Edit" menu of the main window with its keys, and
// the item context menu of a list. The work is done by the item operations; this class finds the
// selection, asks where a command needs it, and carries items through the system clipboard.
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

class CDvDoc;
class ItemListView;
class QMenu;
class QWidget;

class ItemCommandMenu final : public QObject {
public:
    /// What the commands need to know about the window.
    struct Host {
        std::function<ItemListView*()> currentList;  // the list of the selected tab, or nullptr
        std::function<QString()> currentFolder;      // the folder selected in the tree
        std::function<bool()> treeHasFocus;          // Del and Shift+Del then act on the folder
    };

    ItemCommandMenu(CDvDoc& doc, QWidget* window, Host host);
    ~ItemCommandMenu() override;

    /// Adds the commands with their keys: "&Undo...", copy and paste, "&Edit", "&Remove",
    /// "&Delete completely", "Convert to", "&Properties".
    void fillEditMenu(QMenu* menu);
    /// The item context menu of `view` at `globalPos`.
    void showContextMenu(ItemListView& view, const QPoint& globalPos);

    // The commands, also for the tests.
    void copy();
    /// Copies of the clipboard's items into the current folder, keeping their titles.
    void paste();
    void remove(bool completely);
    void convert(int itemType);
    void properties();
    void edit();
    void undo();

private:
    QStringList selection() const;
    QString folder() const;

    CDvDoc& doc_;
    QWidget* window_;
    Host host_;
};
