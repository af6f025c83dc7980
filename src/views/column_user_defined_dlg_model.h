#pragma once
// The user columns dialog without widgets: every column available for the type, of which those
// the scope folder defines itself can be removed; new ones come from the add dialog.
#include <string>
#include <string_view>
#include <vector>

#include "views/column.h"

class CDvDoc;

class CDvColumnUserDefinedMgrDlgModel {
public:
    static constexpr std::u16string_view kTitle = u"Folder properties: user columns management";
    static constexpr std::u16string_view kListLabel = u"List of columns available for this particular item type";
    static constexpr std::u16string_view kAddButton = u"Add a new user-field";

    /// Loads the lists of the scope folder and type.
    CDvColumnUserDefinedMgrDlgModel(CDvDoc& doc, std::u16string folderPath, int itemType);

    const std::u16string& FolderPath() const { return folderPath_; }
    int ItemType() const { return itemType_; }
    std::u16string Heading() const;

    /// Built-in columns, the folder's own user columns, then those inherited from its ancestors.
    const std::vector<DvColumn>& Available() const { return available_; }
    /// The scope folder's own user columns, as OK will save them.
    const std::vector<DvColumn>& OwnColumns() const { return own_; }

    /// Only the user columns the scope folder defines itself can be removed here.
    bool CanRemove(int index) const;
    /// Asks "Are you sure you want to remove '<name>' field?"; on yes the column leaves the
    /// folder's own list (stored on OK). False when refused or not removable.
    bool Remove(int index);
    /// From the add dialog: appends to the folder's own list, saves it at once and reloads.
    bool AddColumn(DvColumn column);
    /// OK: saves the folder's own list; an empty list removes the folder's definition.
    bool Ok();

private:
    void load();
    void rebuildAvailable();

    CDvDoc& doc_;
    std::u16string folderPath_;
    int itemType_;
    std::vector<DvColumn> builtIn_;
    std::vector<DvColumn> own_;
    std::vector<DvColumn> inherited_;
    std::vector<DvColumn> available_;
};
