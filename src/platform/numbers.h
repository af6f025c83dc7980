#pragma once
// Number texts with exactly the C library's results, independent of the user's numeric locale.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dv {

/// printf's "%G": six significant digits, the shorter of fixed and exponent notation.
std::u16string formatG(double value);
/// printf's "%.Nf": fixed notation with `decimals` places.
std::u16string formatFixed(double value, int decimals);
/// Signed decimal.
std::u16string formatInt64(int64_t value);

/// strtod on the leading part of the text: leading white space skipped, "42abc" is 42, "" is 0.
double parseLeadingDouble(std::u16string_view text);
/// scanf's "%f": a single-precision number at the start of the text after white space ("12abc"
/// reads 12); nothing when the text does not begin with one.
std::optional<float> scanFloat(std::u16string_view text);
/// strtoll base 10 on the leading part of the text; out-of-range values clamp as strtoll does.
int64_t parseLeadingInt64(std::u16string_view text);

}  // namespace dv
