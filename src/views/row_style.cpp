#include "views/row_style.h"

#include "core/item.h"
#include "schedule/repeat_rule.h"

namespace {

bool isUncompletedTaskOrToDo(const CDvItem& item) {
    return (item.itemType == DV_ITEM_TASK || item.itemType == DV_ITEM_TODO) && item.completion < 100;
}

}  // namespace

bool DvIsOverdue(const CDvItem& item, const DvDateTime& now) {
    if (!isUncompletedTaskOrToDo(item)) return false;
    if (item.itemType == DV_ITEM_TODO) return (item.flags & DV_ITEM_FLAG_DEADLINE) && item.taskEnd < now;
    return !DvIsRepeating(item) && item.taskEnd < now;
}

DvRowStyle DvRowStyleOf(const CDvItem& item, const DvDateTime& now) {
    return {DvIsOverdue(item, now), isUncompletedTaskOrToDo(item)};
}
