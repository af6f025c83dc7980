#pragma once
// Rich-text fixtures written as RTF source text, and the table row a round-trip case is kept in.
#include <cstdint>
#include <span>
#include <string_view>

#include "core/rtf_reader.h"

namespace dvtest {

inline std::span<const uint8_t> bytesOf(std::string_view s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

inline DvRichText parse(std::string_view rtf) { return DvRtfParse(bytesOf(rtf)); }

struct RtfCase {
    const char* what;
    const char* rtf;
};

}  // namespace dvtest
