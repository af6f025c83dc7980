#pragma once
// What every list view's fill computes before it touches its rows: the items of the list's type
// in the current folder and below, in document order, that pass the view test, sorted by the
// list's key.
#include <string_view>
#include <vector>

#include "views/list_entry.h"

class CDvDoc;
class DvViewTest;

/// The entries of every item of `itemType` (0: any) in `folderPath` or below that passes `test`,
/// sorted by `sortKey` in the given direction when the key is not empty (document order
/// otherwise). The entries' item pointers are valid while the caller holds the document lock.
std::vector<DvListEntry> DvCollectListEntries(CDvDoc& doc, std::u16string_view folderPath, int itemType,
                                              const DvViewTest& test, std::u16string_view sortKey, bool ascending);
