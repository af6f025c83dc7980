#pragma once
// Opening the column manager from the main window or the folder properties: which views can have
// their columns changed, and for which folder scope.
#include <string>
#include <string_view>
#include <vector>

class CDvDoc;
class CDvColumnMgrDlgModel;

/// What the column manager needs from the window that opens it.
class DvColumnMgrHost {
public:
    virtual ~DvColumnMgrHost() = default;
    /// Shows the visible-columns dialog bound to `dialog` (already opened); true when it was left
    /// with OK and its Ok() saved.
    virtual bool RunVisibleColumnsDialog(CDvColumnMgrDlgModel& dialog) {
        (void)dialog;
        return false;
    }
    /// Refills the main window's views.
    virtual void RefreshViews() {}
};

inline constexpr std::u16string_view kDvColumnScopeQuestion =
    u"Theoretically every folder can have its own set of columns.\r\nselect the scope you'd like your changes to "
    u"take effect.";
/// The recommended global scope is the choice to preselect.
inline constexpr int kDvColumnScopeGlobalChoice = 1;

/// The two scope choices for `folderPath`: the folder itself, then the root.
std::vector<std::u16string> DvColumnScopeChoices(std::u16string_view folderPath);

/// Opens the visible-columns dialog for `itemType` in `folderPath`, first asking for the scope
/// when `askScope` is set and the folder is not the root. Refuses the General view (type 0) and an
/// empty path with a message. Returns true when the dialog saved, after the views were refilled.
bool DvColumnsOpenColumnMgrDlg(CDvDoc& doc, std::u16string_view folderPath, int itemType, bool askScope,
                               DvColumnMgrHost& host);
