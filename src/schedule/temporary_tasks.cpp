#include "schedule/temporary_tasks.h"

#include <algorithm>
#include <cmath>

#include "core/doc.h"

namespace {

constexpr long long kGraceSeconds = 5 * 60;

bool isExpiredTemporaryTask(const CDvItem& item, const DvDateTime& now) {
    if (item.itemType != DV_ITEM_TASK) return false;
    if ((item.flags & DV_ITEM_FLAG_TEMPORARY) == 0) return false;
    // An end that is not valid means nothing and is no reason to delete the user's task.
    if (!item.taskEnd.IsValid() || !now.IsValid()) return false;
    // Counted in whole seconds, as the clock gives them: a task whose end was exactly five
    // minutes ago stays whichever way the last bit of a double falls.
    const double overDays = (now - item.taskEnd).value;
    return std::llround(overDays * 86400.0) > kGraceSeconds;
}

}  // namespace

void DvEraseItemsByGuid(CDvDoc& doc, const std::vector<std::u16string>& guids) {
    auto lock = doc.Lock();
    std::erase_if(doc.items, [&](const std::unique_ptr<CDvItem>& item) {
        return std::any_of(guids.begin(), guids.end(), [&](const std::u16string& g) { return item->HasGuid(g); });
    });
    doc.RenumberItems();
}

int DvSweepTemporaryTasks(CDvDoc& doc, const DvDeleteItemsByGuid& deleteItems) {
    // The lock spans collecting and deleting, so a save or reminder check cannot slip in between.
    auto lock = doc.Lock();
    const DvDateTime now = DvDateTime::Now();
    std::vector<std::u16string> expired;
    for (const auto& item : doc.items)
        if (isExpiredTemporaryTask(*item, now)) expired.push_back(item->guid);
    if (!expired.empty() && deleteItems) deleteItems(doc, expired);
    return static_cast<int>(expired.size());
}
