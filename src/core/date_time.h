#pragma once
// The stored date-time value: days since 30 December 1899 00:00, the fraction being the time of
// day, with a validity status. Formatting and arithmetic live with the schedule code.
#include <cstdint>

#include "platform/clock.h"

enum class DvDateTimeStatus : uint32_t { Valid = 0, Invalid = 1, Null = 2 };

struct DvDateTime {
    double value = 0.0;
    DvDateTimeStatus status = DvDateTimeStatus::Valid;

    /// The clock's local time, whole seconds.
    static DvDateTime Now();
    /// Invalid status when the fields do not form a date (month 13, 30 February, hour 24).
    static DvDateTime FromFields(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    static DvDateTime FromCivil(const dv::CivilTime& t);

    bool IsValid() const { return status == DvDateTimeStatus::Valid; }
    /// Breaks a valid value down to the nearest second; false when not valid or out of range.
    bool ToCivil(dv::CivilTime& out) const;

    friend bool operator==(const DvDateTime&, const DvDateTime&) = default;
};
