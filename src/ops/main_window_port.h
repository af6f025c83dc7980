#pragma once
// What the operations ask of the main window: refreshes, selections and the dialogs it owns.
// The main window installs itself; while there is none, the operations change the document and
// nobody is asked to show anything.
#include <string>
#include <string_view>
#include <vector>

class DvMainWindowPort {
public:
    virtual ~DvMainWindowPort() = default;

    /// Rebuilds the folder tree from the document.
    virtual void RebuildFolderTree() {}
    /// Selects the folder at `path` in the tree, which makes it the current folder.
    virtual void SelectFolder(std::u16string_view path) { (void)path; }
    /// Recomputes and refills the view of the selected tab; bit 0 keeps the live filter's keywords.
    virtual void RefreshContents(int flags) { (void)flags; }
    /// A non-modal hint next to the selected tree entry; the empty text takes it away.
    virtual void ShowTreeHint(std::u16string_view text) { (void)text; }
    /// Opens the item in the editing dialog of its type.
    virtual void OpenItemEditor(std::u16string_view guid) { (void)guid; }
    /// The properties dialog of the given items.
    virtual void ShowItemProperties(const std::vector<std::u16string>& guids) { (void)guids; }
    /// Selects `folderPath` in the tree and the item in the view that lists it.
    virtual void LocateItem(std::u16string_view folderPath, std::u16string_view guid) { (void)folderPath, (void)guid; }
    /// The folder properties dialog, where the folder's name is changed.
    virtual void OpenFolderProperties(std::u16string_view folderGuid) { (void)folderGuid; }
};

/// The main window, or nullptr while there is none.
DvMainWindowPort* DvMainWindow();
/// Installs `window` (nullptr when it goes away). The caller keeps ownership.
void DvSetMainWindow(DvMainWindowPort* window);

/// Folder tree first, then the current view: after a change to folders.
void DvRefreshMainWindow();
