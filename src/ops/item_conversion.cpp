#include "ops/item_conversion.h"

#include "core/doc.h"
#include "ops/document_p.h"
#include "ops/main_window_port.h"
#include "ops/selection_p.h"
#include "platform/ui.h"

using dv::detail::docOrCurrent;

namespace {

constexpr int kQuarterHourSeconds = 15 * 60;
constexpr int kRefillKeepingKeywords = 1;

// Through the calendar fields, so the result is the value those fields give, to the second.
DvDateTime plusSeconds(const DvDateTime& t, int seconds) {
    DvDateTime shifted = t;
    shifted.value += seconds / 86400.0;
    dv::CivilTime civil;
    return shifted.ToCivil(civil) ? DvDateTime::FromCivil(civil) : shifted;
}

void makeTask(CDvItem& item, const DvDateTime& start, const DvDateTime& end) {
    item.itemType = DV_ITEM_TASK;
    item.taskStart = start;
    item.taskEnd = end;
    item.vars.Set(u"reminder_s_type", CDvVar::FromString(u"popup"));
    item.vars.Set(u"reminder_s_before_units", CDvVar::FromString(u"minutes"));
    item.vars.Set(u"reminder_n_before_count", CDvVar::FromInt64(5));
}

}  // namespace

int DvConvertItems(const std::vector<DvLink>& selection, int itemType, unsigned flags, CDvDoc* given) {
    if (itemType < DV_ITEM_TASK || itemType > DV_ITEM_CONTACT) return 0;
    const std::vector<std::u16string> guids = dv::detail::itemsBeforeFirstFolder(selection);
    if (guids.empty()) return 0;
    if (!(flags & DV_ITEM_COMMAND_NO_QUESTIONS) &&
        dv::ui().Ask(u"Are you sure you want to convert selected items?", dv::Buttons::OkCancel) != dv::Answer::Ok)
        return 0;
    const DvDateTime start = plusSeconds(DvDateTime::Now(), kQuarterHourSeconds);
    const DvDateTime end = plusSeconds(start, kQuarterHourSeconds);
    CDvDoc& doc = docOrCurrent(given);
    auto lock = doc.Lock();
    int converted = 0;
    for (const auto& guid : guids) {
        CDvItem* item = doc.FindItemByGuid(guid);
        if (!item || item->itemType == itemType) continue;
        // A task needs its times and reminder; the other types keep every field and variable as
        // it was, so converting back and forth loses nothing.
        if (itemType == DV_ITEM_TASK)
            makeTask(*item, start, end);
        else
            item->itemType = itemType;
        item->Touch();
        ++converted;
    }
    if (converted && DvMainWindow()) {
        DvMainWindow()->RefreshContents(kRefillKeepingKeywords);
        if (selection.size() == 1) DvMainWindow()->OpenItemEditor(guids.front());
    }
    return converted;
}
