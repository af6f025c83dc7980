#include "ops/item_commands.h"

#include <algorithm>

#include "core/doc.h"
#include "ops/delete_commands.h"
#include "ops/document_p.h"
#include "ops/item_operations.h"
#include "ops/main_window_port.h"
#include "ops/selection_p.h"
#include "platform/numbers.h"
#include "platform/ui.h"

using dv::detail::docOrCurrent;
using dv::detail::itemsBeforeFirstFolder;

namespace {

constexpr std::u16string_view kItemSeparatorLine = u"\r\n*********************";
constexpr int kRefillKeepingKeywords = 1;

DvItemColumnTexts& columnTexts() {
    static DvItemColumnTexts provider;
    return provider;
}

std::vector<DvItemMenuEntry> percentEntries(DvItemCommandKind kind, std::u16string_view lowWord,
                                            std::u16string_view highWord) {
    std::vector<DvItemMenuEntry> entries;
    for (int percent = 0; percent <= 100; percent += 10) {
        std::u16string text = dv::formatInt64(percent) + u"%";
        if (percent == 0) text += u" (" + std::u16string(lowWord) + u")";
        if (percent == 100) text += u" (" + std::u16string(highWord) + u")";
        entries.push_back({text, DvItemCommand{kind, percent}, {}});
    }
    return entries;
}

DvItemMenuEntry command(std::u16string text, DvItemCommandKind kind) {
    return {std::move(text), DvItemCommand{kind}, {}};
}

DvItemMenuEntry submenu(std::u16string text, std::vector<DvItemMenuEntry> entries) {
    return {std::move(text), std::nullopt, std::move(entries)};
}

// Priority, completion and "Toogle": the quick settings, without an undo entry.
int setPercent(const std::vector<std::u16string>& guids, DvItemCommand cmd, CDvDoc& doc) {
    auto lock = doc.Lock();
    int changed = 0;
    for (const auto& guid : guids) {
        CDvItem* item = doc.FindItemByGuid(guid);
        if (!item) continue;
        const unsigned percent = static_cast<unsigned>(std::clamp(cmd.value, 0, 100));
        if (cmd.kind == DvItemCommandKind::Priority)
            item->SetPriority(percent);
        else if (cmd.kind == DvItemCommandKind::Completion)
            item->SetCompletion(percent);
        else
            item->SetCompletion(item->completion == 100 ? 0 : 100);
        ++changed;
    }
    if (DvMainWindow()) DvMainWindow()->RefreshContents(kRefillKeepingKeywords);
    return changed ? 1 : 0;
}

int copyAsText(const std::vector<DvLink>& selection, DvCopyDepth depth, CDvDoc& doc) {
    const std::u16string text = DvItemsAsText(selection, depth, &doc);
    if (text.empty()) return 0;
    return dv::ui().SetClipboardText(text) ? 1 : 0;
}

int convertTo(const std::vector<DvLink>& selection, int itemType, unsigned flags, CDvDoc& doc) {
    return DvConvertItems(selection, itemType, flags, &doc) ? 1 : 0;
}

int removeItems(const std::vector<std::u16string>& guids, unsigned flags, std::u16string_view currentFolder,
                CDvDoc& doc) {
    if (guids.empty()) return 0;
    if (!(flags & DV_ITEM_COMMAND_NO_QUESTIONS) &&
        dv::ui().Ask(kDvDeleteItemsQuestion, dv::Buttons::OkCancel) != dv::Answer::Ok)
        return 0;
    return DvOperationItems(guids, DV_OPERATION_REMOVE, currentFolder, {}, DV_OPERATION_FLAG_REFRESH, &doc);
}

int locate(const std::u16string& guid, CDvDoc& doc) {
    auto lock = doc.Lock();
    const CDvItem* item = doc.FindItemByGuid(guid);
    if (!item || !DvMainWindow()) return 0;
    DvMainWindow()->LocateItem(item->folders.empty() ? std::u16string(kDvRootPath) : item->folders.front(), item->guid);
    return 1;
}

}  // namespace

