#include "gui/folder_tree.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <memory>

#include "core/doc.h"
#include "gui/qt_ui.h"
#include "ops/folder_commands.h"
#include "ops/folder_operations.h"
#include "ops/folder_paths.h"
#include "ops/item_links.h"
#include "ops/main_window_port.h"
#include "platform/ui.h"

namespace {

Qt::DropAction dropActionFor(Qt::KeyboardModifiers keys) {
    switch (DvDropChoiceForKeys(keys & Qt::AltModifier, keys & Qt::ControlModifier).effect) {
    case DvDropEffect::Link: return Qt::LinkAction;
    case DvDropEffect::Copy: return Qt::CopyAction;
    case DvDropEffect::Move: break;
    }
    return Qt::MoveAction;
}

// The item lists put their links under our own type; other programs (and older drags) as text.
QString linkText(const QMimeData* data) {
    if (!data) return {};
    if (data->hasFormat(QLatin1String(FolderTree::kItemsMimeType)))
        return QString::fromUtf8(data->data(QLatin1String(FolderTree::kItemsMimeType)));
    return data->hasText() ? data->text() : QString();
}

bool isLinkText(const QString& text) {
    std::vector<DvLink> links;
    return !text.isEmpty() && DvParseLinks(fromQString(text), links);
}

QColor qtColour(uint32_t bgr) { return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }

}  // namespace

FolderTree::FolderTree(CDvDoc& doc, QWidget* parent) : QTreeWidget(parent), doc_(doc) {
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // F2, or a click on the folder that is already selected, edits its name in place.
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDragDropOverwriteMode(true);  // a drop lands on a folder, never between two
    connect(this, &QTreeWidget::itemChanged, this, &FolderTree::nodeEdited);
}

void FolderTree::rebuild(bool forgetState) {
    const QString keepPath = forgetState ? QString() : currentPath();
    const QString keepGuid =
        (forgetState || !currentItem()) ? QString() : currentItem()->data(0, kGuidRole).toString();
    if (forgetState) expanded_.clear();
    else if (built_) rememberExpanded();
    const bool fresh = !built_ || forgetState;
    QTreeWidgetItem* chosen = nullptr;
    {
        const QSignalBlocker quiet(this);
        rebuilding_ = true;
        clear();
        {
            auto lock = doc_.Lock();
            addNode(nullptr, doc_.root);
        }
        for (QTreeWidgetItemIterator it(this); *it; ++it) {
            const QString guid = (*it)->data(0, kGuidRole).toString();
            if (!(*it)->parent()) (*it)->setExpanded(fresh || expanded_.contains(guid));
            else if (!fresh && expanded_.contains(guid)) (*it)->setExpanded(true);
            if (!keepGuid.isEmpty() && guid.compare(keepGuid, Qt::CaseInsensitive) == 0) chosen = *it;
        }
        if (!chosen) {
            QString path = keepPath;
            while (!chosen && !path.isEmpty() && !DvIsRootPath(fromQString(path))) {
                chosen = itemForPath(path);
                path = toQString(DvTextBeforeLastSeparator(fromQString(path)));
            }
            if (!chosen) chosen = topLevelItem(0);
        }
        if (chosen) {
            setCurrentItem(chosen);
            scrollToItem(chosen);
        }
        rebuilding_ = false;
    }
    built_ = true;
    // The view follows the selected folder; a folder that went away takes the view elsewhere.
    if (currentPath() != keepPath) emit currentItemChanged(currentItem(), nullptr);
}

void FolderTree::rememberExpanded() {
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        const QString guid = (*it)->data(0, kGuidRole).toString();
        if ((*it)->isExpanded()) expanded_.insert(guid);
        else expanded_.remove(guid);
    }
}

void FolderTree::addNode(QTreeWidgetItem* parent, const CDvFolder& folder) {
    auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    node->setText(0, toQString(folder.title));
    node->setData(0, kPathRole, toQString(FolderPath(&folder)));
    node->setData(0, kGuidRole, toQString(folder.guid));
    node->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
    if (!folder.IsRoot()) flags |= Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
    node->setFlags(flags);
    if (const auto colour = FolderColour(&folder, false)) node->setForeground(0, qtColour(*colour));
    for (const auto& child : folder.Children()) addNode(node, *child);
}

QString FolderTree::currentPath() const {
    const QTreeWidgetItem* item = currentItem();
    return item ? item->data(0, kPathRole).toString() : QString();
}

QTreeWidgetItem* FolderTree::itemForPath(const QString& path) const {
    const QString wanted = path.isEmpty() ? QStringLiteral("\\") : path;
    for (QTreeWidgetItemIterator it(const_cast<FolderTree*>(this)); *it; ++it)
        if ((*it)->data(0, kPathRole).toString().compare(wanted, Qt::CaseInsensitive) == 0) return *it;
    return nullptr;
}

