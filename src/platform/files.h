#pragma once
// File-system helpers. Paths are UTF-8 std::filesystem paths; database files are replaced
// atomically so that a crash or a full disk never leaves a truncated file behind.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace dv {

namespace fs = std::filesystem;

/// Reads the whole file; false when it cannot be opened or read.
bool readFile(const fs::path& path, std::vector<uint8_t>& out);

/// Writes `data` to a temporary file beside `target`, flushes it to disk and renames it over
/// `target`. On failure the target is untouched and `error` says why.
bool writeFileAtomically(const fs::path& target, std::span<const uint8_t> data, std::string* error = nullptr);

/// Size in bytes, or -1 when the file does not exist or is not a regular file.
int64_t fileSize(const fs::path& path);
bool isDirectory(const fs::path& path);
bool fileExists(const fs::path& path);
/// Removes a file if it exists; true when it is gone afterwards.
bool removeFile(const fs::path& path);

}  // namespace dv
