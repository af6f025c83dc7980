#include "views/view_contents.h"

#include "core/doc.h"
#include "platform/numbers.h"
#include "platform/ui.h"
#include "views/collect_items.h"
#include "views/live_filter.h"

std::u16string DvTabName(int tab) {
    static constexpr std::u16string_view kNames[] = {u"General", u"Schedule", u"To Do", u"Notes", u"Contacts"};
    return tab >= 0 && tab < static_cast<int>(std::size(kNames)) ? std::u16string(kNames[tab])
                                                                 : std::u16string(u"No such tab");
}

CDvViewContents::CDvViewContents(CDvDoc& doc, CDvLiveFilter& filter, DvViewContentsListener* listener)
    : doc_(doc), filter_(filter), listener_(listener), viewTest_(&filter), tasks_(doc, &viewTest_),
      toDos_(doc, &viewTest_), notes_(doc, &viewTest_), contacts_(doc, &viewTest_) {}

void CDvViewContents::RefreshContents(unsigned flags) {
    // A timer-driven save or reminder check must not change the items while the views refill.
    auto lock = doc_.Lock();
    if (!(flags & DV_REFRESH_KEEP_KEYWORDS)) {
        filter_.Prepare(folder_, tabType_);
        filter_.RebuildKeywordList();
    }
    if (tabType_ == kDvNoTab) return;

    countItems();
    if (listener_) listener_->TabCaptionsChanged();

    int tab = tabType_;
    if (tab < 0 || tab > 4) {
        dv::ui().ShowMessage(kDvTabTypeError);
        tab = 0;
    }
    switch (tab) {
    case 0:
        if (listener_) listener_->RefillAgenda();
        toDos_.Fill(folder_);
        break;
    case 1:
        if (listener_) listener_->RefreshCalendar();
        break;
    case 2: toDos_.Fill(folder_); break;
    case 3: notes_.Fill(folder_); break;
    default: contacts_.Fill(folder_); break;
    }
    if (listener_) listener_->UpdateDependentPanels();
}

void CDvViewContents::countItems() {
    counts_ = {0, 0, 0, 0, 0};
    for (const auto& item : doc_.items)
        if (item->itemType >= 1 && item->itemType <= 4 && DvItemInFolder(*item, folder_, true))
            ++counts_[static_cast<size_t>(item->itemType)];
}

std::u16string CDvViewContents::TabCaption(int tab) const {
    std::u16string caption = DvTabName(tab);
    if (tab >= 1 && tab <= 4 && counts_[static_cast<size_t>(tab)] >= 0)
        caption += u" (" + dv::formatInt64(counts_[static_cast<size_t>(tab)]) + u")";
    return caption;
}
