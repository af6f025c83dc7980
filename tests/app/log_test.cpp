#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <thread>

#include "app/log.h"
#include "platform/clock.h"
#include "platform/locations.h"
#include "platform/text.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

std::string readText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> readLines(const fs::path& p) {
    std::vector<std::string> lines;
    const std::string text = readText(p);
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the last line is not ended by CR LF";
    return lines;
}

// Each test is a fresh run logging into its own folder at a fixed moment.
class Log : public ::testing::Test {
protected:
    TempDir dir;
    fs::path logs = dir.path() / "LOGS";
    dv::FakeClock clock{{2008, 3, 7, 10, 7, 5}};
    void SetUp() override {
        dv::setClock(&clock);
        DvSetLogFolder(logs);
    }
    void TearDown() override {
        DvSetLogFolder({});
        dv::setClock(nullptr);
    }
};

}  // namespace

TEST_F(Log, LineFormat) {
    DvWriteLogLine(u"", u"Creating fonts", "main_window.cpp", 88);
    clock.advanceSeconds(3600 * 24 * 30);
    DvWriteLogLine(u"MainThread", u"second", "a.cpp", 1);
    EXPECT_EQ(readText(logs / "MainThread.log"),
              "0:Creating fonts (07 Mar, 10:07:05,File:main_window.cpp, Line:88)\r\n"
              "1:second (06 Apr, 10:07:05,File:a.cpp, Line:1)\r\n");
}

TEST_F(Log, FirstLineOfARunRotatesLastRunsFile) {
    fs::create_directories(logs);
    std::ofstream(logs / "MainThread.log") << "last run\r\n";
    std::ofstream(logs / "MainThread.prev.log") << "the run before\r\n";

    DvWriteLogLine(u"", u"one", "f.cpp", 1);
    DvWriteLogLine(u"", u"two", "f.cpp", 2);
    EXPECT_EQ(readText(logs / "MainThread.prev.log"), "last run\r\n");
    EXPECT_EQ(readLines(logs / "MainThread.log").size(), 2u);  // later lines of the run append

    DvSetLogFolder(logs);  // the next run
    DvWriteLogLine(u"", u"three", "f.cpp", 3);
    EXPECT_EQ(readLines(logs / "MainThread.prev.log").size(), 2u);
    EXPECT_EQ(readLines(logs / "MainThread.log"), std::vector<std::string>{
                                                       "0:three (07 Mar, 10:07:05,File:f.cpp, Line:3)"});
}

TEST_F(Log, NamesDifferingInCaseShareOneRecord) {
    fs::create_directories(logs);
    std::ofstream(logs / "Sync.log") << "last run\r\n";
    {
        const CDvScopeTrace trace(u"Sync", u"Refresh");
        DvWriteLogLine(u"SYNC", u"inside", "f.cpp", 1);  // no second rotation, same depth
        DvWriteLogLine(dv::fromUtf8("\xC5\x81\xC3\xB3\x64\xC5\xBA"), u"other log", "f.cpp", 2);
        DvWriteLogLine(dv::fromUtf8("\xC5\x82\xC3\x93\x44\xC5\xB9"), u"same other log", "f.cpp", 3);
    }
    EXPECT_FALSE(fs::exists(logs / "SYNC.log"));
    EXPECT_EQ(readText(logs / "Sync.prev.log"), "last run\r\n");
    const auto lines = readLines(logs / "Sync.log");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(lines[1].starts_with("1: inside (")) << lines[1];
    EXPECT_EQ(readLines(logs / "\xC5\x81\xC3\xB3\x64\xC5\xBA.log").size(), 2u);
}

