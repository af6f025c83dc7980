#pragma once
// The date calculator tool window's two calculators: the days between two dates, and a date
// moved forward or back by a number of years, months, weeks, days and (optionally) hours,
// minutes and seconds. Both give their result as text; neither touches a document.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/date_time.h"

inline constexpr std::u16string_view kDvCalculatorAdd = u"add";
inline constexpr std::u16string_view kDvCalculatorSubtract = u"substract";

/// "Calculate the number of days between two dates".
struct DvDaysBetweenFields {
    DvDateTime startDate, startTime, endDate, endTime;
    bool specifyTime = false;  // when clear, both dates count from 00:00:00
};

/// "Add to or subtract from a date". Years are 365 days and months 30, not calendar steps.
struct DvDateShiftFields {
    DvDateTime startDate, startTime;
    bool specifyTime = false;  // when clear, the start counts from 00:00:00 and the hours,
                               // minutes and seconds are ignored
    std::u16string operation = std::u16string(kDvCalculatorAdd);
    int32_t years = 0, months = 0, weeks = 0, days = 0, hours = 0, minutes = 0, seconds = 0;
};

/// The duration between the two dates in days (and hours, minutes and seconds when the time is
/// specified) and in other units; dates given in the wrong order are swapped with a notice.
std::u16string DvDaysBetweenText(const DvDaysBetweenFields& fields);
/// The moved date as a full date text, with the time when it is specified.
std::u16string DvDateShiftText(const DvDateShiftFields& fields);

/// The state behind the tool window.
class DvDateCalculatorModel {
public:
    /// The add/subtract result is redrawn this often.
    static constexpr int kShiftRefreshMs = 200;

    /// Opens with every date and time field at now.
    DvDateCalculatorModel();

    DvDaysBetweenFields between;
    DvDateShiftFields shift;

    // The "Now" buttons.
    void BetweenStartNow();
    void BetweenEndNow();
    void ShiftStartNow();

    /// The between result for the current fields; the window asks again after every change of
    /// its date and time fields and of its check box.
    std::u16string BetweenText() const { return DvDaysBetweenText(between); }
    /// Recomputes the add/subtract result; true when its text changed and must be written.
    bool RefreshShiftText();
    const std::u16string& ShiftText() const { return shiftText_; }

private:
    std::u16string shiftText_;
};
