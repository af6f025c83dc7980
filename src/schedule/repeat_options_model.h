#pragma once
// The "Task repeating: options" dialog without widgets: its three modes and their fields as
// opened from a task's variables, and what OK writes back. The Qt dialog binds its radio buttons,
// spinner, unit list, check boxes and day field to this model.
#include <array>
#include <string>
#include <string_view>

#include "schedule/repeat_rule.h"

enum class DvRepeatMode { NotChosen, Every, Weekly, Monthly };

class CDvEditTaskRecursiveDlgModel {
public:
    static constexpr std::u16string_view kTitle = u"Task repeating: options";
    /// The unit list of "Every...", in the order offered.
    static constexpr std::array<DvRepeatKind, 3> kUnits{DvRepeatKind::Days, DvRepeatKind::Weeks,
                                                        DvRepeatKind::Years};

    /// Opens on the task's rule; a kind that is none of the known ones chooses no mode.
    explicit CDvEditTaskRecursiveDlgModel(const CDvVarSet& vars);

    DvRepeatMode mode = DvRepeatMode::Every;
    DvRepeatKind unit = DvRepeatKind::Days;  // one of kUnits
    std::u16string countText = u"1";         // the spinner's text, read as a signed whole number
    std::array<bool, 7> weekdays{};          // Monday first
    std::u16string monthDayText = u"1";      // "Day of month (1-31):"

    /// Only the chosen mode's fields are enabled.
    bool IsEnabled(DvRepeatMode fields) const { return fields == mode; }

    /// OK: writes the chosen mode's variables and returns true. A count of 0 or a month day
    /// outside 1-31 is refused with a message, writing nothing, and the dialog stays open (false).
    /// Variables of the other modes are left as they were.
    bool Ok(CDvVarSet& vars) const;
};
