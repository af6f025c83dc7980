#pragma once
// Temporary tasks ("A&uto remove"): the program deletes them by itself once their end is more
// than five minutes past. The main window sweeps once after each open and every 30 minutes.
#include <functional>
#include <string>
#include <vector>

class CDvDoc;

/// Deletes the items with these GUIDs from the document.
using DvDeleteItemsByGuid = std::function<void(CDvDoc& doc, const std::vector<std::u16string>& guids)>;

/// Erases the items whose GUID (ignoring case) is in `guids` from the document's item array under
/// its lock, and renumbers the rest.
void DvEraseItemsByGuid(CDvDoc& doc, const std::vector<std::u16string>& guids);

/// Collects, under the document lock, every task flagged temporary whose end + 5 minutes lies
/// before now, hands their GUIDs to `deleteItems` (nothing when there are none) and returns how
/// many it collected.
int DvSweepTemporaryTasks(CDvDoc& doc, const DvDeleteItemsByGuid& deleteItems = DvEraseItemsByGuid);
