#include "views/cell_text.h"

#include "core/item.h"
#include "platform/text.h"
#include "schedule/date_format.h"

namespace {

std::u16string dateCell(const DvDateTime& value) { return DvFormatDate(value, true, true); }

}  // namespace

std::u16string DvCellText(const CDvItem& item, std::u16string_view column, const DvListOptions& options) {
    const std::u16string name = dv::asciiLower(column);
    if (name == u"dv_created") return dateCell(item.created);
    if (name == u"dv_modified") return dateCell(item.modified);
    if (name == u"dv_taskstart") return dateCell(item.taskStart);
    if (name == u"dv_taskend") {
        if (item.itemType == DV_ITEM_TODO && !(item.flags & DV_ITEM_FLAG_DEADLINE))
            return std::u16string(kDvDeadlineNotDefined);
        return dateCell(item.taskEnd);
    }
    if (name == u"dv_completion")
        return options.completedAsPercents ? DvPercentText(item.completion)
                                           : std::u16string(DvCompletionWord(item.completion));
    if (name == u"dv_priority") {
        const int percent = DvPriorityPercent(item);
        return options.priorityAsPercents ? DvPercentText(percent) : std::u16string(DvPriorityLevelWord(percent));
    }
    if (name == u"dv_title") return item.title;
    return item.GetVar(column).AsText();
}
