#include "platform/locations.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace dv {
namespace {

std::mutex overrideMutex;
std::filesystem::path programFolderOverride;

// The XDG base-directory rules ignore relative values: they would depend on the working folder.
std::optional<std::filesystem::path> absoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || value[0] != '/') return std::nullopt;
    return std::filesystem::path(value);
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// user-dirs.dirs is a shell fragment; its values are double-quoted with backslash escapes.
std::string unquoteShellValue(std::string_view value) {
    if (!value.starts_with('"')) return std::string(value.substr(0, value.find_first_of(" \t")));
    std::string out;
    for (size_t i = 1; i < value.size(); ++i) {
        if (value[i] == '"') break;
        if (value[i] == '\\' && i + 1 < value.size()) ++i;
        out += value[i];
    }
    return out;
}

std::optional<std::filesystem::path> userDirFromFile(std::string_view variable) {
    std::vector<uint8_t> bytes;
    if (!readFile(configHome() / "user-dirs.dirs", bytes)) return std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::optional<std::filesystem::path> found;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = trimBlanks(text.substr(start, end - start));
        start = end + 1;
        if (!line.starts_with(variable) || line.substr(variable.size(), 1) != "=") continue;
        const std::string value = unquoteShellValue(line.substr(variable.size() + 1));
        // Only "$HOME/..." and absolute paths are valid; the last assignment wins, as in a shell.
        if (value == "$HOME" || value.starts_with("$HOME/")) {
            const size_t rest = value.find_first_not_of('/', 5);
            found = rest == std::string::npos ? homeFolder() : homeFolder() / value.substr(rest);
        } else if (value.starts_with('/')) {
            found = std::filesystem::path(value);
        }
    }
    return found;
}

}  // namespace

std::filesystem::path programFile() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe;
}

std::filesystem::path programFolder() {
    {
        std::lock_guard lock(overrideMutex);
        if (!programFolderOverride.empty()) return programFolderOverride;
    }
    static const std::filesystem::path real = programFile().parent_path();
    return real;
}

void setProgramFolder(const std::filesystem::path& folder) {
    std::lock_guard lock(overrideMutex);
    programFolderOverride = folder;
}

bool isWritableFolder(const std::filesystem::path& folder) {
    return !folder.empty() && isDirectory(folder) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool isProgramFolderWritable() { return isWritableFolder(programFolder()); }

std::filesystem::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* result = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result && result->pw_dir)
        return result->pw_dir;
    return "/";
}

std::filesystem::path configHome() {
    return absoluteFromEnvironment("XDG_CONFIG_HOME").value_or(homeFolder() / ".config");
}

std::filesystem::path dataHome() {
    return absoluteFromEnvironment("XDG_DATA_HOME").value_or(homeFolder() / ".local" / "share");
}

std::filesystem::path documentsFolder() {
    return userDirFromFile("XDG_DOCUMENTS_DIR").value_or(homeFolder() / "Documents");
}

std::filesystem::path autostartFolder() { return configHome() / "autostart"; }

std::filesystem::path resourceFolder() {
    const std::filesystem::path folder = programFolder();
    if (isWritableFolder(folder)) return folder;
    // An installed program lives in <prefix>/bin; its resources in <prefix>/share/dayvault.
    return folder.parent_path() / "share" / "dayvault";
}

std::filesystem::path writableDataFolder() {
    const std::filesystem::path folder = programFolder();
    if (isWritableFolder(folder)) return folder;
    return dataHome() / "Quellmark" / "Dayvault";
}

}  // namespace dv
