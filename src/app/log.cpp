#include "app/log.h"

#include <locale.h>

#include <cstdio>
#include <ctime>
#include <deque>
#include <mutex>

#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/locale_text.h"
#include "platform/locations.h"
#include "platform/text.h"

namespace {

struct LogRecord {
    std::u16string name;  // the spelling first seen; it names the file
    int depth = 0;
};

struct LogState {
    std::mutex mutex;                // one lock for every log, the registry and the counter
    std::deque<LogRecord> records;   // a deque keeps references stable while it grows
    unsigned lineCounter = 0;
    std::filesystem::path folderOverride;
};

LogState& state() {
    static LogState s;
    return s;
}

std::filesystem::path logFolderLocked(const LogState& s) {
    if (!s.folderOverride.empty()) return s.folderOverride;
    return dv::writableDataFolder() / "LOGS";
}

std::filesystem::path logFile(const LogState& s, std::u16string_view name, std::u16string_view suffix) {
    return logFolderLocked(s) / dv::toUtf8(std::u16string(name) + std::u16string(suffix));
}

// Last run's file becomes "<name>.prev.log" before this run's first line; failures are ignored,
// the log then simply goes on appending.
void rotate(const LogState& s, std::u16string_view name) {
    const std::filesystem::path current = logFile(s, name, u".log");
    const std::filesystem::path previous = logFile(s, name, u".prev.log");
    std::error_code ec;
    std::filesystem::remove(previous, ec);
    std::filesystem::rename(current, previous, ec);
}

LogRecord& recordLocked(LogState& s, std::u16string_view logName) {
    const std::u16string_view name = logName.empty() ? kDvMainLogName : logName;
    for (LogRecord& r : s.records)
        if (r.name == name || dv::equalsNoCase(r.name, name)) return r;
    rotate(s, name);
    return s.records.emplace_back(LogRecord{std::u16string(name), 0});
}

std::u16string timeText() {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    const std::tm tm = dv::toTm(dv::clock().now());
    char text[64];
    const size_t n = strftime_l(text, sizeof text, "%d %b, %H:%M:%S", &tm, cLocale);
    return dv::fromAscii(std::string_view(text, n));
}

void writeLocked(LogState& s, const LogRecord& record, std::u16string_view message, std::string_view sourceFile,
                 unsigned sourceLine) {
    const std::filesystem::path path = logFile(s, record.name, u".log");
    std::FILE* f = std::fopen(path.c_str(), "ab");
    if (!f) {
        // The folder is made on demand, also when someone removed it during the run.
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        f = std::fopen(path.c_str(), "ab");
    }
    if (!f) return;
    std::u16string line = dv::fromAscii(std::to_string(s.lineCounter++));
    line += u':';
    if (record.depth > 0) line.append(static_cast<size_t>(record.depth), u' ');
    line += message;
    line += u" (";
    line += timeText();
    line += u",File:";
    line += dv::fromUtf8(sourceFile);
    line += u", Line:";
    line += dv::fromAscii(std::to_string(sourceLine));
    line += u")\r\n";
    const std::string bytes = dv::toCodePage(line);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// Source positions name the file alone; the build machine's folders say nothing in a log.
std::string_view fileNameOnly(const char* path) {
    const std::string_view p(path);
    const size_t slash = p.find_last_of('/');
    return slash == std::string_view::npos ? p : p.substr(slash + 1);
}

}  // namespace

void DvWriteLogLine(std::u16string_view logName, std::u16string_view message, std::string_view sourceFile,
                    unsigned sourceLine, bool debugOnly) {
    if (debugOnly) return;
    LogState& s = state();
    std::lock_guard lock(s.mutex);
    writeLocked(s, recordLocked(s, logName), message, sourceFile, sourceLine);
}

void DvLog(std::u16string_view logName, std::u16string_view message, DvSourcePos where) {
    DvWriteLogLine(logName, message, fileNameOnly(where.file), where.line);
}

std::filesystem::path DvLogFolder() {
    LogState& s = state();
    std::lock_guard lock(s.mutex);
    return logFolderLocked(s);
}

void DvSetLogFolder(const std::filesystem::path& folder) {
    LogState& s = state();
    std::lock_guard lock(s.mutex);
    s.folderOverride = folder;
    s.records.clear();
    s.lineCounter = 0;
}

CDvScopeTrace::CDvScopeTrace(std::u16string logName, std::u16string operation, DvSourcePos where)
    : logName_(std::move(logName)), operation_(std::move(operation)), where_(where),
      start_(std::chrono::steady_clock::now()) {
    LogState& s = state();
    std::lock_guard lock(s.mutex);
    LogRecord& record = recordLocked(s, logName_);
    ++record.depth;
    writeLocked(s, record, u"Entering: " + operation_, fileNameOnly(where_.file), where_.line);
}

CDvScopeTrace::~CDvScopeTrace() {
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_).count();
    LogState& s = state();
    std::lock_guard lock(s.mutex);
    LogRecord& record = recordLocked(s, logName_);
    writeLocked(s, record,
                u"Leaving: " + operation_ + u" [" + dv::fromAscii(std::to_string(elapsed)) + u" ms]",
                fileNameOnly(where_.file), where_.line);
    --record.depth;
}
