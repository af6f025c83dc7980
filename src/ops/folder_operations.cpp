#include "ops/folder_operations.h"

#include "core/doc.h"
#include "ops/document_p.h"
#include "ops/folder_paths.h"
#include "ops/item_operations.h"
#include "ops/main_window_port.h"
#include "platform/locale_text.h"
#include "platform/ui.h"
#include "views/collect_items.h"

using dv::detail::docOrCurrent;

namespace {

constexpr std::u16string_view kFolderExists = u"folder with that name already exists. Please enter a different name";

bool isInSubtree(std::u16string_view folderPath, std::u16string_view path) { return PathDepth(folderPath, path) > 0; }

int moveFolder(CDvDoc& doc, const std::u16string& source, const std::u16string& target) {
    if (DvSameFolderPath(source, target)) {
        dv::ui().ShowMessage(u"You can't move a folder to itself");
        return 0;
    }
    if (isInSubtree(source, target)) {
        dv::ui().ShowMessage(u"You can't move a parent folder to one of its subfolders");
        return 0;
    }
    CDvFolder* folder = doc.FindFolder(source);
    // The tree's own spelling of the name, so item entries match the tree letter for letter.
    const std::u16string name = folder ? folder->title : DvFolderPathName(source);
    const std::u16string newPath = DvJoinFolderPath(target, name);
    if (doc.FindFolder(newPath)) {
        dv::ui().ShowMessage(u"Folder:" + newPath + u"\r\nalready exists.");
        return 0;
    }
    CDvFolder* into = doc.FindFolder(target);
    if (!folder || !into || folder->IsRoot()) return 0;
    std::unique_ptr<CDvFolder> node = folder->Parent()->DetachChild(folder);
    if (!node) return 0;
    into->AdoptChild(std::move(node));
    DvRenameFolderInItems(source, newPath, DV_OPERATION_MOVE, &doc);
    return 0;
}

int deleteFolder(CDvDoc& doc, const std::u16string& path, unsigned flags) {
    CDvFolder* folder = doc.FindFolder(path);
    if (!folder) {
        dv::ui().ShowMessage(u"deleting folder: folder not found");
        return 0;
    }
    CDvFolder* parent = folder->Parent();
    if (!parent || parent->ChildIndex(folder) < 0) {
        dv::ui().ShowMessage(u"node ptr not found");
        return 0;
    }
    parent->DetachChild(folder);  // the subtree goes with it
    std::vector<CDvItem*> items;
    DvCollectItems(doc, path, true, 0, items);
    std::vector<std::u16string> guids;
    guids.reserve(items.size());
    for (const CDvItem* item : items) guids.push_back(item->guid);
    return DvOperationItems(guids, DV_OPERATION_REMOVE, path, {}, flags | DV_OPERATION_FLAG_SUBFOLDERS, &doc);
}

bool moveFolderBy(std::u16string_view path, int step, unsigned flags, CDvDoc* given) {
    CDvDoc& doc = docOrCurrent(given);
    auto lock = doc.Lock();
    CDvFolder* folder = doc.FindFolder(DvNormalizeFolderPath(path));
    if (!folder || folder->IsRoot()) return false;
    CDvFolder* parent = folder->Parent();
    const int at = parent->ChildIndex(folder);
    const int to = at + step;
    if (at < 0 || to < 0 || to >= static_cast<int>(parent->Children().size())) return false;
    parent->InsertChild(parent->DetachChild(folder), static_cast<size_t>(to));
    if ((flags & DV_OPERATION_FLAG_REFRESH) && DvMainWindow()) {
        DvMainWindow()->RebuildFolderTree();
        DvMainWindow()->RefreshContents(0);
        DvMainWindow()->SelectFolder(FolderPath(folder));
    }
    return true;
}

}  // namespace

