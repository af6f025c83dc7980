#include "views/collect_items.h"

#include "core/doc.h"

bool DvItemInFolder(const CDvItem& item, std::u16string_view folderPath, bool includeSubfolders) {
    for (const auto& entry : item.folders) {
        const int depth = PathDepth(folderPath, entry);
        if (depth == 0 || (depth > 0 && includeSubfolders)) return true;
    }
    return false;
}

int DvCollectItems(CDvDoc& doc, std::u16string_view folderPath, bool includeSubfolders, int itemType,
                   std::vector<CDvItem*>& out) {
    auto lock = doc.Lock();
    int appended = 0;
    for (size_t i = 0; i < doc.items.size(); ++i) {
        CDvItem& item = *doc.items[i];
        item.index = static_cast<int>(i);
        if (itemType != 0 && item.itemType != itemType) continue;
        if (!DvItemInFolder(item, folderPath, includeSubfolders)) continue;
        out.push_back(&item);
        ++appended;
    }
    return appended;
}
