#pragma once
// The open mark: a small file beside the main file that says an instance has the database open.
// It holds the seconds since 1970 (UTC) when it was last written; the owner rewrites it every
// 40 seconds, so a mark left by a crash goes stale on its own.
#include <filesystem>

/// The mark of a main file: main file path + ".open_mark".
std::filesystem::path DvOpenMarkPath(const std::filesystem::path& mainFile);

bool WriteOpenMark(const std::filesystem::path& mainFile);
/// True when the mark is gone afterwards.
bool RemoveOpenMark(const std::filesystem::path& mainFile);

struct DvOpenMark {
    bool found = false;
    long long time = 0;  // the time in the mark, or now when not found
};
DvOpenMark ReadOpenMark(const std::filesystem::path& mainFile);

/// In use while the mark's age is at most 1.5 x `seconds` (60 s for the usual 40): the owner
/// rewrites it every 40 s, so a live owner that is a little late is never taken for a crash, and
/// after a crash the user waits about a minute. A mark from the future is not fresh.
bool IsOpenMarkFresh(const std::filesystem::path& mainFile, int seconds);
