#include "gui/item_command_menu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

#include "core/doc.h"
#include "gui/item_list_model.h"
#include "gui/item_list_view.h"
#include "gui/item_mime_data.h"
#include "gui/qt_ui.h"
#include "gui/undo_dialog.h"
#include "ops/delete_commands.h"
#include "ops/item_commands.h"
#include "ops/item_links.h"
#include "ops/operation_codes.h"
#include "platform/ui.h"
#include "views/cell_text.h"
#include "views/column_store.h"

namespace {

constexpr std::u16string_view kNothingSelected = u"Nothing selected";

std::vector<DvLink> linksOf(const QStringList& guids) {
    std::vector<DvLink> links;
    for (const QString& guid : guids) {
        DvLink link;
        link.guid = fromQString(guid);
        links.push_back(std::move(link));
    }
    return links;
}

std::vector<std::u16string> guidsOf(const QStringList& guids) {
    std::vector<std::u16string> out;
    for (const QString& guid : guids) out.push_back(fromQString(guid));
    return out;
}

}  // namespace

ItemCommandMenu::ItemCommandMenu(CDvDoc& doc, QWidget* window, Host host)
    : QObject(window), doc_(doc), window_(window), host_(std::move(host)) {
    // "&Everything" lists the columns the current folder shows for the item's type.
    DvSetItemColumnTexts([this](const CDvItem& item) {
        std::vector<DvColumnText> texts;
        const DvListOptions options = ItemListModel::currentOptions();
        for (const DvColumn& column : DvColumnsGetVisibleCols(doc_, fromQString(folder()), item.itemType))
            texts.push_back({column.displayName, DvCellText(item, column.name, options)});
        return texts;
    });
}

ItemCommandMenu::~ItemCommandMenu() { DvSetItemColumnTexts({}); }

QString ItemCommandMenu::folder() const {
    const QString path = host_.currentFolder ? host_.currentFolder() : QString();
    return path.isEmpty() ? QStringLiteral("\\") : path;
}

QStringList ItemCommandMenu::selection() const {
    ItemListView* list = host_.currentList ? host_.currentList() : nullptr;
    return list ? list->selectedGuids() : QStringList();
}

void ItemCommandMenu::fillEditMenu(QMenu* menu) {
    auto add = [this, menu](const QString& text, const QKeySequence& keys, auto slot) {
        QAction* action = menu->addAction(text);
        if (!keys.isEmpty()) action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(QStringLiteral("&Undo..."), QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { undo(); });
    menu->addSeparator();
    add(QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), [this] { copy(); });
    add(QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V), [this] { paste(); });
    menu->addSeparator();
    add(QStringLiteral("&Edit"), {}, [this] { edit(); });
    add(QStringLiteral("&Remove"), QKeySequence(Qt::Key_Delete), [this] { remove(false); });
    add(QStringLiteral("&Delete completely"), QKeySequence(Qt::SHIFT | Qt::Key_Delete), [this] { remove(true); });
    QMenu* convertMenu = menu->addMenu(QStringLiteral("Convert to"));
    const std::pair<const char*, int> targets[] = {
        {"&Task", DV_ITEM_TASK}, {"To &do", DV_ITEM_TODO}, {"&Note", DV_ITEM_NOTE}, {"&Contact", DV_ITEM_CONTACT}};
    for (const auto& [text, type] : targets)
        connect(convertMenu->addAction(QString::fromLatin1(text)), &QAction::triggered, this,
                [this, type = type] { convert(type); });
    menu->addSeparator();
    add(QStringLiteral("&Properties"), QKeySequence(Qt::ALT | Qt::Key_Return), [this] { properties(); })
        ->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)});
}

void ItemCommandMenu::showContextMenu(ItemListView& view, const QPoint& globalPos) {
    const QStringList guids = view.selectedGuids();
    const std::vector<DvLink> links = linksOf(guids);
    const std::vector<DvItemAction> actions = DvBuildItemActions(links, &doc_);
    QMenu menu(window_);
    std::function<void(QMenu*, const std::vector<DvItemMenuEntry>&)> fill = [&](QMenu* into,
                                                                               const std::vector<DvItemMenuEntry>& entries) {
        for (const DvItemMenuEntry& entry : entries) {
            if (!entry.command) {
                fill(into->addMenu(toQString(entry.text)), entry.submenu);
                continue;
            }
            const DvItemCommand command = *entry.command;
            QAction* action = into->addAction(toQString(entry.text));
            connect(action, &QAction::triggered, this, [this, command, links, actions] {
                // Copy and paste go through the system clipboard with the program's own format.
                if (command.kind == DvItemCommandKind::Copy) return copy();
                if (command.kind == DvItemCommandKind::Paste) return paste();
                DvExecuteItemCommand(links, command, 0, fromQString(folder()), &doc_, actions);
            });
        }
    };
    fill(&menu, DvItemContextMenu(actions));
    menu.exec(globalPos);
}

void ItemCommandMenu::copy() {
    const QStringList guids = selection();
    QMimeData* data = guids.isEmpty() ? nullptr : DvItemsMimeData(doc_, guids);
    if (!data) {
        dv::ui().Beep();
        return;
    }
    QGuiApplication::clipboard()->setMimeData(data);
}

void ItemCommandMenu::paste() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QString text = data ? DvLinkTextOf(*data) : QString();
    // Text that names no item of this database pastes nothing, without a message.
    if (text.isEmpty()) return;
    DvItemsOperation(fromQString(text), DV_OPERATION_COPY, {}, fromQString(folder()),
                     DV_OPERATION_FLAG_REFRESH | DV_OPERATION_FLAG_KEEP_TITLE, &doc_);
}

void ItemCommandMenu::remove(bool completely) {
    DvDeleteTarget target;
    target.treeHasFocus = host_.treeHasFocus && host_.treeHasFocus();
    target.currentFolder = fromQString(folder());
    target.selectedFolder = target.currentFolder;
    if (!target.treeHasFocus) target.selectedItems = guidsOf(selection());
    if (completely)
        DvDeleteCompletelyCommand(target, &doc_);
    else
        DvRemoveCommand(target, &doc_);
}

void ItemCommandMenu::convert(int itemType) {
    const QStringList guids = selection();
    if (guids.isEmpty()) {
        dv::ui().Beep();
        return;
    }
    DvConvertItems(linksOf(guids), itemType, 0, &doc_);
}

void ItemCommandMenu::properties() {
    const QStringList guids = selection();
    if (guids.isEmpty()) {
        dv::ui().ShowMessage(kNothingSelected);
        return;
    }
    DvExecuteItemCommand(linksOf(guids), {DvItemCommandKind::Properties}, 0, fromQString(folder()), &doc_);
}

void ItemCommandMenu::edit() {
    const QStringList guids = selection();
    if (guids.isEmpty()) {
        dv::ui().Beep();
        return;
    }
    DvExecuteItemCommand(linksOf(guids), {DvItemCommandKind::Open}, 0, fromQString(folder()), &doc_);
}

void ItemCommandMenu::undo() {
    UndoDialog dialog(doc_, window_);
    dialog.exec();
}
