#include "ops/folder_commands.h"

#include "core/doc.h"
#include "ops/document_p.h"
#include "ops/folder_operations.h"
#include "ops/folder_paths.h"
#include "ops/main_window_port.h"
#include "platform/ui.h"

using dv::detail::docOrCurrent;

CDvFolder* DvNewFolderCommand(std::u16string_view parentPath, CDvDoc* given) {
    if (parentPath.empty()) {
        dv::ui().ShowMessage(u"first select a parent folder to create a new folder in it");
        return nullptr;
    }
    const std::u16string path(parentPath);
    DvMainWindowPort* window = DvMainWindow();
    const bool hinted = window && !DvIsRootPath(path);
    if (hinted) window->ShowTreeHint(u"Creating a subfolder of '" + path + u"'");
    std::u16string name = u"New folder";
    const bool entered = dv::ui().AskText(u"Create new folder", u"Create new folder in : " + path, name);
    if (hinted) window->ShowTreeHint({});
    if (!entered) return nullptr;
    if (!DvIsAcceptableFolderName(name)) {
        dv::ui().ShowMessage(u"Unacceptable folder name");
        return nullptr;
    }
    CDvDoc& doc = docOrCurrent(given);
    auto lock = doc.Lock();
    CDvFolder* parent = doc.FindFolder(path);
    if (!parent) {
        dv::ui().ShowMessage(u"internal error #1at53a");
        return nullptr;
    }
    bool existed = false;
    CDvFolder* folder = CreateFolder(*parent, name, &existed);
    if (existed) {
        dv::ui().ShowMessage(u"folder with that name already exists. Please enter a different name");
        return nullptr;
    }
    if (folder && window) window->RebuildFolderTree();
    return folder;
}

bool DvDeleteFolderCommand(std::u16string_view selectedPath, CDvDoc* given) {
    if (dv::ui().Ask(u"Are you sure you want to delete selected folder?", dv::Buttons::OkCancel) != dv::Answer::Ok)
        return false;
    if (DvIsRootPath(selectedPath)) return false;
    CDvDoc& doc = docOrCurrent(given);
    auto lock = doc.Lock();
    const CDvFolder* folder = doc.FindFolder(selectedPath);
    const std::u16string guid = folder ? folder->guid : std::u16string();
    DvOperationFolder(selectedPath, DV_OPERATION_DELETE, {}, DV_OPERATION_FLAG_REFRESH, &doc);
    return folder && !DvFindFolderByGuid(doc.root, guid);
}

// ---- folder properties

CDvFolderPropertiesModel::CDvFolderPropertiesModel(std::u16string folderGuid, CDvDoc* doc)
    : guid_(std::move(folderGuid)), doc_(doc) {
    CDvDoc& d = docOrCurrent(doc_);
    auto lock = d.Lock();
    if (const CDvFolder* folder = DvFindFolderByGuid(d.root, guid_)) title = folder->title;
}

bool CDvFolderPropertiesModel::Ok() {
    CDvDoc& doc = docOrCurrent(doc_);
    auto lock = doc.Lock();
    CDvFolder* folder = DvFindFolderByGuid(doc.root, guid_);
    if (!folder) {
        dv::ui().ShowMessage(u"internal error: CDvItemPropertiesDlg::OnBnClickedOk, folder guid's not found");
        return false;
    }
    if (title == folder->title) return true;
    if (folder->IsRoot()) {
        dv::ui().ShowMessage(u"You can't rename '' (root) folder");
        return false;
    }
    if (!DvIsAcceptableFolderName(title)) {
        dv::ui().ShowMessage(u"Unacceptable folder name");
        return false;
    }
    const std::u16string oldPath = FolderPath(folder);
    return DvOperationFolderRename(oldPath, DvJoinFolderPath(FolderPath(folder->Parent()), title),
                                   DV_OPERATION_FLAG_REFRESH, &doc);
}

const std::vector<std::u16string>& CDvFolderPropertiesModel::ManageFieldsChoices() {
    static const std::vector<std::u16string> choices = {u"Manage tasks' fields", u"Manage todo(s)' fields",
                                                        u"Manage notes' fields", u"Manage contacts' fields"};
    return choices;
}

bool CDvFolderPropertiesModel::ManageFields(int choice, std::u16string& folderPath, int& itemType) const {
    if (choice < 0 || choice >= static_cast<int>(ManageFieldsChoices().size())) return false;
    CDvDoc& doc = docOrCurrent(doc_);
    auto lock = doc.Lock();
    const CDvFolder* folder = DvFindFolderByGuid(doc.root, guid_);
    if (!folder) {
        dv::ui().ShowMessage(u"Folder's GUID doesn't exist");
        return false;
    }
    folderPath = FolderPath(folder);
    itemType = choice + 1;  // the entries follow the item types: task, to-do, note, contact
    return true;
}

// ---- folder tree context menu

std::vector<DvFolderMenuEntry> DvFolderTreeMenu(std::u16string_view folderPath, CDvDoc* given) {
    CDvDoc& doc = docOrCurrent(given);
    auto lock = doc.Lock();
    const CDvFolder* folder = doc.FindFolder(folderPath);
    if (!folder) return {};
    if (DvMainWindow()) DvMainWindow()->SelectFolder(FolderPath(folder));
    const bool root = folder->IsRoot();
    const bool last =
        !root && folder->Parent()->ChildIndex(folder) + 1 == static_cast<int>(folder->Parent()->Children().size());
    using C = DvFolderMenuCommand;
    return {
        {u"Create subfolder", C::CreateSubfolder, true},
        {},
        {u"Move up", C::MoveUp, !root},
        {u"Move down", C::MoveDown, !root && !last},
        {},
        {u"Delete", C::Delete, true},
        {u"Rename", C::Rename, true},
        {},
        {u"Properties", C::Properties, true},
    };
}

void DvRunFolderMenuCommand(DvFolderMenuCommand command, std::u16string_view folderPath, CDvDoc* given) {
    CDvDoc& doc = docOrCurrent(given);
    switch (command) {
    case DvFolderMenuCommand::CreateSubfolder:
        DvNewFolderCommand(folderPath, &doc);
        break;
    case DvFolderMenuCommand::MoveUp:
        DvMoveFolderUp(folderPath, DV_OPERATION_FLAG_REFRESH, &doc);
        break;
    case DvFolderMenuCommand::MoveDown:
        DvMoveFolderDown(folderPath, DV_OPERATION_FLAG_REFRESH, &doc);
        break;
    case DvFolderMenuCommand::Delete:
        DvDeleteFolderCommand(folderPath, &doc);
        break;
    case DvFolderMenuCommand::Rename:
    case DvFolderMenuCommand::Properties: {
        auto lock = doc.Lock();
        const CDvFolder* folder = doc.FindFolder(folderPath);
        if (folder && DvMainWindow()) DvMainWindow()->OpenFolderProperties(folder->guid);
        break;
    }
    case DvFolderMenuCommand::Separator:
        break;
    }
}