std::vector<DvItemMenuEntry> DvItemContextMenu(const std::vector<DvItemAction>& actions) {
    using K = DvItemCommandKind;
    std::vector<DvItemMenuEntry> completed = {command(u"Toogle", K::ToggleCompletion)};
    for (auto& entry : percentEntries(K::Completion, u"no", u"yes")) completed.push_back(std::move(entry));
    std::vector<DvItemMenuEntry> menu = {
        command(u"Open\t(Enter or double click)", K::Open),
        command(u"&Copy\t(Ctrl+C)", K::Copy),
        command(u"&Paste\t(Ctrl+V)", K::Paste),
        submenu(u"Copy as &text",
                {command(u"&Title only", K::CopyTitleOnly), command(u"Title && &&contents", K::CopyTitleAndContents),
                 command(u"&Everything", K::CopyEverything)}),
        submenu(u"Conv&ert to", {command(u"&Task", K::ConvertToTask), command(u"To &do", K::ConvertToTodo),
                                 command(u"&Note", K::ConvertToNote), command(u"&Contact", K::ConvertToContact)}),
        submenu(u"P&riority", percentEntries(K::Priority, u"low", u"high")),
        submenu(u"C&ompleted", std::move(completed)),
        command(u"&Remove\t(del)", K::Remove),
        command(u"&Locate item", K::Locate),
        command(u"&Properties\t(Alt+Enter)", K::Properties),
    };
    if (!actions.empty()) {
        std::vector<DvItemMenuEntry> specific;
        for (size_t i = 0; i < actions.size(); ++i)
            specific.push_back({DvItemActionLabel(actions[i]), DvItemCommand{K::RunAction, static_cast<int>(i)}, {}});
        menu.push_back(submenu(u"Item specific", std::move(specific)));
    }
    return menu;
}

void DvSetItemColumnTexts(DvItemColumnTexts provider) { columnTexts() = std::move(provider); }

std::u16string DvItemsAsText(const std::vector<DvLink>& selection, DvCopyDepth depth, CDvDoc* given) {
    CDvDoc& doc = docOrCurrent(given);
    auto lock = doc.Lock();
    const std::u16string separator = selection.size() > 1 ? u"\r\n" : u"";
    std::u16string text;
    for (const auto& guid : itemsBeforeFirstFolder(selection)) {
        const CDvItem* item = doc.FindItemByGuid(guid);
        if (!item) continue;
        if (depth == DvCopyDepth::TitleOnly) {
            text += item->title + separator;
            continue;
        }
        if (!text.empty()) text += kItemSeparatorLine;
        text += item->title + separator;
        if (const std::u16string& plain = item->GetPlainText(); !plain.empty()) text += u"\r\n" + plain;
        if (depth != DvCopyDepth::Everything || !columnTexts()) continue;
        for (const auto& column : columnTexts()(*item))
            if (!column.value.empty()) text += column.title + u":" + column.value + u"\r\n";
    }
    return text;
}

int DvExecuteItemCommand(const std::vector<DvLink>& selection, DvItemCommand cmd, unsigned flags,
                         std::u16string_view currentFolder, CDvDoc* given, const std::vector<DvItemAction>& actions) {
    using K = DvItemCommandKind;
    CDvDoc& doc = docOrCurrent(given);
    const std::vector<std::u16string> guids = itemsBeforeFirstFolder(selection);
    switch (cmd.kind) {
    case K::Open:
        if (guids.empty() || !DvMainWindow()) return 0;
        DvMainWindow()->OpenItemEditor(guids.front());
        return 1;
    case K::Copy:
        return DvCopyItemsToClipboard(guids, &doc) ? 1 : 0;
    case K::Paste:
        return DvPasteItems(currentFolder, &doc);
    case K::CopyTitleOnly:
        return copyAsText(selection, DvCopyDepth::TitleOnly, doc);
    case K::CopyTitleAndContents:
        return copyAsText(selection, DvCopyDepth::TitleAndContents, doc);
    case K::CopyEverything:
        return copyAsText(selection, DvCopyDepth::Everything, doc);
    case K::ConvertToTask:
        return convertTo(selection, DV_ITEM_TASK, flags, doc);
    case K::ConvertToTodo:
        return convertTo(selection, DV_ITEM_TODO, flags, doc);
    case K::ConvertToNote:
        return convertTo(selection, DV_ITEM_NOTE, flags, doc);
    case K::ConvertToContact:
        return convertTo(selection, DV_ITEM_CONTACT, flags, doc);
    case K::Priority:
    case K::Completion:
    case K::ToggleCompletion:
        return guids.empty() ? 0 : setPercent(guids, cmd, doc);
    case K::Remove:
        return removeItems(guids, flags, currentFolder, doc);
    case K::Locate:
        return guids.empty() ? 0 : locate(guids.front(), doc);
    case K::Properties:
        if (guids.empty() || !DvMainWindow()) return 0;
        DvMainWindow()->ShowItemProperties(guids);
        return 1;
    case K::RunAction:
        if (cmd.value < 0 || static_cast<size_t>(cmd.value) >= actions.size()) return 0;
        DvRunItemAction(actions[static_cast<size_t>(cmd.value)]);
        return 1;
    }
    return 0;
}
