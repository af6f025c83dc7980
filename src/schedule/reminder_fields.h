#pragma once
// The reminder fields of the task editing dialog: the type list ("none", "popup"), the count
// spinner and the units list, as opened from a task's variables and what OK writes back.
#include <array>
#include <string>
#include <string_view>

class CDvVarSet;

inline constexpr std::u16string_view kDvReminderTypeVar = u"reminder_s_type";
inline constexpr std::u16string_view kDvReminderCountVar = u"reminder_n_before_count";
inline constexpr std::u16string_view kDvReminderUnitsVar = u"reminder_s_before_units";
inline constexpr std::u16string_view kDvReminderAtVar = u"reminder_d_at";
inline constexpr std::u16string_view kDvReminderSoundVar = u"dv_reminder_s_sound_path";

struct DvReminderFields {
    static constexpr std::array<std::u16string_view, 2> kTypes{u"none", u"popup"};
    static constexpr std::array<std::u16string_view, 3> kUnits{u"minutes", u"hours", u"days"};
    static constexpr int kMaxCount = 1000;
    static constexpr std::u16string_view kCountLabel = u"before task";

    int type = 0;   // index in kTypes
    int units = 0;  // index in kUnits
    int count = 15;

    /// Opens on the task's variables: an empty type shows "none", any other text than "none"
    /// counts as on; a new task starts with "popup" when reminders are on by default. Units
    /// compare ignoring case (absent: "Minutes"); the count is 15 when absent.
    static DvReminderFields Read(const CDvVarSet& vars, bool newTask, bool onByDefault);
    /// OK: the type, no postponement any more, and the units and count unless the type is "none".
    void Write(CDvVarSet& vars) const;

    friend bool operator==(const DvReminderFields&, const DvReminderFields&) = default;
};
