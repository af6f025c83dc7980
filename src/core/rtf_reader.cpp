#include "core/rtf_reader.h"

#include <cctype>

// A minimal reading: printable ASCII outside control words and braces. The full reader replaces
// this one.
std::u16string DvRtfToPlainText(std::span<const uint8_t> rtf) {
    std::u16string out;
    for (size_t i = 0; i < rtf.size(); ++i) {
        const uint8_t c = rtf[i];
        if (c == '\\' && i + 1 < rtf.size() && (rtf[i + 1] == '\\' || rtf[i + 1] == '{' || rtf[i + 1] == '}')) {
            out += static_cast<char16_t>(rtf[++i]);
        } else if (c == '\\') {
            while (i + 1 < rtf.size() && (std::isalnum(rtf[i + 1]) || rtf[i + 1] == '-')) ++i;
            if (i + 1 < rtf.size() && rtf[i + 1] == ' ') ++i;  // the delimiting space belongs to the word
        } else if (c >= 0x20 && c < 0x7F && c != '{' && c != '}') {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}
