#include "platform/guid.h"

#include <sys/random.h>

#include <cstdint>
#include <cstdio>

namespace dv {

std::u16string newGuidText() {
    uint8_t b[16];
    if (getrandom(b, sizeof b, 0) != static_cast<ssize_t>(sizeof b)) return {};
    const uint32_t data1 = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    const unsigned data2 = unsigned(b[4]) | unsigned(b[5]) << 8;
    const unsigned data3 = unsigned(b[6]) | unsigned(b[7]) << 8;
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04x-%02X%02X-%02X%02X%02X%02X%02X%02X}", data1, data2, data3, b[8],
                  b[9], b[10], b[11], b[12], b[13], b[14], b[15]);
    return std::u16string(text, text + 38);
}

}  // namespace dv
