#pragma once
// Readable failure output for date-times: the calendar reading next to the stored double.
#include <cstdio>
#include <ostream>

#include "core/date_time.h"
#include "platform/clock.h"

namespace dv {

inline void PrintTo(const CivilTime& t, std::ostream* os) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    *os << text;
}

}  // namespace dv

inline void PrintTo(const DvDateTime& t, std::ostream* os) {
    static const char* const kStatus[] = {"valid", "invalid", "null"};
    const auto status = static_cast<unsigned>(t.status);
    char value[32];
    std::snprintf(value, sizeof value, "%.17g", t.value);
    *os << value << ' ' << (status < 3 ? kStatus[status] : "status?");
    dv::CivilTime c;
    if (t.ToCivil(c)) {
        *os << " (";
        dv::PrintTo(c, os);
        *os << ')';
    }
}

inline void PrintTo(const DvDateTimeSpan& s, std::ostream* os) {
    char value[32];
    std::snprintf(value, sizeof value, "%.17g", s.value);
    *os << value << " days" << (s.IsValid() ? "" : " invalid");
}

namespace dvtest {

/// The calendar reading of a value, for comparing results that went through floating arithmetic.
inline dv::CivilTime Fields(const DvDateTime& t) {
    dv::CivilTime c{-1, -1, -1, -1, -1, -1};
    t.ToCivil(c);
    return c;
}

}  // namespace dvtest
