#include "views/view_test.h"

#include "core/item.h"
#include "views/live_filter.h"

bool DvIsCompletedTaskOrToDo(const CDvItem& item) {
    return (item.itemType == DV_ITEM_TASK || item.itemType == DV_ITEM_TODO) && item.completion == 100;
}

bool DvViewTest::ItemPassesView(const CDvItem& item) const {
    if (hideCompleted && DvIsCompletedTaskOrToDo(item)) return false;
    // The views collected by folder already, so the filter need not check the scope again.
    return !filter_ || filter_->ItemPassesFilter(item, false);
}
