#include "views/column_user_defined_dlg_model.h"

#include <utility>

#include "platform/ui.h"
#include "views/column_defaults.h"
#include "views/column_dialog_text_p.h"
#include "views/column_store.h"

namespace {

constexpr std::u16string_view kHeading = u"Folder properties - management of available (user) fields";

}  // namespace

CDvColumnUserDefinedMgrDlgModel::CDvColumnUserDefinedMgrDlgModel(CDvDoc& doc, std::u16string folderPath,
                                                                 int itemType)
    : doc_(doc), folderPath_(std::move(folderPath)), itemType_(itemType) {
    load();
}

std::u16string CDvColumnUserDefinedMgrDlgModel::Heading() const {
    return dv::detail::columnDialogHeading(kHeading, folderPath_, itemType_);
}

void CDvColumnUserDefinedMgrDlgModel::load() {
    builtIn_ = DvColumnsBuiltInAvailable(itemType_);
    own_.clear();
    DvColumnsGetCols(doc_, {folderPath_}, itemType_, DV_COLUMNS_USER_DEFINED, own_);
    // The walk lists the folder's own definition first, so what follows it is inherited.
    std::vector<DvColumn> all;
    DvColumnsGetCols(doc_, {folderPath_}, itemType_, DV_COLUMNS_USER_DEFINED | DV_COLUMNS_ALL_ANCESTORS, all);
    inherited_.assign(all.begin() + static_cast<std::ptrdiff_t>(own_.size()), all.end());
    rebuildAvailable();
}

void CDvColumnUserDefinedMgrDlgModel::rebuildAvailable() {
    available_ = builtIn_;
    available_.insert(available_.end(), own_.begin(), own_.end());
    available_.insert(available_.end(), inherited_.begin(), inherited_.end());
}

bool CDvColumnUserDefinedMgrDlgModel::CanRemove(int index) const {
    const int first = static_cast<int>(builtIn_.size());
    return index >= first && index < first + static_cast<int>(own_.size());
}

bool CDvColumnUserDefinedMgrDlgModel::Remove(int index) {
    if (!CanRemove(index)) return false;
    const auto at = own_.begin() + (index - static_cast<int>(builtIn_.size()));
    if (dv::ui().Ask(u"Are you sure you want to remove '" + at->name + u"' field?", dv::Buttons::YesNo) !=
        dv::Answer::Yes)
        return false;
    own_.erase(at);
    rebuildAvailable();
    return true;
}

bool CDvColumnUserDefinedMgrDlgModel::AddColumn(DvColumn column) {
    own_.push_back(std::move(column));
    const bool saved = Ok();
    load();
    return saved;
}

bool CDvColumnUserDefinedMgrDlgModel::Ok() {
    return DvColumnsSaveUserDefinedCols(doc_, folderPath_, itemType_, own_, own_.empty());
}
