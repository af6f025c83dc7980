#include "ops/item_operations.h"

#include <algorithm>

#include "core/doc.h"
#include "ops/document_p.h"
#include "ops/folder_paths.h"
#include "ops/main_window_port.h"
#include "ops/undo.h"
#include "platform/locale_text.h"
#include "platform/ui.h"

using dv::detail::docOrCurrent;

namespace {

// Removing from a folder strips at most this many entries from one item.
constexpr int kMaxEntriesRemoved = 100;

DvUndoKind undoKindFor(int code) {
    switch (code) {
    case DV_OPERATION_DELETE:
        return DvUndoKind::Delete;
    case DV_OPERATION_REMOVE:
        return DvUndoKind::Remove;
    default:
        return DvUndoKind::Modify;
    }
}

bool hasFolder(const CDvItem& item, std::u16string_view path) {
    return std::any_of(item.folders.begin(), item.folders.end(),
                       [&](const auto& entry) { return DvSameFolderPath(path, entry); });
}

void removeFromDocument(CDvDoc& doc, const CDvItem* item) {
    const auto it = std::find_if(doc.items.begin(), doc.items.end(), [&](const auto& p) { return p.get() == item; });
    if (it != doc.items.end()) doc.items.erase(it);
}

// Code 2: the item leaves the current folder; one that would be left in no folder is deleted.
bool removeFromFolder(CDvDoc& doc, CDvItem& item, std::u16string_view source, bool withSubfolders) {
    if (item.folders.size() == 1) {
        removeFromDocument(doc, &item);
        return true;
    }
    int removed = 0;
    std::erase_if(item.folders, [&](const std::u16string& entry) {
        if (removed >= kMaxEntriesRemoved || source.empty()) return false;
        const int depth = PathDepth(source, entry);
        if (depth == 0 || (depth > 0 && withSubfolders)) return ++removed, true;
        return false;
    });
    if (item.folders.empty()) {
        removeFromDocument(doc, &item);
        return true;
    }
    return removed > 0;
}

// Code 3. Returns whether the folder list changed; reports an item it cannot move.
bool moveToFolder(CDvItem& item, std::u16string_view source, const std::u16string& target, bool& moved) {
    moved = false;
    if (target.empty()) return false;
    std::u16string* entry = nullptr;
    if (item.folders.size() == 1) {
        entry = &item.folders.front();
    } else {
        const auto it = std::find_if(item.folders.begin(), item.folders.end(),
                                     [&](const auto& e) { return DvSameFolderPath(source, e); });
        if (it == item.folders.end()) {
            dv::ui().ShowMessage(DvCouldNotMoveText(item.title));
            return false;
        }
        entry = &*it;
    }
    moved = true;
    if (*entry == target) return false;
    // An item already filed under the target only leaves the source: no entry twice.
    if (item.folders.size() > 1 && hasFolder(item, target)) {
        item.folders.erase(item.folders.begin() + (entry - item.folders.data()));
        return true;
    }
    *entry = target;
    return true;
}

bool addFolder(CDvItem& item, const std::u16string& target) {
    if (hasFolder(item, target)) return false;
    item.folders.push_back(target);
    return true;
}

CDvItem& appendCopy(CDvDoc& doc, const CDvItem& item, const std::u16string& target, bool keepTitle) {
    auto copy = std::make_unique<CDvItem>(item);
    copy->NewGuid();
    copy->created = DvDateTime::Now();
    if (!keepTitle) copy->title = u"Copy of " + copy->title;
    // Copied into one of its own folders it keeps them all; elsewhere it lives only there.
    if (!target.empty()) {
        if (std::find(copy->folders.begin(), copy->folders.end(), target) == copy->folders.end()) copy->folders.clear();
        addFolder(*copy, target);
    }
    copy->index = static_cast<int>(doc.items.size());
    doc.items.push_back(std::move(copy));
    return *doc.items.back();
}

}  // namespace

std::u16string DvCouldNotMoveText(std::u16string_view title) {
    return u"could not move:" + std::u16string(title) +
           u"\r\n\r\n"
           u"reason: item belongs to many folders, but currently you are not in one of them, but instead in a parent "
           u"folder. This means I don't know from where to where should I move this item."
           u"\r\n\r\n"
           u"solution: go to the folder to which this item directly belongs, and from which you'd like to move it. "
           u"I'm really sorry for displaying so long and complicated message, I really don't like doing this."
           u"\r\n\r\n";
}

int DvOperationItems(const std::vector<std::u16string>& guids, int code, std::u16string_view sourceIn,
                     std::u16string_view targetIn, unsigned flags, CDvDoc* given,
                     std::vector<std::u16string>* changed) {
    if (code < DV_OPERATION_DELETE || code > DV_OPERATION_COPY) return 0;
    CDvDoc& doc = docOrCurrent(given);
    auto lock = doc.Lock();
    const std::u16string source = DvNormalizeFolderPath(sourceIn);
    const std::u16string target = DvNormalizeFolderPath(targetIn);

    std::vector<const CDvItem*> found;
    for (const auto& guid : guids)
        if (const CDvItem* item = doc.FindItemByGuid(guid)) found.push_back(item);
    // An entry without items would undo nothing.
    if (!found.empty()) DvUndoList().Record(found, undoKindFor(code), doc);

    bool any = false;
    for (const auto& guid : guids) {
        CDvItem* item = doc.FindItemByGuid(guid);
        if (!item) continue;
        switch (code) {
        case DV_OPERATION_DELETE:
            removeFromDocument(doc, item);
            any = true;
            break;
        case DV_OPERATION_REMOVE:
            any |= removeFromFolder(doc, *item, source, flags & DV_OPERATION_FLAG_SUBFOLDERS);
            break;
        case DV_OPERATION_MOVE: {
            bool moved = false;
            any |= moveToFolder(*item, source, target, moved);
            if (moved && changed) changed->push_back(item->guid);
            break;
        }
        case DV_OPERATION_ADD:
            if (target.empty()) break;
            any |= addFolder(*item, target);
            if (changed) changed->push_back(item->guid);
            break;
        case DV_OPERATION_COPY: {
            const CDvItem& copy = appendCopy(doc, *item, target, flags & DV_OPERATION_FLAG_KEEP_TITLE);
            if (changed) changed->push_back(copy.guid);
            any = true;
            break;
        }
        }
    }
    doc.RenumberItems();  // deletions and copies moved the places of the items after them
    if (any && (flags & DV_OPERATION_FLAG_REFRESH) && DvMainWindow()) DvMainWindow()->RefreshContents(0);
    return any ? 1 : 0;
}
