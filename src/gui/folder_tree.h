#pragma once
// The folder tree of the main window: one node per folder of the document, renamed in place,
// reordered and deleted from its context menu, and the drop target for dragged items and folders.
#include <QSet>
#include <QTreeWidget>
#include <functional>

class QLabel;
class QMenu;
class QMimeData;
class CDvDoc;
class CDvFolder;

class FolderTree final : public QTreeWidget {
public:
    /// What the item lists put on a drag: the UTF-8 link text of the dragged items.
    static constexpr const char* kItemsMimeType = "application/x-dayvault-items";
    static constexpr int kPathRole = Qt::UserRole + 1;
    static constexpr int kGuidRole = Qt::UserRole + 2;

    explicit FolderTree(CDvDoc& doc, QWidget* parent = nullptr);

    /// Called after a change that the operations do not refresh the view for themselves.
    void setRefreshHook(std::function<void()> refresh) { refresh_ = std::move(refresh); }

    /// Builds the nodes again from the document. The selected folder stays selected when it still
    /// exists (even under another path); otherwise its nearest remaining ancestor is selected.
    /// `forgetState` drops the expanded branches of a database that is no longer open.
    void rebuild(bool forgetState = false);
    QString currentPath() const;
    /// Selects the folder at `path`, or its nearest existing ancestor, or the root.
    void selectPath(const QString& path);
    QTreeWidgetItem* itemForPath(const QString& path) const;

    /// The "new folder" command under the selected folder.
    void newFolder();
    /// Del and Shift+Del on the tree: asks, then deletes the selected folder with its items.
    void deleteSelectedFolder();
    void moveSelectedUp();
    void moveSelectedDown();
    /// Takes the name typed into a node: renames the folder, or says why not and keeps the name.
    bool renameFolder(const QString& guid, const QString& newName);

    /// The context menu of the folder at `path`, its actions carrying out the commands.
    QMenu* createContextMenu(const QString& path, QWidget* parent);
    /// A non-modal hint beside the selected node; the empty text hides it.
    void showHint(const QString& text);

    /// A drop of item or folder links on the folder `targetPath`: Alt adds the items to it, Ctrl
    /// copies them, no key moves them (folders move in the tree). False when nothing happened.
    bool dropLinks(const QMimeData* mime, Qt::KeyboardModifiers keys, const QString& targetPath);

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    Qt::DropActions supportedDropActions() const override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void addNode(QTreeWidgetItem* parent, const CDvFolder& folder);
    void rememberExpanded();
    void nodeEdited(QTreeWidgetItem* item, int column);
    void afterChange();
    bool acceptsDrag(QDropEvent* event) const;

    CDvDoc& doc_;
    std::function<void()> refresh_;
    QSet<QString> expanded_;  // GUIDs of the open branches, kept across rebuilds
    bool built_ = false;
    bool rebuilding_ = false;
    QLabel* hint_ = nullptr;
};
