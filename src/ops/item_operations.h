#pragma once
// DvOperationItems: every change to a set of items as a whole (delete, remove from the current
// folder, move, add to a further folder, copy), with the rules for items filed in several folders.
#include <string>
#include <string_view>
#include <vector>

#include "ops/operation_codes.h"

class CDvDoc;

/// Runs `code` on the items named by `guids` (missing ones are skipped) under the document lock,
/// after recording an undo entry with the items as they were. `source` stands for the current
/// folder, `target` for the folder moved, added or copied to. `changed`, when given, receives the
/// GUIDs of the items a move, an add or a copy produced or touched. Returns 1 when at least one
/// item changed, else 0.
int DvOperationItems(const std::vector<std::u16string>& guids, int code, std::u16string_view source,
                     std::u16string_view target, unsigned flags, CDvDoc* doc = nullptr,
                     std::vector<std::u16string>* changed = nullptr);

/// The report of a move that cannot tell which of the item's folders is meant.
std::u16string DvCouldNotMoveText(std::u16string_view title);
