#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <thread>

#include "app/options.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/locations.h"
#include "platform/text.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using dv::toUtf8;

namespace {

std::string readText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// An options file with the given body in its "options" section.
struct OptionsFixture {
    TempDir dir;
    fs::path file = dir.path() / "dv_options.ini";
    explicit OptionsFixture(const std::string& body) { std::ofstream(file) << "[options]\n" << body; }
};

// A program folder and a config home of our own; the real ones are restored afterwards.
class OptionsPaths : public ::testing::Test {
protected:
    TempDir dir;
    fs::path program = dir.path() / "program";
    fs::path configHome = dir.path() / "config";
    ScopedEnv config{"XDG_CONFIG_HOME", configHome.string()};
    void SetUp() override {
        fs::create_directories(program);
        dv::setProgramFolder(program);
    }
    void TearDown() override { dv::setProgramFolder({}); }
};

}  // namespace

TEST(Options, TruthValuesFollowTheReadingRule) {
    struct Case { const char* text; bool fallback; bool expected; };
    const Case cases[] = {
        {"1", false, true},    {"true", false, true}, {"TRUE", false, true}, {"Yes", false, true},
        {"yEs", false, true},  {"no", true, false},   {"2", true, false},    {"0", true, false},
        {"false", true, false}, {"yess", true, false}, {"", true, true},      {"", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" default " + (c.fallback ? "true" : "false"));
        OptionsFixture f(std::string("dv_opt_b_x=") + c.text + "\n");
        CDvOptions options(f.file);
        ASSERT_TRUE(options.LoadOptions());
        EXPECT_EQ(options.GetBool(u"dv_opt_b_x", c.fallback), c.expected);
    }
    CDvOptions empty(fs::path("/nonexistent/dv_options.ini"));
    EXPECT_FALSE(empty.LoadOptions());  // a missing file is an empty map: every default holds
    EXPECT_TRUE(empty.GetBool(u"dv_opt_b_x", true));
}

TEST(Options, IntegersStringsAndRectangles) {
    OptionsFixture f(
        "dv_opt_n_plain=42\n"
        "dv_opt_n_lead=  -7 windows\n"
        "dv_opt_n_words=many\n"
        "dv_opt_n_empty=\n"
        "dv_opt_n_huge=99999999999\n"
        "dv_opt_s_text=%a %d\n"
        "dv_opt_s_empty=\n"
        "dv_opt_rc_ok=10,20,300,400\n"
        "dv_opt_rc_neg=-5, -6,7,+8 trailing\n"
        "dv_opt_rc_short=1,2,3\n"
        "dv_opt_rc_gap=1 ,2,3,4\n"
        "DV_OPT_N_UPPER=5\n");
    CDvOptions o(f.file);
    ASSERT_TRUE(o.LoadOptions());

    struct IntCase { const char16_t* key; int expected; };
    const IntCase ints[] = {
        {u"dv_opt_n_plain", 42}, {u"dv_opt_n_lead", -7},         {u"dv_opt_n_words", 0},
        {u"dv_opt_n_empty", 13}, {u"dv_opt_n_missing", 13},      {u"dv_opt_n_huge", INT_MAX},
        {u"dv_opt_n_upper", 5},  {u"Dv_Opt_N_Plain", 42},
    };
    for (const auto& c : ints) {
        SCOPED_TRACE(toUtf8(c.key));
        EXPECT_EQ(o.GetInt(c.key, 13), c.expected);
    }

    EXPECT_EQ(o.GetString(u"dv_opt_s_text", u"dflt"), u"%a %d");
    EXPECT_EQ(o.GetString(u"dv_opt_s_empty", u"dflt"), u"dflt");
    EXPECT_EQ(o.GetString(u"dv_opt_s_missing", u"dflt"), u"dflt");

    struct RectCase { const char16_t* key; std::optional<DvRect> expected; };
    const RectCase rects[] = {
        {u"dv_opt_rc_ok", DvRect{10, 20, 300, 400}},
        {u"dv_opt_rc_neg", DvRect{-5, -6, 7, 8}},  // blanks before a number and a tail are allowed
        {u"dv_opt_rc_short", std::nullopt},
        {u"dv_opt_rc_gap", std::nullopt},          // but not before a comma
        {u"dv_opt_rc_missing", std::nullopt},
    };
    for (const auto& c : rects) {
        SCOPED_TRACE(toUtf8(c.key));
        EXPECT_EQ(o.GetRect(c.key), c.expected);
    }
}

