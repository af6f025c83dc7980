#pragma once
// A small append-only log of internal milestones (the shutdown sequence and the like), one file
// per log name in the log folder. Each line carries a process-wide sequence number, one blank
// per nesting level of its log, the local time and the source position:
//   12:  Leaving: OnDestroy [3 ms] (07 Mar, 10:07:12,File:main_window.cpp, Line:88)
// The first line a run writes to a log moves the last run's file to "<name>.prev.log".
// User-facing errors never come here; they go to the Ui port. There is no trace viewer window
// on this desktop to mirror the lines to: the file is the only destination.
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

/// A source position taken at the call site. (std::source_location is not usable with every
/// compiler this library is built with; the builtins behind it are.)
struct DvSourcePos {
    const char* file = "";
    unsigned line = 0;
    static constexpr DvSourcePos current(const char* file = __builtin_FILE(), unsigned line = __builtin_LINE()) {
        return {file, line};
    }
};

/// The log that the empty name stands for.
inline constexpr std::u16string_view kDvMainLogName = u"MainThread";

/// Appends one line to the log `logName` (empty: "MainThread") in the 8-bit code page.
/// Debug-only lines are dropped. A log that cannot be opened loses the line silently.
void DvWriteLogLine(std::u16string_view logName, std::u16string_view message, std::string_view sourceFile,
                    unsigned sourceLine, bool debugOnly = false);
/// The same with the caller's source position.
void DvLog(std::u16string_view logName, std::u16string_view message,
           DvSourcePos where = DvSourcePos::current());

/// The log folder in use: the folder given to `DvSetLogFolder`, else "LOGS" in the writable
/// data folder (the program's folder when it is writable).
std::filesystem::path DvLogFolder();
/// Sends logs to `folder` (the empty path restores the default) and forgets the registry and
/// the line counter, as a new run would: each log rotates again on its next line.
void DvSetLogFolder(const std::filesystem::path& folder);

/// Writes "Entering: <operation>" one level deeper in its log when made, and
/// "Leaving: <operation> [<elapsed> ms]" when destroyed, then returns to the outer level.
class CDvScopeTrace {
public:
    CDvScopeTrace(std::u16string logName, std::u16string operation,
                  DvSourcePos where = DvSourcePos::current());
    ~CDvScopeTrace();
    CDvScopeTrace(const CDvScopeTrace&) = delete;
    CDvScopeTrace& operator=(const CDvScopeTrace&) = delete;

private:
    std::u16string logName_;
    std::u16string operation_;
    DvSourcePos where_;
    std::chrono::steady_clock::time_point start_;
};

#define DV_SCOPE_TRACE_JOIN2(a, b) a##b
#define DV_SCOPE_TRACE_JOIN(a, b) DV_SCOPE_TRACE_JOIN2(a, b)
/// Traces the rest of the enclosing block in the main log: DV_SCOPE_TRACE(u"OnDestroy");
#define DV_SCOPE_TRACE(operation) const CDvScopeTrace DV_SCOPE_TRACE_JOIN(dvScopeTrace_, __LINE__)(u"", operation)
