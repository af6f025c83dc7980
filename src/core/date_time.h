#pragma once
// The stored date-time value: days since 30 December 1899 00:00, the fraction being the time of
// day, with a validity status; and the span between two of them, in days. Formatting lives with
// the schedule code.
#include <cstdint>

#include "platform/clock.h"

enum class DvDateTimeStatus : uint32_t { Valid = 0, Invalid = 1, Null = 2 };
enum class DvDateTimeSpanStatus : uint32_t { Valid = 0, Invalid = 1 };

/// A signed length of time in days (1 hour = 1/24, 1 minute = 1/1440).
struct DvDateTimeSpan {
    /// Longer spans are invalid, even the few between the very first and the very last dates
    /// of the calendar.
    static constexpr double kMaxDays = 3615897.0;

    double value = 0.0;
    DvDateTimeSpanStatus status = DvDateTimeSpanStatus::Valid;

    /// days + hours/24 + minutes/1440 + seconds/86400; invalid beyond kMaxDays either way.
    static DvDateTimeSpan FromParts(double days, double hours = 0, double minutes = 0, double seconds = 0);
    /// A span of `days`, invalid beyond kMaxDays either way.
    static DvDateTimeSpan FromDays(double days);

    bool IsValid() const { return status == DvDateTimeSpanStatus::Valid; }
    /// The value truncated toward zero.
    int64_t WholeDays() const;

    friend bool operator==(const DvDateTimeSpan&, const DvDateTimeSpan&) = default;
};

DvDateTimeSpan operator+(const DvDateTimeSpan& a, const DvDateTimeSpan& b);
DvDateTimeSpan operator-(const DvDateTimeSpan& a, const DvDateTimeSpan& b);
DvDateTimeSpan operator-(const DvDateTimeSpan& a);

struct DvDateTime {
    double value = 0.0;
    DvDateTimeStatus status = DvDateTimeStatus::Valid;

    /// The clock's local time, whole seconds.
    static DvDateTime Now();
    /// Invalid status when the fields do not form a date (month 13, 30 February, hour 24) or
    /// the year lies outside 100-9999.
    static DvDateTime FromFields(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    static DvDateTime FromCivil(const dv::CivilTime& t);
    /// The date of `date` at the time of day of `time`, whole seconds; invalid unless both are valid.
    static DvDateTime Combine(const DvDateTime& date, const DvDateTime& time);

    bool IsValid() const { return status == DvDateTimeStatus::Valid; }
    bool IsNull() const { return status == DvDateTimeStatus::Null; }
    /// Breaks a valid value down to the nearest second; false when not valid or out of range.
    bool ToCivil(dv::CivilTime& out) const;

    // Calendar fields; each is -1 when the value is not valid or cannot be broken down.
    int Year() const;
    int Month() const;
    int Day() const;
    /// 1 = Sunday ... 7 = Saturday.
    int DayOfWeek() const;
    int Hour() const;
    int Minute() const;
    int Second() const;

    /// Same year, month and day; two values that are both not valid count as the same day.
    bool IsSameDay(const DvDateTime& other) const;

    /// Replaces the date and keeps the time of day, or sets 00:00:00 when `zeroTime` is set.
    /// Fields that do not form a date, or a value whose time cannot be read, give an invalid value.
    void SetDate(int year, int month, int day, bool zeroTime = false);
    /// Takes year, month and day from `from`.
    void SetDate(const DvDateTime& from, bool zeroTime = false);
    /// Replaces the time of day and keeps the date.
    void SetTime(int hour, int minute, int second);
    /// Takes hour, minute and second from `from`.
    void SetTime(const DvDateTime& from);

    /// The form in which days run on without a break below day 0 (where the stored fraction
    /// still counts forward from that day's midnight): -1.25 becomes -0.75.
    static double ToLinear(double stored);
    /// The inverse of ToLinear: -0.75 becomes -1.25.
    static double FromLinear(double linear);

    DvDateTime& operator+=(const DvDateTimeSpan& span);
    DvDateTime& operator-=(const DvDateTimeSpan& span);

    friend bool operator==(const DvDateTime&, const DvDateTime&) = default;
};

/// Valid, unless the result falls outside the calendar range (years 100-9999).
DvDateTime operator+(const DvDateTime& date, const DvDateTimeSpan& span);
DvDateTime operator-(const DvDateTime& date, const DvDateTimeSpan& span);
/// Invalid when either date is not valid or the distance exceeds DvDateTimeSpan::kMaxDays.
DvDateTimeSpan operator-(const DvDateTime& to, const DvDateTime& from);

// False whenever either operand is not valid; greater-or-equal is also true for two nulls.
bool operator<(const DvDateTime& a, const DvDateTime& b);
bool operator>(const DvDateTime& a, const DvDateTime& b);
bool operator>=(const DvDateTime& a, const DvDateTime& b);
