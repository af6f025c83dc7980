#pragma once
// Byte fixtures written the way the file format is documented: "FF FE FF 02 61 00".
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace dvtest {

inline std::vector<uint8_t> Hex(std::string_view text) {
    std::vector<uint8_t> out;
    auto digit = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
    for (size_t i = 0; i + 1 < text.size();) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        out.push_back(static_cast<uint8_t>(digit(text[i]) << 4 | digit(text[i + 1])));
        i += 2;
    }
    return out;
}

inline std::string ToHex(const std::vector<uint8_t>& bytes) {
    std::string out;
    char cell[4];
    for (uint8_t b : bytes) {
        std::snprintf(cell, sizeof cell, out.empty() ? "%02X" : " %02X", b);
        out += cell;
    }
    return out;
}

inline std::vector<uint8_t> Concat(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace dvtest
