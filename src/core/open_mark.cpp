#include "core/open_mark.h"

#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"

namespace {

constexpr int kAttempts = 2;

// Two instances touching the mark at the same moment should not retry in lock step.
void pauseBeforeRetry() {
    static thread_local std::mt19937 rng{std::random_device{}()};
    const int ms = std::uniform_int_distribution<int>(80, 120)(rng);
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Digits, perhaps followed by a line end when someone wrote the mark by hand.
bool parseMark(std::vector<uint8_t> bytes, long long& time) {
    while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r' || bytes.back() == ' ')) bytes.pop_back();
    if (bytes.empty() || bytes.size() > 19) return false;
    long long value = 0;
    for (uint8_t b : bytes) {
        if (b < '0' || b > '9') return false;
        value = value * 10 + (b - '0');
    }
    time = value;
    return true;
}

}  // namespace

std::filesystem::path DvOpenMarkPath(const std::filesystem::path& mainFile) {
    std::filesystem::path mark = mainFile;
    mark += ".open_mark";
    return mark;
}

bool WriteOpenMark(const std::filesystem::path& mainFile) {
    const std::string text = std::to_string(dv::clock().epochSeconds());
    const std::vector<uint8_t> bytes(text.begin(), text.end());
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (attempt) pauseBeforeRetry();
        if (dv::writeFileAtomically(DvOpenMarkPath(mainFile), bytes)) return true;
    }
    return false;
}

bool RemoveOpenMark(const std::filesystem::path& mainFile) { return dv::removeFile(DvOpenMarkPath(mainFile)); }

DvOpenMark ReadOpenMark(const std::filesystem::path& mainFile) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (attempt) pauseBeforeRetry();
        std::vector<uint8_t> bytes;
        long long time = 0;
        if (dv::readFile(DvOpenMarkPath(mainFile), bytes) && parseMark(bytes, time)) return {true, time};
    }
    return {false, dv::clock().epochSeconds()};
}

bool IsOpenMarkFresh(const std::filesystem::path& mainFile, int seconds) {
    if (!dv::fileExists(DvOpenMarkPath(mainFile))) return false;  // no retries for the common case
    const DvOpenMark mark = ReadOpenMark(mainFile);
    if (!mark.found) return false;
    const long long age = dv::clock().epochSeconds() - mark.time;
    return age >= 0 && age <= seconds * 3LL / 2;
}
