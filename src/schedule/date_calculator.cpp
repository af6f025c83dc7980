#include "schedule/date_calculator.h"

#include <cmath>
#include <utility>

#include "platform/numbers.h"
#include "schedule/date_format.h"

namespace {

// The moment a date and time pair stands for: the date at 00:00:00 unless time is specified.
DvDateTime pairValue(const DvDateTime& date, const DvDateTime& time, bool specifyTime) {
    if (specifyTime) return DvDateTime::Combine(date, time);
    DvDateTime midnight = date;
    midnight.SetDate(date, true);
    return midnight;
}

std::u16string dateOnly(const DvDateTime& value) { return DvFormatDateText(value, true, false, false, false); }

// A whole count as printf's "%G" writes it, so large totals turn to exponent form.
std::u16string total(double value) { return dv::formatG(std::trunc(value)); }

int64_t wrapped(double value, int64_t modulus) {
    return static_cast<int64_t>(std::trunc(value)) % modulus;
}

struct UnitRow {
    double perDay;
    const char16_t* unit;
};

}  // namespace

std::u16string DvDaysBetweenText(const DvDaysBetweenFields& fields) {
    DvDateTime from = pairValue(fields.startDate, fields.startTime, fields.specifyTime);
    DvDateTime to = pairValue(fields.endDate, fields.endTime, fields.specifyTime);
    std::u16string text;
    if (from > to) {
        std::swap(from, to);
        text += u" The from-date was after the to-date, so the from and fo fields were swapped\r\n";
    }
    text += u" From and including: " + dateOnly(from) + u", to, but not including: " + dateOnly(to) +
            u"\r\n The duration is:";

    const double span = (to - from).value;
    text += u"\r\n " + dv::formatInt64((to - from).WholeDays()) + u" days";
    // Half a second toward the span's sign, so that a total landing a hair under a whole second
    // through rounding still counts that second.
    const double h = std::copysign(0.5 / 86400, span);
    const double rounded = span + h;
    if (fields.specifyTime) {
        text += u" " + dv::formatInt64(wrapped(rounded * 24, 24)) + u" hours " +
                dv::formatInt64(wrapped(rounded * 1440, 60)) + u" minutes and " +
                dv::formatInt64(wrapped(rounded * 86400, 60)) + u" seconds.";
    }

    text += u"\r\n\r\n other units:";
    text += u"\r\n " + total(rounded * 86400) + u" second(s) totally";
    text += u"\r\n " + total(rounded * 1440) + u" minute(s) totally";
    text += u"\r\n " + total(rounded * 24) + u" hour(s) totally";
    const UnitRow longUnits[] = {
        {1.0 / 7, u"week(s) totally"}, {1.0 / 30, u"month(s) totally"}, {1.0 / 365, u"year(s) totally"}};
    for (const UnitRow& row : longUnits) {
        const double value = span * row.perDay;
        text += u"\r\n " + dv::formatG(std::floor(value)) + u" " + row.unit + u" (precisely:" +
                dv::formatFixed(value, 2) + u")";
    }
    return text;
}

std::u16string DvDateShiftText(const DvDateShiftFields& fields) {
    const DvDateTime base = pairValue(fields.startDate, fields.startTime, fields.specifyTime);
    const double days = fields.years * 365.0 + fields.months * 30.0 + fields.weeks * 7.0 + fields.days;
    const DvDateTimeSpan span = fields.specifyTime
                                    ? DvDateTimeSpan::FromParts(days, fields.hours, fields.minutes, fields.seconds)
                                    : DvDateTimeSpan::FromDays(days);
    std::u16string text;
    DvDateTime result = base;
    if (fields.operation == kDvCalculatorAdd)
        result = base + span;
    else if (fields.operation == kDvCalculatorSubtract)
        result = base - span;
    else
        text += u"Internal error: uknown operation. ";
    text += u"\r\n " + DvFormatDateText(result, true, fields.specifyTime, fields.specifyTime, false);
    return text;
}

DvDateCalculatorModel::DvDateCalculatorModel() {
    BetweenStartNow();
    BetweenEndNow();
    ShiftStartNow();
}

void DvDateCalculatorModel::BetweenStartNow() { between.startDate = between.startTime = DvDateTime::Now(); }
void DvDateCalculatorModel::BetweenEndNow() { between.endDate = between.endTime = DvDateTime::Now(); }
void DvDateCalculatorModel::ShiftStartNow() { shift.startDate = shift.startTime = DvDateTime::Now(); }

bool DvDateCalculatorModel::RefreshShiftText() {
    std::u16string text = DvDateShiftText(shift);
    if (text == shiftText_) return false;
    shiftText_ = std::move(text);
    return true;
}
