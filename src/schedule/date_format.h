#pragma once
// Date texts: patterns in the C library's strftime conversions, the user's long and short date
// formats, the full date text, and the ISO forms used by the command-line tool.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/option_keys.h"

#include "core/date_time.h"

/// Longest text a pattern expands to; longer expansions are cut.
inline constexpr std::size_t kDvFormatMaxChars = 256;
inline constexpr std::u16string_view kDvInvalidDateTimeText = u"Invalid DateTime";

inline constexpr std::u16string_view kDvDefaultLongDate = u"%a %d-%b-%Y";
inline constexpr std::u16string_view kDvDefaultShortDate = u"%a, %d %b";

/// Expands `pattern` with wcsftime under the current C locale (names of months and weekdays
/// come from LC_TIME), at most kDvFormatMaxChars characters. A null value gives the empty text;
/// an invalid one, or one that cannot be broken down, "Invalid DateTime".
std::u16string DvFormatPattern(const DvDateTime& value, std::u16string_view pattern);

/// The time of day in the locale's own time format ("%X").
std::u16string DvLocaleTimeText(const DvDateTime& value);

/// Where the user's date patterns come from: called with an option key, returns its text.
using DvDateFormatSource = std::function<std::u16string(std::u16string_view key)>;
/// Installs the source of the date options; an empty function restores the default, which
/// answers every key with the empty text (the built-in patterns).
void DvSetDateFormatSource(DvDateFormatSource source);
/// The user's long or short date pattern as it stands now, the built-in one when unset.
std::u16string DvDatePattern(bool longForm);

/// `value` in the user's long or short date format, followed by " %H:%M" when `withTime` is set.
/// The options are read at each call, so a changed format shows at the next refresh.
std::u16string DvFormatDate(const DvDateTime& value, bool longForm, bool withTime);

/// The full date text: "Wednesday,March 05, 2008 14:30:15" with every part switched on,
/// "March 05, 2008" for the date alone; "unknown" for a value that is not valid or lies in 1899
/// (the year of the unset date).
std::u16string DvFormatDateText(const DvDateTime& value, bool withDate, bool withTime, bool withSeconds,
                                bool withWeekday);

/// "YYYY-MM-DD" or "YYYY-MM-DDTHH:MM:SS"; the empty text when the value is not valid.
std::u16string DvIsoText(const DvDateTime& value, bool withTime);
/// Reads "YYYY-MM-DD", optionally followed by a blank or "T" and "HH:MM" or "HH:MM:SS".
/// Month, day and hour may have one digit. Nothing when the text is not of that form or does
/// not name a date.
std::optional<DvDateTime> DvParseIsoText(std::u16string_view text);