TEST(Options, TableDefaultsApplyToMissingAndEmptyKeys) {
    OptionsFixture f("dv_opt_b_show_reminders_by_default=\ndv_opt_n_mainframe_listframeleft=\n");
    CDvOptions o(f.file);
    o.LoadOptions();
    EXPECT_TRUE(o.GetBool(kDvOptShowRemindersByDefault));
    EXPECT_FALSE(o.GetBool(kDvOptStartMinimized));
    EXPECT_EQ(o.GetInt(kDvOptListFrameLeft), -1);
    EXPECT_EQ(o.GetInt(kDvOptListFrameBottom), -1);
    EXPECT_EQ(o.GetInt(kDvOptUsageCount), 0);
    EXPECT_EQ(o.GetString(kDvOptLongDate), u"");
    EXPECT_EQ(o.GetRect(kDvOptMainWindowRect), std::nullopt);
}

TEST(Options, EveryTableKeyCarriesTheTagOfItsKind) {
    for (const DvOptionInfo& option : kDvOptionTable) {
        SCOPED_TRACE(toUtf8(option.key));
        EXPECT_EQ(dv::asciiLower(option.key), option.key);  // keys are lower case
        switch (option.kind) {
            case DvOptionKind::Bool: EXPECT_TRUE(dv::startsWith(option.key, u"dv_opt_b_")); break;
            case DvOptionKind::Int: EXPECT_TRUE(dv::startsWith(option.key, u"dv_opt_n_")); break;
            case DvOptionKind::Rect: EXPECT_TRUE(dv::startsWith(option.key, u"dv_opt_rc_")); break;
            case DvOptionKind::String:
                EXPECT_FALSE(dv::startsWith(option.key, u"dv_opt_b_") || dv::startsWith(option.key, u"dv_opt_n_") ||
                             dv::startsWith(option.key, u"dv_opt_rc_"));
                break;
        }
        EXPECT_EQ(FindOptionInfo(std::u16string(option.key)), &option);
    }
    EXPECT_EQ(FindOptionInfo(HotkeyKeyOptionKey(u"new_task")), nullptr);
    EXPECT_EQ(HotkeyModsOptionKey(u"Show_SmartBox"), u"dv_opt_hotkey_mods_show_smartbox");
    EXPECT_EQ(HotkeyKeyOptionKey(u"new_note"), u"dv_opt_hotkey_key_new_note");
}

TEST(Options, SaveReplacesTheFileWithEveryKey) {
    OptionsFixture f(
        "; a note\n"
        "dv_opt_s_path=\"C:\\quoted\"\n"
        "dv_opt_old_key=left behind\n"
        "[other]\n"
        "x=1\n");
    CDvOptions o(f.file);
    ASSERT_TRUE(o.LoadOptions());
    o.SetBool(kDvOptStartMinimized, true);
    o.SetBool(kDvOptGroupReminders, false);
    o.SetInt(kDvOptUsageCount, 5);
    o.SetString(kDvOptLongDate, u"%A %d %B");
    o.SetRect(kDvOptMainWindowRect, DvRect{-8, 0, 1280, 1024});
    o.SetInt(HotkeyKeyOptionKey(u"new_task"), 84);
    std::string error;
    ASSERT_TRUE(o.SaveOptions(&error)) << error;

    // The options dialog's forms: "true"/"false" and "%d,%d,%d,%d"; sorted keys; nothing else.
    EXPECT_EQ(readText(f.file),
              "[options]\n"
              "dv_opt_b_group_reminders=false\n"
              "dv_opt_b_start_minimized=true\n"
              "dv_opt_hotkey_key_new_task=84\n"
              "dv_opt_n_usg_cnt=5\n"
              "dv_opt_old_key=left behind\n"
              "dv_opt_rc_mainframe_winrectscreencoords=-8,0,1280,1024\n"
              "dv_opt_s_longdate=%A %d %B\n"
              "dv_opt_s_path=\"C:\\quoted\"\n");

    CDvOptions again(f.file);
    ASSERT_TRUE(again.LoadOptions());
    EXPECT_EQ(again.Values(), o.Values());
    EXPECT_TRUE(again.GetBool(kDvOptStartMinimized));
    EXPECT_EQ(again.GetRect(kDvOptMainWindowRect), (DvRect{-8, 0, 1280, 1024}));

    // Loading replaces the map rather than merging into it.
    std::ofstream(f.file) << "[OPTIONS]\ndv_opt_n_usg_cnt=9\n";
    ASSERT_TRUE(again.LoadOptions());
    EXPECT_EQ(again.Values().size(), 1u);
    EXPECT_EQ(again.GetInt(kDvOptUsageCount), 9);
}

