#pragma once
// UTF-16 text helpers. Stored text is UTF-16; UTF-8 only appears at the edges (files, terminal).
#include <string>
#include <string_view>
#include <vector>

namespace dv {

std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);  // invalid sequences become U+FFFD
/// Where the first byte lies that is not part of well-formed UTF-8 (overlong forms, surrogates
/// and cut-off sequences included), or npos when all of `text` is UTF-8.
std::size_t firstInvalidUtf8(std::string_view text);

/// Plain ASCII widening, for literals and numbers that are known to be ASCII.
std::u16string fromAscii(std::string_view text);

std::vector<std::u16string> split(std::u16string_view text, char16_t separator);
std::u16string join(const std::vector<std::u16string>& parts, std::u16string_view separator);
/// Trims the space character only (not tabs or other white space).
std::u16string_view trimSpaces(std::u16string_view text);
void replaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to);
bool startsWith(std::u16string_view text, std::u16string_view prefix);
bool endsWith(std::u16string_view text, std::u16string_view suffix);

/// ASCII-only lower-casing: for fixed keywords such as "true" and "yes", never for user text.
std::u16string asciiLower(std::u16string_view text);
bool equalsAsciiNoCase(std::u16string_view a, std::u16string_view b);

}  // namespace dv
