#pragma once
// Repeating tasks. The rule lives in five variables of the task itself; occurrences are never
// stored but computed for each day asked about, anchored on the task start: its date is the first
// occurrence, its time of day the time of every occurrence, and end - start the length of each.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/date_time.h"

class CDvItem;
class CDvVarSet;

inline constexpr std::u16string_view kDvRepeatActiveVar = u"task_repeating_n_active";
inline constexpr std::u16string_view kDvRepeatTypeVar = u"task_repeating_s_type";
inline constexpr std::u16string_view kDvRepeatCountVar = u"task_repeating_n_count";
inline constexpr std::u16string_view kDvRepeatWeekdaysVar = u"task_repeating_s_weekdays";
inline constexpr std::u16string_view kDvRepeatMonthDayVar = u"task_repeating_n_monthday";

enum class DvRepeatKind {
    None,     // "none" in any case: no repetition
    Days,     // "day(s)": every `count` days
    Weeks,    // "week(s)": every `count` weeks
    Years,    // "year(s)": every `count` years on the start's month and day
    Weekly,   // "weekly": on the listed days of the week
    Monthly,  // "monthly": on one day of every month
    Unknown,  // any other text: occurs on no day
};

/// The stored text of a kind ("day(s)", ..., "monthly", "none"); empty for Unknown.
std::u16string_view DvRepeatKindText(DvRepeatKind kind);

/// The three-letter token of a day of the week, 1 = "sun" ... 7 = "sat"; empty otherwise.
std::u16string_view DvWeekdayToken(int dayOfWeek);

/// A calendar date broken down once, so that one day can be tested against many rules (and one
/// start against many days) without breaking the same value down again.
struct DvCalendarDay {
    long long number = 0;  // days since 30 December 1899
    int year = 0, month = 0, day = 0;
    int dayOfWeek = 0;  // 1 = Sunday ... 7 = Saturday

    /// The calendar date of `value` (its time of day dropped); nothing when it cannot be broken
    /// down.
    static std::optional<DvCalendarDay> Of(const DvDateTime& value);
};

/// The repeat variables of one task as read, with the stated defaults for absent ones.
struct DvRepeatRule {
    bool active = false;
    DvRepeatKind kind = DvRepeatKind::Days;
    int32_t count = 1;  // the low 32 bits of the stored count, signed
    std::u16string weekdays;  // "mon,wed,fri," as stored
    int64_t monthDay = 1;

    /// Reads the five variables; absent ones take their defaults.
    static DvRepeatRule Read(const CDvVarSet& vars);

    /// Whether the task starting at `start` occurs on the calendar date of `day` (its time of day
    /// is ignored). Days before the start's date never occur; nor does anything when either value
    /// cannot be broken down. `active` is not consulted.
    bool OccursOn(const DvDateTime& start, const DvDateTime& day) const;
    /// The same test on dates already broken down.
    bool OccursOn(const DvCalendarDay& start, const DvCalendarDay& day) const;

    friend bool operator==(const DvRepeatRule&, const DvRepeatRule&) = default;
};

/// Reads the rules of many tasks in a row with the results of DvIsRepeating and
/// DvRepeatRule::Read, comparing each distinct variable name with the repeat variables' names
/// once: that comparison follows the user's locale and is costly, while the same few names recur
/// in every task of a database. One reader serves one pass; it assumes the locale stays put.
class DvRepeatRuleReader {
public:
    /// The rule of a repeating task; nothing for a task that does not repeat.
    std::optional<DvRepeatRule> RuleOf(const CDvItem& task);

private:
    // Which of the five repeat variables a stored name stands for, one bit each.
    unsigned matchesOf(const std::u16string& name);
    DvRepeatKind kindOf(const std::u16string& text);

    // The names met first, compared by content before any hashing: a database uses a handful of
    // variable names over and over.
    std::vector<std::pair<std::u16string, unsigned>> frequent_;
    std::unordered_map<std::u16string, unsigned> matches_;
    std::unordered_map<std::u16string, DvRepeatKind> kinds_;
};

/// True exactly when task_repeating_n_active exists and holds the int64 value 1.
bool DvIsRepeating(const CDvItem& task);

/// The rule test: false for a task that does not repeat; otherwise its rule on `day`.
bool DvOccursOnRepeatDay(const CDvItem& task, const DvDateTime& day);

/// A task that does not repeat occurs on the day of its start only (even when its end lies days
/// later); a repeating one by its rule when `includeRepeats` is set, and never otherwise.
bool DvOccursOnDay(const CDvItem& task, const DvDateTime& day, bool includeRepeats = true);

struct DvOccurrence {
    DvDateTime start;
    DvDateTime end;
    friend bool operator==(const DvOccurrence&, const DvOccurrence&) = default;
};

/// The stored start and end; with `adjust`, for a repeating task, the times DvMovedOccurrence
/// gives.
DvOccurrence DvOccurrenceTimes(const CDvItem& task, const DvDateTime& day, bool adjust);

/// A repeating task's occurrence on `day`: the start moves to the date of `day` (keeping its time
/// of day) and the end keeps its distance from the start, so an occurrence that passes midnight
/// ends on the following day. An end that is not valid stays as it is; when the start cannot be
/// moved, both stay.
DvOccurrence DvMovedOccurrence(const DvDateTime& start, const DvDateTime& end, const DvDateTime& day);
/// The same for a day and a start already broken down (`startFields` are those of `start`).
DvOccurrence DvMovedOccurrence(const DvDateTime& start, const DvDateTime& end, const DvCalendarDay& day,
                               const dv::CivilTime& startFields);

/// The line under "&Repeating task" in the task editing dialog, for the dialog's variables: empty
/// when the box is not ticked or the kind is "none" or unknown.
std::u16string DvRepeatSummary(bool repeatingTicked, const CDvVarSet& vars);

/// What OK of the task editing dialog writes from "&Repeating task" and "A&uto remove".
void DvApplyTaskRepeatChoices(CDvItem& task, bool repeating, bool autoRemove);

/// The tip of the "A&uto remove" box.
inline constexpr std::u16string_view kDvAutoRemoveTip = u"Remove the task 24h after the \"end time\"";
