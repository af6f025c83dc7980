#pragma once
// The main window's folder commands as models: new folder, delete folder, the folder properties
// dialog and the folder tree's context menu.
#include <string>
#include <string_view>
#include <vector>

class CDvDoc;
class CDvFolder;

/// The "new folder" command under the selected folder `parentPath` (empty: none selected). Asks
/// for the name; returns the new folder, or nullptr when cancelled or refused (after saying why).
CDvFolder* DvNewFolderCommand(std::u16string_view parentPath, CDvDoc* doc = nullptr);

/// Del and Shift+Del while the folder tree has the focus: asks, then deletes the selected folder
/// with its subfolders and items. True when the folder was deleted.
bool DvDeleteFolderCommand(std::u16string_view selectedPath, CDvDoc* doc = nullptr);

/// The folder properties dialog's rules, for the folder with a GUID.
class CDvFolderPropertiesModel {
public:
    explicit CDvFolderPropertiesModel(std::u16string folderGuid, CDvDoc* doc = nullptr);

    std::u16string title;  // the name field, filled with the folder's name

    /// OK: applies a changed name. False (after saying why) when the dialog stays open.
    bool Ok();

    /// The entries of "Manage fields of this folder...", one per item type 1 to 4.
    static const std::vector<std::u16string>& ManageFieldsChoices();
    /// For the chosen entry: the folder's path and the item type whose columns the column manager
    /// is to open. False, with "Folder's GUID doesn't exist", when the folder is gone.
    bool ManageFields(int choice, std::u16string& folderPath, int& itemType) const;

private:
    std::u16string guid_;
    CDvDoc* doc_;
};

enum class DvFolderMenuCommand { Separator, CreateSubfolder, MoveUp, MoveDown, Delete, Rename, Properties };

struct DvFolderMenuEntry {
    std::u16string text;  // empty for a separator
    DvFolderMenuCommand command = DvFolderMenuCommand::Separator;
    bool enabled = true;
    friend bool operator==(const DvFolderMenuEntry&, const DvFolderMenuEntry&) = default;
};

/// Selects the clicked folder, then gives the menu's entries in order.
std::vector<DvFolderMenuEntry> DvFolderTreeMenu(std::u16string_view folderPath, CDvDoc* doc = nullptr);
/// Carries out a menu entry on the folder it was opened for.
void DvRunFolderMenuCommand(DvFolderMenuCommand command, std::u16string_view folderPath, CDvDoc* doc = nullptr);
