#include "schedule/reminder_fields.h"

#include <algorithm>

#include "core/var.h"
#include "platform/text.h"

DvReminderFields DvReminderFields::Read(const CDvVarSet& vars, bool newTask, bool onByDefault) {
    DvReminderFields fields;
    const std::u16string type = vars.GetText(kDvReminderTypeVar);
    const bool on = !type.empty() && !dv::equalsAsciiNoCase(type, u"none");
    fields.type = on || (newTask && onByDefault) ? 1 : 0;

    const CDvVar* units = vars.Get(kDvReminderUnitsVar);
    const std::u16string unitsText = units ? units->AsText() : u"Minutes";
    for (size_t i = 0; i < kUnits.size(); ++i)
        if (dv::equalsAsciiNoCase(unitsText, kUnits[i])) fields.units = static_cast<int>(i);

    if (const CDvVar* count = vars.Get(kDvReminderCountVar))
        fields.count = static_cast<int>(std::clamp<int64_t>(count->AsInt64(), 0, kMaxCount));
    return fields;
}

void DvReminderFields::Write(CDvVarSet& vars) const {
    const size_t chosen = static_cast<size_t>(std::clamp(type, 0, 1));
    vars.Set(kDvReminderTypeVar, CDvVar::FromString(std::u16string(kTypes[chosen])));
    vars.Remove(kDvReminderAtVar);  // editing a task cancels any postponement
    if (chosen == 0) return;
    vars.Set(kDvReminderUnitsVar, CDvVar::FromString(std::u16string(kUnits[static_cast<size_t>(std::clamp(units, 0, 2))])));
    vars.Set(kDvReminderCountVar, CDvVar::FromInt64(std::clamp(count, 0, kMaxCount)));
}
