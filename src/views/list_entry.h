#pragma once
// One row of a list view: the item it shows, remembered by GUID as well, because by the time the
// row is used (painted, sorted, acted on) the item may have been deleted. Every consumer looks the
// item up again and skips the row when it is gone.
#include <string>
#include <vector>

class CDvDoc;
class CDvItem;

struct DvListEntry {
    /// Valid only while the document lock taken for the fill that made the entry is held; later
    /// users go through DvResolveEntry.
    CDvItem* item = nullptr;
    std::u16string guid;  // empty for a marker entry (the quick search's scope separator)
    int index = -1;       // the item's place in the document array when the entry was made
    long long aux1 = 0;   // two numbers a list may carry with the reference
    long long aux2 = 0;

    bool IsMarker() const { return item == nullptr && guid.empty(); }
};

/// The entry of `item` as it stands now (its GUID and place in the document).
DvListEntry DvMakeListEntry(CDvItem& item);

/// The entry's item looked up again: at its remembered place when the GUID still matches there,
/// else by GUID anywhere in the document. nullptr for a marker or when the item is gone.
CDvItem* DvResolveEntry(CDvDoc& doc, const DvListEntry& entry);

/// Whether `guid` is the GUID of one of `entries` (GUIDs compare ignoring case).
bool DvEntriesHoldGuid(const std::vector<DvListEntry>& entries, std::u16string_view guid);