void FolderTree::selectPath(const QString& path) {
    QString nearest = path;
    QTreeWidgetItem* item = nullptr;
    while (!(item = itemForPath(nearest)) && !nearest.isEmpty())
        nearest = toQString(DvTextBeforeLastSeparator(fromQString(nearest)));
    if (!item) item = topLevelItem(0);
    if (!item) return;
    setCurrentItem(item);
    scrollToItem(item);
}

// ---- commands

void FolderTree::newFolder() {
    const QString parentPath = currentPath();
    const CDvFolder* created = DvNewFolderCommand(fromQString(parentPath), &doc_);
    if (!created) return;
    const QString guid = toQString(created->guid);
    if (!DvMainWindow()) rebuild();
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        if ((*it)->data(0, kGuidRole).toString() == guid) scrollToItem(*it);  // opens its parent
    afterChange();
}

void FolderTree::deleteSelectedFolder() {
    const QString path = currentPath();
    if (path.isEmpty()) {
        dv::ui().Beep();
        return;
    }
    if (DvDeleteFolderCommand(fromQString(path), &doc_) && !DvMainWindow()) rebuild();
}

void FolderTree::moveSelectedUp() {
    if (DvMoveFolderUp(fromQString(currentPath()), DV_OPERATION_FLAG_REFRESH, &doc_) && !DvMainWindow()) rebuild();
}

void FolderTree::moveSelectedDown() {
    if (DvMoveFolderDown(fromQString(currentPath()), DV_OPERATION_FLAG_REFRESH, &doc_) && !DvMainWindow()) rebuild();
}

bool FolderTree::renameFolder(const QString& guid, const QString& newName) {
    if (newName.isEmpty()) return false;  // an emptied name changes nothing
    // A separator would make the name a path: refused like in the properties dialog.
    if (!DvIsAcceptableFolderName(fromQString(newName))) {
        dv::ui().ShowMessage(u"Unacceptable folder name");
        return false;
    }
    std::u16string oldPath, newPath;
    {
        auto lock = doc_.Lock();
        const CDvFolder* folder = DvFindFolderByGuid(doc_.root, fromQString(guid));
        if (!folder) return false;
        oldPath = FolderPath(folder);
        newPath = DvJoinFolderPath(FolderPath(folder->Parent()), fromQString(newName));
    }
    if (!DvOperationFolderRename(oldPath, newPath, DV_OPERATION_FLAG_REFRESH, &doc_)) return false;
    if (!DvMainWindow()) rebuild();
    afterChange();  // items below the folder now carry the new path
    return true;
}

void FolderTree::nodeEdited(QTreeWidgetItem* item, int column) {
    if (rebuilding_ || column != 0) return;
    const QString name = item->text(0);
    const QString oldName = toQString(DvFolderPathName(fromQString(item->data(0, kPathRole).toString())));
    if (name == oldName) return;
    {
        // The node shows the folder's name until the rename has gone through; a refused name
        // leaves it as it was.
        const QSignalBlocker quiet(this);
        item->setText(0, oldName);
    }
    const QString guid = item->data(0, kGuidRole).toString();
    // The editor is still closing: the rename rebuilds the tree once it is done.
    QTimer::singleShot(0, this, [this, guid, name] { renameFolder(guid, name); });
}

void FolderTree::afterChange() {
    if (refresh_) refresh_();
}

// ---- context menu and keys

QMenu* FolderTree::createContextMenu(const QString& path, QWidget* parent) {
    auto* menu = new QMenu(parent);
    for (const DvFolderMenuEntry& entry : DvFolderTreeMenu(fromQString(path), &doc_)) {
        if (entry.command == DvFolderMenuCommand::Separator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(toQString(entry.text));
        action->setEnabled(entry.enabled);
        const DvFolderMenuCommand command = entry.command;
        connect(action, &QAction::triggered, this, [this, command, path] {
            if (command == DvFolderMenuCommand::CreateSubfolder) {
                selectPath(path);
                newFolder();
                return;
            }
            DvRunFolderMenuCommand(command, fromQString(path), &doc_);
            if (!DvMainWindow()) rebuild();
        });
    }
    return menu;
}

void FolderTree::contextMenuEvent(QContextMenuEvent* event) {
    const bool mouse = event->reason() == QContextMenuEvent::Mouse;
    QTreeWidgetItem* item = mouse ? itemAt(event->pos()) : currentItem();
    if (!item) return;
    const QString path = item->data(0, kPathRole).toString();
    const QPoint at = mouse ? event->globalPos() : viewport()->mapToGlobal(visualItemRect(item).center());
    selectPath(path);
    const std::unique_ptr<QMenu> menu(createContextMenu(path, this));
    menu->exec(at);
}

// Del on the focused tree is the folder's delete, even when a menu of the window has Del for items.
bool FolderTree::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        event->accept();
        return true;
    }
    return QTreeWidget::event(event);
}

