#include "schedule/repeat_options_model.h"

#include "core/var.h"
#include "platform/numbers.h"
#include "platform/ui.h"

namespace {

// Check boxes run Monday to Sunday; day-of-week numbers start on Sunday.
std::u16string_view tokenOfBox(size_t box) { return DvWeekdayToken(static_cast<int>((box + 1) % 7) + 1); }

}  // namespace

CDvEditTaskRecursiveDlgModel::CDvEditTaskRecursiveDlgModel(const CDvVarSet& vars) {
    const DvRepeatRule rule = DvRepeatRule::Read(vars);
    switch (rule.kind) {
        case DvRepeatKind::None:  // no repetition opens like the default kind
        case DvRepeatKind::Days:
        case DvRepeatKind::Weeks:
        case DvRepeatKind::Years:
            mode = DvRepeatMode::Every;
            unit = rule.kind == DvRepeatKind::None ? DvRepeatKind::Days : rule.kind;
            countText = dv::formatInt64(rule.count);
            break;
        case DvRepeatKind::Weekly:
            mode = DvRepeatMode::Weekly;
            for (size_t box = 0; box < weekdays.size(); ++box)
                weekdays[box] = rule.weekdays.find(tokenOfBox(box)) != std::u16string::npos;
            break;
        case DvRepeatKind::Monthly:
            mode = DvRepeatMode::Monthly;
            monthDayText = dv::formatInt64(rule.monthDay);
            break;
        case DvRepeatKind::Unknown: mode = DvRepeatMode::NotChosen; break;
    }
}

bool CDvEditTaskRecursiveDlgModel::Ok(CDvVarSet& vars) const {
    // Everything is checked before anything is written, so a refused OK followed by Cancel leaves
    // the task's rule as it was.
    switch (mode) {
        case DvRepeatMode::Every: {
            const std::u16string unitText(DvRepeatKindText(unit));
            const int64_t count = dv::parseLeadingInt64(countText);
            if (count == 0) {
                dv::ui().ShowMessage(u"Every 0 " + unitText + u"\r\nI can't do that.");
                return false;
            }
            vars.Set(kDvRepeatTypeVar, CDvVar::FromString(unitText));
            vars.Set(kDvRepeatCountVar, CDvVar::FromInt64(count));
            return true;
        }
        case DvRepeatMode::Weekly: {
            std::u16string list;
            for (size_t box = 0; box < weekdays.size(); ++box)
                if (weekdays[box]) list += std::u16string(tokenOfBox(box)) + u",";
            vars.Set(kDvRepeatTypeVar, CDvVar::FromString(u"weekly"));
            vars.Set(kDvRepeatWeekdaysVar, CDvVar::FromString(list));
            return true;
        }
        case DvRepeatMode::Monthly: {
            const int64_t day = dv::parseLeadingInt64(monthDayText);
            if (day < 1 || day > 31) {
                dv::ui().ShowMessage(u"Error in \"day of month\"");
                return false;
            }
            vars.Set(kDvRepeatTypeVar, CDvVar::FromString(u"monthly"));
            vars.Set(kDvRepeatMonthDayVar, CDvVar::FromInt64(day));
            return true;
        }
        case DvRepeatMode::NotChosen: return true;
    }
    return true;
}
