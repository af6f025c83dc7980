#pragma once
// Reproducible filler for byte-level tests: the same size and seed always give the same bytes.
#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

inline std::vector<uint8_t> sampleBytes(size_t size, uint32_t seed = 1) {
    std::mt19937 generator(seed);
    std::vector<uint8_t> bytes(size);
    for (auto& b : bytes) b = static_cast<uint8_t>(generator());
    return bytes;
}