void FolderTree::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {  // with or without Shift: the folder goes completely
        deleteSelectedFolder();
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void FolderTree::showHint(const QString& text) {
    if (text.isEmpty()) {
        if (hint_) hint_->hide();
        return;
    }
    if (!hint_) {
        hint_ = new QLabel(this, Qt::ToolTip);
        hint_->setForegroundRole(QPalette::ToolTipText);
        hint_->setBackgroundRole(QPalette::ToolTipBase);
        hint_->setAutoFillBackground(true);
        hint_->setFrameStyle(QFrame::Box | QFrame::Plain);
        hint_->setMargin(4);
    }
    hint_->setText(text);
    hint_->adjustSize();
    // Beside the node's name, so the folders around it stay readable.
    const QTreeWidgetItem* item = currentItem();
    const QRect node = item ? visualItemRect(item) : QRect();
    const int iconAndGap = style()->pixelMetric(QStyle::PM_SmallIconSize) + 12;
    const int textEnd = item ? node.left() + iconAndGap + fontMetrics().horizontalAdvance(item->text(0)) : 0;
    hint_->move(viewport()->mapToGlobal(QPoint(textEnd + 8, node.center().y() - hint_->height() / 2)));
    hint_->show();
}

// ---- drag and drop

QStringList FolderTree::mimeTypes() const {
    return {QLatin1String(kItemsMimeType), QStringLiteral("text/plain")};
}

QMimeData* FolderTree::mimeData(const QList<QTreeWidgetItem*>& items) const {
    std::vector<DvLink> links;
    for (const QTreeWidgetItem* item : items) {
        DvLink link;
        link.guid = fromQString(item->data(0, kGuidRole).toString());
        link.kind = DvLink::kFolder;
        links.push_back(std::move(link));
    }
    const QString text = toQString(DvLinksText(links));
    auto* mime = new QMimeData;
    mime->setData(QLatin1String(kItemsMimeType), text.toUtf8());
    mime->setText(text);
    return mime;
}

Qt::DropActions FolderTree::supportedDropActions() const {
    return Qt::MoveAction | Qt::CopyAction | Qt::LinkAction;
}

// The drop does the whole work through the operations; the view must not take the dragged
// node out afterwards as a plain item view would.
void FolderTree::startDrag(Qt::DropActions supportedActions) {
    const QList<QTreeWidgetItem*> items = selectedItems();
    if (items.isEmpty() || !(items.front()->flags() & Qt::ItemIsDragEnabled)) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(mimeData(items));
    drag->setPixmap(items.front()->icon(0).pixmap(16, 16));
    drag->exec(supportedActions | supportedDropActions(), Qt::MoveAction);
}

bool FolderTree::acceptsDrag(QDropEvent* event) const { return isLinkText(linkText(event->mimeData())); }

void FolderTree::dragEnterEvent(QDragEnterEvent* event) {
    if (!acceptsDrag(event)) {
        event->ignore();
        return;
    }
    QTreeWidget::dragEnterEvent(event);
    event->setDropAction(dropActionFor(event->modifiers()));
    event->accept();
}

void FolderTree::dragMoveEvent(QDragMoveEvent* event) {
    QTreeWidget::dragMoveEvent(event);  // scrolling, opening branches, the frame round the target
    if (!itemAt(event->position().toPoint()) || !acceptsDrag(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(dropActionFor(event->modifiers()));
    event->accept();
}

void FolderTree::dropEvent(QDropEvent* event) {
    stopAutoScroll();
    setState(QAbstractItemView::NoState);
    viewport()->update();
    const QTreeWidgetItem* target = itemAt(event->position().toPoint());
    const QString text = linkText(event->mimeData());
    if (!target || !isLinkText(text)) {
        event->ignore();
        return;
    }
    const Qt::KeyboardModifiers keys = event->modifiers();
    event->setDropAction(dropActionFor(keys));
    event->accept();
    const QString path = target->data(0, kPathRole).toString();
    // The drag source is still inside its drag loop: change the tree once it has returned.
    QTimer::singleShot(0, this, [this, text, keys, path] {
        QMimeData dropped;
        dropped.setData(QLatin1String(kItemsMimeType), text.toUtf8());
        dropLinks(&dropped, keys, path);
    });
}

bool FolderTree::dropLinks(const QMimeData* mime, Qt::KeyboardModifiers keys, const QString& targetPath) {
    const QString text = linkText(mime);
    if (text.isEmpty() || targetPath.isEmpty()) return false;
    const int result = DvDropOnFolder(fromQString(text), keys & Qt::AltModifier, keys & Qt::ControlModifier,
                                      fromQString(currentPath()), fromQString(targetPath), &doc_);
    if (!DvMainWindow()) rebuild();
    return result != 0;
}
