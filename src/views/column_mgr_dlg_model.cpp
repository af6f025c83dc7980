#include "views/column_mgr_dlg_model.h"

#include <utility>

#include "core/doc.h"
#include "core/item.h"
#include "platform/ui.h"
#include "views/column_dialog_text_p.h"
#include "views/column_store.h"

namespace {

constexpr std::u16string_view kUndefinedError =
    u"Internal [minor] error: CDvColumnMgrDlg::OnInitDialog() : cur folder or cur type undefined";
constexpr std::u16string_view kHeading = u"Folder properties - management of visible fields";
constexpr std::u16string_view kSelectAvailable = u"First select one of the columns on the left";
constexpr std::u16string_view kAlreadyVisible = u"Column already exists";
constexpr std::u16string_view kSelectVisible = u"First select one of the columns";
constexpr std::u16string_view kResetQuestion =
    u"Are you sure you want to reset the 'visible' columns, so the default settings will be restored?";
constexpr std::u16string_view kResetDone =
    u"OK, Your own order of (visible) columns is removed, therefore default settings will take precedence.";

}  // namespace

namespace dv::detail {

std::u16string columnDialogHeading(std::u16string_view first, std::u16string_view folderPath, int itemType) {
    std::u16string text(first);
    if (folderPath == kDvRootPath)
        text += u"\r\nScope: (global scope)";
    else
        text += u"\r\nScope: '" + std::u16string(folderPath) + u"' folder and subfolders";
    text += u"\r\nItem type: " + DvItemTypeName(itemType) + u"(s) only";
    text += u"\r\nIf you'd like to change fields for another view (notes,contacts) then first go to the appropriate "
            u"tab and open this tool again.";
    return text;
}

}  // namespace dv::detail

CDvColumnMgrDlgModel::CDvColumnMgrDlgModel(CDvDoc& doc, std::u16string folderPath, int itemType)
    : doc_(doc), folderPath_(std::move(folderPath)), itemType_(itemType) {}

bool CDvColumnMgrDlgModel::Open() {
    if (folderPath_.empty() || itemType_ == DV_ITEM_UNDEFINED) {
        dv::ui().ShowMessage(kUndefinedError);
        return false;
    }
    ReloadAvailable();
    loadVisible();
    return true;
}

std::u16string CDvColumnMgrDlgModel::Heading() const {
    return dv::detail::columnDialogHeading(kHeading, folderPath_, itemType_);
}

void CDvColumnMgrDlgModel::ReloadAvailable() {
    available_ = DvColumnsGetAvailableCols(doc_, folderPath_, itemType_);
    if (selectedAvailable >= static_cast<int>(available_.size())) selectedAvailable = -1;
}

void CDvColumnMgrDlgModel::loadVisible() {
    visible_ = DvColumnsGetVisibleCols(doc_, folderPath_, itemType_);
    visibleSource_ = visible_.empty() ? std::u16string() : visible_.front().source;
    selectedVisible = -1;
}

bool CDvColumnMgrDlgModel::visibleSelected() const {
    if (selectedVisible >= 0 && selectedVisible < static_cast<int>(visible_.size())) return true;
    dv::ui().ShowMessage(kSelectVisible);
    return false;
}

void CDvColumnMgrDlgModel::AddSelected() {
    if (selectedAvailable < 0 || selectedAvailable >= static_cast<int>(available_.size())) {
        dv::ui().ShowMessage(kSelectAvailable);
        return;
    }
    const DvColumn& column = available_[static_cast<size_t>(selectedAvailable)];
    if (DvFindColumn(visible_, column.name) >= 0) {
        dv::ui().ShowMessage(kAlreadyVisible);
        return;
    }
    visible_.push_back(column);
}

void CDvColumnMgrDlgModel::DeleteSelected() {
    if (!visibleSelected()) return;
    visible_.erase(visible_.begin() + selectedVisible);
    if (selectedVisible >= static_cast<int>(visible_.size())) selectedVisible = static_cast<int>(visible_.size()) - 1;
}

void CDvColumnMgrDlgModel::MoveUp() {
    if (!visibleSelected() || selectedVisible == 0) return;
    std::swap(visible_[static_cast<size_t>(selectedVisible)], visible_[static_cast<size_t>(selectedVisible - 1)]);
    --selectedVisible;
}

void CDvColumnMgrDlgModel::MoveDown() {
    if (!visibleSelected() || selectedVisible + 1 == static_cast<int>(visible_.size())) return;
    std::swap(visible_[static_cast<size_t>(selectedVisible)], visible_[static_cast<size_t>(selectedVisible + 1)]);
    ++selectedVisible;
}

void CDvColumnMgrDlgModel::ResetAll() {
    if (dv::ui().Ask(kResetQuestion, dv::Buttons::YesNo) != dv::Answer::Yes) return;
    DvColumnsSaveVisibleCols(doc_, folderPath_, itemType_, {}, true);
    dv::ui().ShowMessage(kResetDone);
    loadVisible();
}

bool CDvColumnMgrDlgModel::Ok() { return DvColumnsSaveVisibleCols(doc_, folderPath_, itemType_, visible_, false); }
