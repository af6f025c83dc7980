#include "views/list_ctrl_models.h"

#include "core/doc.h"
#include "views/contact_details.h"

std::u16string CDvContactsListCtrlModel::DetailsText(int row) const {
    if (detailsLevel <= 1) return {};
    auto lock = Doc().Lock();
    const CDvItem* contact = ItemAt(row);
    return contact ? DvContactDetailsText(*contact) : std::u16string();
}
