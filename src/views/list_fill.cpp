#include "views/list_fill.h"

#include "core/doc.h"
#include "views/collect_items.h"
#include "views/item_compare.h"
#include "views/view_test.h"

std::vector<DvListEntry> DvCollectListEntries(CDvDoc& doc, std::u16string_view folderPath, int itemType,
                                              const DvViewTest& test, std::u16string_view sortKey, bool ascending) {
    auto lock = doc.Lock();
    std::vector<CDvItem*> items;
    DvCollectItems(doc, folderPath, true, itemType, items);
    std::vector<DvListEntry> entries;
    entries.reserve(items.size());
    for (CDvItem* item : items)
        if (test.ItemPassesView(*item)) entries.push_back(DvMakeListEntry(*item));
    if (!sortKey.empty()) DvSortListEntries(entries, sortKey, ascending);
    return entries;
}