bool DvOperationFolderRename(std::u16string_view oldPathIn, std::u16string_view newPathIn, unsigned flags,
                             CDvDoc* given) {
    CDvDoc& doc = docOrCurrent(given);
    auto lock = doc.Lock();
    const std::u16string oldPath = DvNormalizeFolderPath(oldPathIn);
    std::u16string newPath = DvNormalizeFolderPath(newPathIn);
    // A bare name has no parent text, like a folder right under the root.
    if (!dv::equalsNoCase(DvTextBeforeLastSeparator(oldPath), DvTextBeforeLastSeparator(newPath))) {
        dv::ui().ShowMessage(u"DvOperationFolderRename :: DvOperationFolderRename,different parents");
        return false;
    }
    if (DvIsRootPath(oldPath)) {
        dv::ui().ShowMessage(u"You can't rename the '' (root) folder");
        return false;
    }
    if (newPath.empty()) return false;
    if (newPath.front() != u'\\') newPath.insert(newPath.begin(), u'\\');
    CDvFolder* folder = doc.FindFolder(oldPath);
    if (!folder) {
        dv::ui().ShowMessage(u"DvOperationFolderRename :: src folder pointer not found.");
        return false;
    }
    // Only another folder is in the way: changing the letter case of a name is a rename too.
    const CDvFolder* existing = doc.FindFolder(newPath);
    const std::u16string newName = DvFolderPathName(newPath);
    if ((existing && existing != folder) || (existing == folder && folder->title == newName)) {
        dv::ui().ShowMessage(kFolderExists);
        return false;
    }
    if (!DvIsAcceptableFolderName(newName)) {
        dv::ui().ShowMessage(u"Unacceptable folder name");
        return false;
    }
    folder->title = newName;
    DvRenameFolderInItems(oldPath, newPath, DV_OPERATION_RENAME, &doc);
    if ((flags & DV_OPERATION_FLAG_REFRESH) && DvMainWindow()) {
        DvMainWindow()->RebuildFolderTree();
        DvMainWindow()->SelectFolder(newPath);
    }
    return true;
}

bool DvRenameFolderInItems(std::u16string_view oldPathIn, std::u16string_view newPathIn, int code, CDvDoc* given) {
    CDvDoc& doc = docOrCurrent(given);
    auto lock = doc.Lock();
    const std::u16string oldPath = DvNormalizeFolderPath(oldPathIn);
    std::u16string newPath = DvNormalizeFolderPath(newPathIn);
    if (newPath.empty()) return false;
    if (newPath.front() != u'\\') newPath.insert(newPath.begin(), u'\\');
    // Every entry lies below the root: rewriting its leading "\" would mangle them all.
    if (DvIsRootPath(oldPath)) return false;
    if (code != DV_OPERATION_MOVE && code != DV_OPERATION_RENAME) return true;
    for (auto& item : doc.items)
        for (auto& entry : item->folders)
            if (PathDepth(oldPath, entry) >= 0) entry.replace(0, oldPath.size(), newPath);
    return true;
}

int DvOperationFolder(std::u16string_view sourceIn, int code, std::u16string_view targetIn, unsigned flags,
                      CDvDoc* given) {
    if (code == DV_OPERATION_REMOVE) return 0;
    CDvDoc& doc = docOrCurrent(given);
    auto lock = doc.Lock();
    const std::u16string source = DvNormalizeFolderPath(sourceIn);
    const std::u16string target = DvNormalizeFolderPath(targetIn);
    int result = 0;
    switch (code) {
    case DV_OPERATION_MOVE:
        result = moveFolder(doc, source, target);
        break;
    case DV_OPERATION_DELETE:
        result = deleteFolder(doc, source, flags);
        break;
    default:
        return 0;  // a folder is never added to another or copied
    }
    if (flags & DV_OPERATION_FLAG_REFRESH) DvRefreshMainWindow();
    return result;
}

int DvOperationFolderSelection(const std::vector<DvLink>& links, int code, std::u16string_view target, unsigned flags,
                               CDvDoc* given) {
    if (links.size() != 1) return 0;
    CDvDoc& doc = docOrCurrent(given);
    auto lock = doc.Lock();
    const CDvFolder* folder = DvFindFolderByGuid(doc.root, links.front().guid);
    const std::u16string path = FolderPath(folder);
    if (!folder || folder->IsRoot() || path.empty()) {
        dv::ui().ShowMessage(u"\\ (root) folder can't be moved/deleted or anything");
        return 0;
    }
    DvOperationFolder(path, code, target, flags, &doc);
    return 1;
}

bool DvMoveFolderUp(std::u16string_view path, unsigned flags, CDvDoc* doc) {
    return moveFolderBy(path, -1, flags, doc);
}

bool DvMoveFolderDown(std::u16string_view path, unsigned flags, CDvDoc* doc) {
    return moveFolderBy(path, 1, flags, doc);
}
