#pragma once
// Item actions: what can be started from an item's own data (write an e-mail, call, visit a web
// address), offered in the "Item specific" submenu and run through the desktop's handlers.
#include <string>
#include <vector>

#include "ops/item_links.h"

class CDvDoc;
class CDvItem;

enum DvItemActionKind : int {
    DV_ITEM_ACTION_OPEN = 1,
    DV_ITEM_ACTION_EMAIL = 2,
    DV_ITEM_ACTION_VISIT = 3,
    DV_ITEM_ACTION_CALL = 4,
};

struct DvItemAction {
    int kind = DV_ITEM_ACTION_OPEN;
    std::u16string target;
    std::u16string extra;  // the contact field it came from; may be empty
    friend bool operator==(const DvItemAction&, const DvItemAction&) = default;
};

/// "Open", "Write e-mail to", "Visit", "Call"; the empty text for any other kind.
std::u16string DvItemActionKindName(int kind);
/// The menu text: kind, target and "\t(" extra ")", cut to 100 characters and "...".
std::u16string DvItemActionLabel(const DvItemAction& action);

/// The contact fields that give actions first (contacts only), then one "Visit" per http: or
/// https: address in the title and the contents.
std::vector<DvItemAction> DvItemActionsOf(const CDvItem& item);
/// The actions of the selection when it is exactly one item; none otherwise.
std::vector<DvItemAction> DvBuildItemActions(const std::vector<DvLink>& selection, CDvDoc* doc = nullptr);

/// Opens "mailto:" + target, "callto:" + target, or the target itself with the default handler.
void DvRunItemAction(const DvItemAction& action);
