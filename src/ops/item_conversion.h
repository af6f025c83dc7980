#pragma once
// Converting items to another type. A task made from another item starts in 15 minutes, lasts
// 15 minutes and reminds 5 minutes before; every other conversion only changes the type.
#include <vector>

#include "ops/item_links.h"

class CDvDoc;

/// Bit of the item command flags: carry out without the confirmation questions.
inline constexpr unsigned DV_ITEM_COMMAND_NO_QUESTIONS = 1;

/// Converts the selected items (up to the first folder of the selection) to `itemType`, after
/// asking unless DV_ITEM_COMMAND_NO_QUESTIONS is given. Refills the view when something changed
/// and opens a single selected item in its new editor. Returns how many items were converted.
int DvConvertItems(const std::vector<DvLink>& selection, int itemType, unsigned flags, CDvDoc* doc = nullptr);