TEST(Options, LoadIfNeededReadsTheFileOnce) {
    OptionsFixture f("dv_opt_n_usg_cnt=1\n");
    CDvOptions o(f.file);
    EXPECT_FALSE(o.IsLoaded());
    o.LoadIfNeeded();
    EXPECT_TRUE(o.IsLoaded());
    std::ofstream(f.file) << "[options]\ndv_opt_n_usg_cnt=2\n";
    o.LoadIfNeeded();
    EXPECT_EQ(o.GetInt(kDvOptUsageCount), 1);

    // Concurrent first users all see the one load.
    CDvOptions shared(f.file);
    std::vector<std::thread> threads;
    std::vector<int> seen(4);
    for (size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&, i] {
            shared.LoadIfNeeded();
            seen[i] = shared.GetInt(kDvOptUsageCount);
        });
    for (auto& t : threads) t.join();
    EXPECT_EQ(seen, std::vector<int>(4, 2));
}

TEST_F(OptionsPaths, NormalModeUsesTheConfigHomeAndCreatesItsFolders) {
    ASSERT_FALSE(IsPortable());
    const fs::path expected = configHome / "Quellmark" / "Dayvault" / "dv_options.ini";
    EXPECT_EQ(OptionsFilePath(), expected);
    EXPECT_TRUE(dv::isDirectory(expected.parent_path()));

    // The process-wide object reads and writes there.
    GetOptions(false).SetInt(kDvOptUsageCount, 3);
    ASSERT_TRUE(GetOptions(false).SaveOptions());
    EXPECT_EQ(dv::readProfileString(expected, u"options", u"dv_opt_n_usg_cnt"), u"3");
    std::ofstream(expected) << "[options]\ndv_opt_n_usg_cnt=4\n";
    ASSERT_TRUE(GetOptions(false).LoadOptions());
    EXPECT_EQ(GetOptions().GetInt(kDvOptUsageCount), 4);

    // Leave the shared object as a run without an options file would have it.
    fs::remove(expected);
    GetOptions(false).LoadOptions();
}

TEST_F(OptionsPaths, PortableModeKeepsOptionsBesideTheProgram) {
    std::ofstream(program / "portable_on.txt") << "";
    std::ofstream(program / "dv_options.ini") << "[options]\ndv_opt_b_start_minimized=Yes\n";
    ASSERT_TRUE(IsPortable());
    EXPECT_EQ(OptionsFilePath(), program / "dv_options.ini");
    EXPECT_FALSE(dv::fileExists(configHome / "Quellmark"));

    CDvOptions o;
    ASSERT_TRUE(o.LoadOptions());
    EXPECT_TRUE(o.GetBool(kDvOptStartMinimized));

    // The answer is kept for the run: removing the marker changes nothing.
    fs::remove(program / "portable_on.txt");
    EXPECT_TRUE(IsPortable());
}

TEST_F(OptionsPaths, NoOptionsFileWhenItsFolderCannotBeMade) {
    std::ofstream(dir.path() / "blocker") << "a file where a folder should be";
    ScopedEnv blocked("XDG_CONFIG_HOME", (dir.path() / "blocker").string());
    EXPECT_EQ(OptionsFilePath(), fs::path());
    CDvOptions o;
    EXPECT_FALSE(o.LoadOptions());
    std::string error;
    EXPECT_FALSE(o.SaveOptions(&error));
    EXPECT_FALSE(error.empty());
}

TEST_F(OptionsPaths, AutostartEntryRunsTheProgram) {
    std::string error;
    ASSERT_TRUE(CreateAutostartEntry("/opt/My Apps/day$vault%1", &error)) << error;
    const fs::path entry = configHome / "autostart" / "dayvault.desktop";
    EXPECT_EQ(AutostartEntryPath(), entry);
    dv::IniFile ini;
    ASSERT_TRUE(ini.load(entry));
    EXPECT_EQ(ini.sectionNames(), std::vector<std::u16string>{u"Desktop Entry"});
    EXPECT_EQ(ini.getString(u"Desktop Entry", u"Type"), u"Application");
    EXPECT_EQ(ini.getString(u"Desktop Entry", u"Name"), u"Dayvault");
    // Quoted for the Exec rules ($ escaped, % doubled), then the backslash doubled for the file.
    EXPECT_EQ(ini.rawValue(u"Desktop Entry", u"Exec"), u"\"/opt/My Apps/day\\\\$vault%%1\"");
}
