#pragma once
// The few calendar operations that repeating tasks, the temporary-task sweep and the smart box
// need on top of DvDateTime's fields: day numbers, day of week, same day, and arithmetic on the
// linear form (before 30 December 1899 the stored fraction counts forward from midnight, so plain
// addition of stored values goes wrong there).
#include <optional>

#include "core/date_time.h"

namespace dv::daymath {

/// Days since 30 December 1899 of the value's calendar date (the time of day dropped), or none
/// when the value is not valid or cannot be broken down.
std::optional<long long> DayNumber(const DvDateTime& value);

/// 1 = Sunday ... 7 = Saturday for a day number; day 0 was a Saturday.
int DayOfWeek(long long dayNumber);

/// Same year, month and day; two values that cannot be broken down count as the same day, and
/// such a value never matches one that can.
bool IsSameDay(const DvDateTime& a, const DvDateTime& b);

/// The value moved by `days` (fractions are parts of a day), computed on the linear form; the
/// result is valid.
DvDateTime AddDays(const DvDateTime& value, double days);

/// b - a in days on the linear form.
double DaysBetween(const DvDateTime& a, const DvDateTime& b);

/// The calendar date of `date` at the time of day of `time`; invalid when either cannot be
/// broken down.
DvDateTime Combine(const DvDateTime& date, const DvDateTime& time);

inline constexpr double kMinute = 1.0 / 1440.0;

}  // namespace dv::daymath
