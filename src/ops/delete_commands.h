#pragma once
// The main window's Del ("&Remove") and Shift+Del ("&Delete completely") commands: on the
// selected folder when the folder tree has the focus, otherwise on the selected items.
#include <string>
#include <string_view>
#include <vector>

class CDvDoc;

struct DvDeleteTarget {
    bool treeHasFocus = false;
    std::u16string selectedFolder;              // the tree's selection
    std::vector<std::u16string> selectedItems;  // GUIDs of the list's selection
    std::u16string currentFolder;
};

inline constexpr std::u16string_view kDvDeleteItemsQuestion = u"Are you sure you want to delete selected items?";

/// Del: the folder delete, or removes the items from the current folder after asking; beeps
/// with nothing selected. Returns 1 when something changed.
int DvRemoveCommand(const DvDeleteTarget& target, CDvDoc* doc = nullptr);
/// Shift+Del: the folder delete, or deletes the items completely after asking; beeps with nothing
/// selected. Returns 1 when something changed.
int DvDeleteCompletelyCommand(const DvDeleteTarget& target, CDvDoc* doc = nullptr);
