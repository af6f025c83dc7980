#include "views/column_manager.h"

#include "core/folder.h"
#include "core/item.h"
#include "platform/ui.h"
#include "views/column_mgr_dlg_model.h"

namespace {

constexpr std::u16string_view kGeneralView =
    u"First go to 'schedule', 'todo(s)', 'notes' or 'contacts' to change visible columns for a certain view.";
constexpr std::u16string_view kEmptyFolder = u"Internal [minor] #34762fg error: DvColumnsOpenColumnMgrDlg : sFolder is empty";

}  // namespace

std::vector<std::u16string> DvColumnScopeChoices(std::u16string_view folderPath) {
    return {u"Change columns in current folder only ('" + std::u16string(folderPath) + u"' ,and subfolders)",
            u"Change columns globally ('\\' folder scope) - recommended"};
}

bool DvColumnsOpenColumnMgrDlg(CDvDoc& doc, std::u16string_view folderPath, int itemType, bool askScope,
                               DvColumnMgrHost& host) {
    if (itemType == DV_ITEM_UNDEFINED) {
        dv::ui().ShowMessage(kGeneralView);
        return false;
    }
    if (folderPath.empty()) {
        dv::ui().ShowMessage(kEmptyFolder);
        return false;
    }
    std::u16string_view scope = folderPath;
    if (folderPath != kDvRootPath && askScope) {
        const int choice = dv::ui().Choose(u"", kDvColumnScopeQuestion, DvColumnScopeChoices(folderPath));
        if (choice < 0) return false;
        if (choice == kDvColumnScopeGlobalChoice) scope = kDvRootPath;
    }
    CDvColumnMgrDlgModel dialog(doc, std::u16string(scope), itemType);
    if (!dialog.Open() || !host.RunVisibleColumnsDialog(dialog)) return false;
    host.RefreshViews();
    return true;
}
