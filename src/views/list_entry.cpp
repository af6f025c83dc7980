#include "views/list_entry.h"

#include "core/doc.h"
#include "platform/text.h"

DvListEntry DvMakeListEntry(CDvItem& item) {
    DvListEntry entry;
    entry.item = &item;
    entry.guid = item.guid;
    entry.index = item.index;
    return entry;
}

CDvItem* DvResolveEntry(CDvDoc& doc, const DvListEntry& entry) {
    if (entry.guid.empty()) return nullptr;
    auto lock = doc.Lock();
    if (entry.index >= 0 && static_cast<size_t>(entry.index) < doc.items.size()) {
        CDvItem& there = *doc.items[static_cast<size_t>(entry.index)];
        if (there.HasGuid(entry.guid)) return &there;
    }
    return doc.FindItemByGuid(entry.guid);
}

bool DvEntriesHoldGuid(const std::vector<DvListEntry>& entries, std::u16string_view guid) {
    for (const DvListEntry& entry : entries)
        if (!entry.guid.empty() && dv::equalsAsciiNoCase(entry.guid, guid)) return true;
    return false;
}