TEST_F(Log, ScopeTracesIndentWhatHappensInside) {
    int traceLine = 0;
    {
        const CDvScopeTrace outer(u"", u"ExitProcedure");
        DvWriteLogLine(u"", u"saving", "f.cpp", 1);
        {
            DV_SCOPE_TRACE(u"OnDestroy");
            traceLine = __LINE__ - 1;
        }
    }
    DvWriteLogLine(u"", u"after", "f.cpp", 2);

    const auto lines = readLines(logs / "MainThread.log");
    const std::vector<std::string> patterns = {
        R"(0: Entering: ExitProcedure \(07 Mar, 10:07:05,File:log_test\.cpp, Line:\d+\))",
        R"(1: saving \(.*)",
        R"(2:  Entering: OnDestroy \(.*)",
        R"(3:  Leaving: OnDestroy \[\d+ ms\] \(07 Mar, 10:07:05,File:log_test\.cpp, Line:)" + std::to_string(traceLine) + R"(\))",
        R"(4: Leaving: ExitProcedure \[\d+ ms\] \(.*)",
        R"(5:after \(.*)",
    };
    ASSERT_EQ(lines.size(), patterns.size());
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_TRUE(std::regex_match(lines[i], std::regex(patterns[i]))) << lines[i];
}

TEST_F(Log, DebugOnlyLinesAreDropped) {
    DvWriteLogLine(u"", u"debug detail", "f.cpp", 1, true);
    EXPECT_FALSE(fs::exists(logs / "MainThread.log"));
    const int line = __LINE__ + 1;
    DvLog(u"", u"kept");
    const auto lines = readLines(logs / "MainThread.log");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "0:kept (07 Mar, 10:07:05,File:log_test.cpp, Line:" + std::to_string(line) + ")");
}

TEST_F(Log, LinesAreWrittenInTheCodePage) {
    if (std::getenv("DAYVAULT_CODEPAGE")) GTEST_SKIP() << "code page overridden";
    DvWriteLogLine(u"", dv::fromUtf8("\xC5\x81\xC3\xB3\x64\xC5\xBA \xE6\x97\xA5"), "f.cpp", 1);
    EXPECT_TRUE(readText(logs / "MainThread.log").starts_with("0:\xA3\xF3\x64\x9F ? ("));
}

TEST_F(Log, AnUnopenableLogLosesTheLineQuietly) {
    std::ofstream(dir.path() / "file") << "not a folder";
    DvSetLogFolder(dir.path() / "file");
    DvWriteLogLine(u"", u"lost", "f.cpp", 1);
    DvSetLogFolder(logs);
    DvWriteLogLine(u"", u"kept", "f.cpp", 1);
    EXPECT_EQ(readText(dir.path() / "file"), "not a folder");
    EXPECT_TRUE(readText(logs / "MainThread.log").starts_with("0:kept"));
}

TEST_F(Log, ConcurrentWritersNeitherInterleaveNorShareNumbers) {
    constexpr int kThreads = 4, kLines = 200;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([t] {
            const std::u16string_view name = t % 2 ? u"Reminders" : u"";
            for (int i = 0; i < kLines; ++i) DvWriteLogLine(name, u"worker line", "f.cpp", static_cast<unsigned>(t));
        });
    for (auto& t : threads) t.join();

    std::set<int> numbers;
    const std::regex shape(R"((\d+):worker line \(07 Mar, 10:07:05,File:f\.cpp, Line:[0-3]\))");
    for (const char* file : {"MainThread.log", "Reminders.log"}) {
        SCOPED_TRACE(file);
        const auto lines = readLines(logs / file);
        ASSERT_EQ(lines.size(), size_t{kThreads / 2 * kLines});
        for (const auto& line : lines) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(line, m, shape)) << line;
            numbers.insert(std::stoi(m[1]));
        }
    }
    EXPECT_EQ(numbers.size(), size_t{kThreads * kLines});  // one counter, every number once
    EXPECT_EQ(*numbers.rbegin(), kThreads * kLines - 1);
}

TEST(LogFolder, BesideTheProgramWhenWritableElseInTheDataHome) {
    TempDir dir;
    ScopedEnv data("XDG_DATA_HOME", (dir.path() / "data").string());
    DvSetLogFolder({});
    dv::setProgramFolder(dir.path());
    EXPECT_EQ(DvLogFolder(), dir.path() / "LOGS");
    dv::setProgramFolder(dir.path() / "usr" / "bin");  // missing, so not writable
    EXPECT_EQ(DvLogFolder(), dir.path() / "data" / "Quellmark" / "Dayvault" / "LOGS");
    dv::setProgramFolder({});
}
