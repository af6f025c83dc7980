#pragma once
#include <string_view>
#include <vector>

class CDvDoc;
class CDvItem;

/// Appends to `out` every item of `itemType` (0: any type) with a folder entry in `folderPath`
/// (or below it with `includeSubfolders`), in document order, and returns how many it appended.
/// Each item's index is renumbered on the way.
int DvCollectItems(CDvDoc& doc, std::u16string_view folderPath, bool includeSubfolders, int itemType,
                   std::vector<CDvItem*>& out);

/// Whether one of the item's folder entries lies in `folderPath` (or below it when asked).
bool DvItemInFolder(const CDvItem& item, std::u16string_view folderPath, bool includeSubfolders);
