#include "ops/delete_commands.h"

#include "ops/folder_commands.h"
#include "ops/item_operations.h"
#include "platform/ui.h"

namespace {

int deleteSelection(const DvDeleteTarget& target, int code, CDvDoc* doc) {
    if (target.treeHasFocus) return DvDeleteFolderCommand(target.selectedFolder, doc) ? 1 : 0;
    if (target.selectedItems.empty()) {
        dv::ui().Beep();
        return 0;
    }
    if (dv::ui().Ask(kDvDeleteItemsQuestion, dv::Buttons::OkCancel) != dv::Answer::Ok) return 0;
    return DvOperationItems(target.selectedItems, code, target.currentFolder, {}, DV_OPERATION_FLAG_REFRESH, doc);
}

}  // namespace

int DvRemoveCommand(const DvDeleteTarget& target, CDvDoc* doc) {
    return deleteSelection(target, DV_OPERATION_REMOVE, doc);
}

int DvDeleteCompletelyCommand(const DvDeleteTarget& target, CDvDoc* doc) {
    return deleteSelection(target, DV_OPERATION_DELETE, doc);
}
