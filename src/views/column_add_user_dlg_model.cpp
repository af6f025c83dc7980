#include "views/column_add_user_dlg_model.h"

#include <algorithm>

#include "platform/locale_text.h"
#include "platform/text.h"
#include "platform/ui.h"
#include "views/column.h"
#include "views/column_user_defined_dlg_model.h"

namespace {

constexpr std::u16string_view kVariablePrefix = u"dv_";
// The reminder and repeat variables users might otherwise shadow with a column of their own.
constexpr std::u16string_view kReservedNames[] = {
    u"reminder_s_type",         u"reminder_s_before_units", u"reminder_n_before_count", u"reminder_d_at",
    u"task_repeating_n_active", u"task_repeating_s_type",   u"task_repeating_n_count",
};
constexpr std::u16string_view kAlreadyExists = u"Column with this name already exists. Please choose another name";
constexpr std::u16string_view kReserved = u"This name is reserved for internal usage/future internal usage";

}  // namespace

bool DvIsReservedColumnName(std::u16string_view name) {
    const std::u16string lower = dv::toLowerLocale(name);
    if (dv::startsWith(lower, kVariablePrefix)) return true;
    return std::find(std::begin(kReservedNames), std::end(kReservedNames), lower) != std::end(kReservedNames);
}

void CDvColumnMgrAddUserColumnDlgModel::Tick() {
    if (autoDisplayName) displayName = name;
}

bool CDvColumnMgrAddUserColumnDlgModel::Ok(CDvColumnUserDefinedMgrDlgModel& owner) {
    if (name.empty()) return true;
    if (DvFindColumn(owner.Available(), name) >= 0) {
        dv::ui().ShowMessage(kAlreadyExists);
        return false;
    }
    if (DvIsReservedColumnName(name)) {
        dv::ui().ShowMessage(kReserved);
        return false;
    }
    Tick();  // the timer may not have run since the last keystroke
    DvColumn column;
    column.name = name;
    column.displayName = displayName;
    column.width = kNewColumnWidth;
    column.user = true;
    column.typeName = typeName;
    owner.AddColumn(std::move(column));
    return true;
}
