#include "schedule/day_math.h"

#include <cmath>

namespace dv::daymath {

namespace {

// -1.25 (29 December 1899 06:00) lies 0.75 days before day 0: the linear form counts straight.
double linear(double stored) {
    if (stored >= 0) return stored;
    const double c = std::ceil(stored);
    return c - (stored - c);
}

double stored(double linearValue) {
    if (linearValue >= 0) return linearValue;
    const double f = std::floor(linearValue);
    return f + (f - linearValue);
}

}  // namespace

std::optional<long long> DayNumber(const DvDateTime& value) {
    dv::CivilTime t;
    if (!value.ToCivil(t)) return std::nullopt;
    // At midnight the stored value is the whole day number on either side of day 0.
    return static_cast<long long>(DvDateTime::FromFields(t.year, t.month, t.day).value);
}

int DayOfWeek(long long dayNumber) { return static_cast<int>(((dayNumber + 6) % 7 + 7) % 7) + 1; }

bool IsSameDay(const DvDateTime& a, const DvDateTime& b) {
    dv::CivilTime ta, tb;
    const bool va = a.ToCivil(ta), vb = b.ToCivil(tb);
    if (!va || !vb) return va == vb;
    return ta.year == tb.year && ta.month == tb.month && ta.day == tb.day;
}

DvDateTime AddDays(const DvDateTime& value, double days) {
    return DvDateTime{stored(linear(value.value) + days), DvDateTimeStatus::Valid};
}

double DaysBetween(const DvDateTime& a, const DvDateTime& b) { return linear(b.value) - linear(a.value); }

DvDateTime Combine(const DvDateTime& date, const DvDateTime& time) {
    dv::CivilTime d, t;
    if (!date.ToCivil(d) || !time.ToCivil(t)) return DvDateTime{0.0, DvDateTimeStatus::Invalid};
    return DvDateTime::FromFields(d.year, d.month, d.day, t.hour, t.minute, t.second);
}

}  // namespace dv::daymath
