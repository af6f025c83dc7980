#pragma once
// The visible-columns dialog without widgets: the available columns on the left, the visible ones
// on the right, the buttons that move columns between and within them, and what OK and "Reset
// all" write into the scope folder.
#include <string>
#include <string_view>
#include <vector>

#include "views/column.h"

class CDvDoc;

class CDvColumnMgrDlgModel {
public:
    static constexpr std::u16string_view kTitle = u"Folder properties: visible columns management";
    static constexpr std::u16string_view kSourceLabel = u"Visible columns based on:";
    static constexpr std::u16string_view kShowSourcesLabel =
        u"Advanced: show additional field information (where are they from)";
    static constexpr std::u16string_view kResetTitle = u"Are you sure?";

    CDvColumnMgrDlgModel(CDvDoc& doc, std::u16string folderPath, int itemType);

    /// The dialog's opening: loads both lists. Without a folder or an item type it shows an
    /// internal error and returns false (the dialog closes).
    bool Open();

    const std::u16string& FolderPath() const { return folderPath_; }
    int ItemType() const { return itemType_; }
    std::u16string Heading() const;

    const std::vector<DvColumn>& Available() const { return available_; }
    const std::vector<DvColumn>& Visible() const { return visible_; }
    /// Where the visible columns were resolved from, for the label beside kSourceLabel.
    const std::u16string& VisibleSource() const { return visibleSource_; }

    bool showSources = false;   // the column with each field's source
    int selectedAvailable = -1; // row of the left list, -1 none
    int selectedVisible = -1;   // row of the right list, -1 none

    /// ">": appends the selected available column to the visible ones, refusing a column whose
    /// variable is already visible.
    void AddSelected();
    /// "Delete", "Move up", "Move down" on the selected visible column; the selection follows a
    /// moved column.
    void DeleteSelected();
    void MoveUp();
    void MoveDown();
    /// "Reset all": after the user agrees, removes the scope folder's own definition and shows the
    /// inherited (or default) columns.
    void ResetAll();
    /// After "Manage" has changed the user-defined columns.
    void ReloadAvailable();
    /// OK: saves the visible list into the scope folder.
    bool Ok();

private:
    bool visibleSelected() const;
    void loadVisible();

    CDvDoc& doc_;
    std::u16string folderPath_;
    int itemType_;
    std::vector<DvColumn> available_;
    std::vector<DvColumn> visible_;
    std::u16string visibleSource_;
};
