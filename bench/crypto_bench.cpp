// Encrypting and decrypting a 100 MB document in memory, as Save and Load do.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "core/crypto_format.h"

namespace {

constexpr size_t kDocumentSize = 100u * 1024 * 1024;

const std::vector<uint8_t>& document() {
    static const std::vector<uint8_t> bytes = [] {
        std::vector<uint8_t> v(kDocumentSize);
        uint32_t x = 1;
        for (auto& b : v) b = static_cast<uint8_t>((x = x * 1664525u + 1013904223u) >> 24);
        return v;
    }();
    return bytes;
}

void BM_EncryptBytes(benchmark::State& state) {
    const auto& plaintext = document();
    for (auto _ : state) {
        auto file = DvEncryptBytes(plaintext, u"correct horse battery staple");
        benchmark::DoNotOptimize(file.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kDocumentSize));
}

void BM_DecryptBytes(benchmark::State& state) {
    const auto file = DvEncryptBytes(document(), u"correct horse battery staple");
    std::vector<uint8_t> plaintext;
    for (auto _ : state) {
        if (DvDecryptBytes(file, u"correct horse battery staple", plaintext) != DvCryptResult::Succeeded) {
            state.SkipWithError("decryption failed");
        }
        benchmark::DoNotOptimize(plaintext.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(kDocumentSize));
}

}  // namespace

BENCHMARK(BM_EncryptBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecryptBytes)->Unit(benchmark::kMillisecond);
