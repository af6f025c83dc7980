#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/text.h"
#include "support/temp_dir.h"

using dv::fromUtf8;
using dv::IniFile;
using dv::toUtf8;

namespace {

// Hand-edited layout: comments, blank lines, spacing, quotes, a repeated section and key.
constexpr std::u16string_view kHandMade =
    u"; written by hand\n"
    u"[General]\n"
    u"  Name  =  Dayvault  \n"
    u"quoted=\"  two blanks  \"\n"
    u"single='x'\n"
    u"mismatched=\"a'\n"
    u"lonequote=\"\n"
    u"empty=\n"
    u"flag\n"
    u"; hidden=comment\n"
    u"equation=a=b=c\n"
    u"name=second\n"
    u"\n"
    u"[ Paths ]\n"
    u"home=/home/ann\n"
    u"[general]\n"
    u"extra=from the repeated section\n"
    u"[\u017B\u00F3\u0142w]\n";

std::string readText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string utf16leWithMark(std::u16string_view text) {
    std::string out = "\xFF\xFE";
    for (char16_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

void writeBytes(const std::filesystem::path& p, std::string_view bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

}  // namespace

TEST(IniFile, ReadsLikeThePrivateProfileCalls) {
    const IniFile ini = IniFile::parse(kHandMade);
    struct Case { const char16_t* section; const char16_t* key; const char16_t* expected; };
    const Case cases[] = {
        {u"General", u"Name", u"Dayvault"},       // blanks around name and value dropped
        {u"GENERAL", u"nAmE", u"Dayvault"},       // names ignore case; the first of two keys wins
        {u"General", u"quoted", u"  two blanks  "},
        {u"General", u"single", u"x"},
        {u"General", u"mismatched", u"\"a'"},     // quotes go only in matching pairs
        {u"General", u"lonequote", u"\""},
        {u"General", u"empty", u""},              // an empty value is a value, not the default
        {u"General", u"flag", u"<default>"},      // a line without "=" has no value
        {u"General", u"; hidden", u"<default>"},  // comment lines are not keys
        {u"General", u"equation", u"a=b=c"},      // only the first "=" splits
        {u"General", u"extra", u"<default>"},     // the repeated section is not searched
        {u"General", u"home", u"<default>"},      // keys belong to their own section
        {u"paths", u"HOME", u"/home/ann"},        // section names are trimmed too
        {u"Missing", u"name", u"<default>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.section) + "/" + toUtf8(c.key));
        EXPECT_EQ(toUtf8(ini.getString(c.section, c.key, u"<default>")), toUtf8(c.expected));
    }
    EXPECT_TRUE(ini.hasSection(fromUtf8("\xC5\xBC\xC3\x93\xC5\x81W")));  // locale case folding, not ASCII only
    EXPECT_EQ(ini.rawValue(u"general", u"quoted"), u"\"  two blanks  \"");
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::u16string>{u"General", u"Paths", u"general", u"\u017B\u00F3\u0142w"}));

    const auto entries = ini.entries(u"general");
    ASSERT_EQ(entries.size(), 8u);  // "flag" and the comment are not entries
    EXPECT_EQ(entries.front(), std::make_pair(std::u16string(u"Name"), std::u16string(u"Dayvault")));
    EXPECT_EQ(entries[1].second, u"\"  two blanks  \"");
    EXPECT_EQ(entries.back(), std::make_pair(std::u16string(u"name"), std::u16string(u"second")));
}

TEST(IniFile, UnchangedTextIsWrittenBackAsItWasRead) {
    EXPECT_EQ(IniFile::parse(kHandMade).text(), kHandMade);
    const std::u16string crlf = u"[a]\r\n k = v \r\n;c\r\n";
    EXPECT_EQ(IniFile::parse(crlf).text(), crlf);
}

TEST(IniFile, WritingKeepsTheRestOfTheFile) {
    IniFile ini = IniFile::parse(
        u"; top\n"
        u"[One]\n"
        u"Alpha = 1\n"
        u"; about one\n"
        u"\n"
        u"[Two]\n"
        u"beta=2\n");
    ini.setString(u"one", u"ALPHA", u"10");  // replaced in place, spelling of the name kept
    ini.setString(u"One", u"gamma", u"3");   // added after the section's last line, before the blank
    ini.setString(u"Three", u"delta", u"4"); // new section at the end
    EXPECT_EQ(ini.text(),
              u"; top\n"
              u"[One]\n"
              u"Alpha=10\n"
              u"; about one\n"
              u"gamma=3\n"
              u"\n"
              u"[Two]\n"
              u"beta=2\n"
              u"[Three]\n"
              u"delta=4\n");

    EXPECT_TRUE(ini.removeKey(u"TWO", u"Beta"));
    EXPECT_FALSE(ini.removeKey(u"Two", u"beta"));
    EXPECT_FALSE(ini.removeKey(u"Nowhere", u"beta"));
    EXPECT_TRUE(ini.removeSection(u"one"));
    EXPECT_FALSE(ini.removeSection(u"one"));
    EXPECT_EQ(ini.text(), u"; top\n[Two]\n[Three]\ndelta=4\n");
}

TEST(IniFile, ValuesThatWouldBreakTheFileStayOnOneLine) {
    IniFile ini;
    ini.setString(u"s", u"k", u"first\nsecond\r\n[evil]");
    const IniFile reread = IniFile::parse(ini.text());
    EXPECT_EQ(reread.sectionNames(), std::vector<std::u16string>{u"s"});
    EXPECT_EQ(reread.getString(u"s", u"k"), u"first second  [evil]");
}

TEST(IniFile, FileEncodingsAreRecognised) {
    TempDir dir;
    const std::filesystem::path path = dir.path() / "t.ini";
    struct Case { const char* what; std::string bytes; };
    const Case cases[] = {
        {"UTF-8", "[s]\nk=\xC5\x81\xC3\xB3\x64\xC5\xBA\n"},
        {"UTF-8 with byte order mark", "\xEF\xBB\xBF[s]\nk=\xC5\x81\xC3\xB3\x64\xC5\xBA\n"},
        {"UTF-16LE with byte order mark", utf16leWithMark(u"[s]\nk=\u0141\u00F3d\u017A\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(path, c.bytes);
        IniFile ini;
        ASSERT_TRUE(ini.load(path));
        EXPECT_EQ(toUtf8(ini.getString(u"s", u"k")), "\xC5\x81\xC3\xB3\x64\xC5\xBA");  // Łódź
    }
    if (!std::getenv("DAYVAULT_CODEPAGE")) {
        SCOPED_TRACE("not UTF-8: the 8-bit code page");
        writeBytes(path, "[s]\nk=\xA3\xF3\x64\x9F\n");
        IniFile ini;
        ASSERT_TRUE(ini.load(path));
        EXPECT_EQ(toUtf8(ini.getString(u"s", u"k")), "\xC5\x81\xC3\xB3\x64\xC5\xBA");
    }
}

TEST(IniFile, SaveWritesUtf8AndLoadReadsItBack) {
    TempDir dir;
    const std::filesystem::path path = dir.path() / "t.ini";
    IniFile ini;
    ini.setString(u"Notes", u"title", fromUtf8("\xC5\xBB\xC3\xB3\xC5\x82w \xE2\x82\xAC"));
    std::string error;
    ASSERT_TRUE(ini.save(path, &error)) << error;
    EXPECT_EQ(readText(path), "[Notes]\ntitle=\xC5\xBB\xC3\xB3\xC5\x82w \xE2\x82\xAC\n");

    IniFile loaded;
    EXPECT_TRUE(loaded.load(path));
    EXPECT_EQ(loaded.text(), ini.text());

    // Loading a missing file empties the model.
    EXPECT_FALSE(loaded.load(dir.path() / "missing.ini"));
    EXPECT_TRUE(loaded.sectionNames().empty());
    EXPECT_FALSE(ini.save(dir.path() / "no-such-folder" / "t.ini", &error));
    EXPECT_FALSE(error.empty());
}

TEST(ProfileString, OneShotWritesCreateChangeAndDelete) {
    TempDir dir;
    const std::filesystem::path path = dir.path() / "p.ini";
    EXPECT_EQ(dv::readProfileString(path, u"s", u"k", u"dflt"), u"dflt");  // no file: the default

    ASSERT_TRUE(dv::writeProfileString(path, u"s", u"k", u"v"));
    ASSERT_TRUE(dv::writeProfileString(path, u"S", u"K", u"w"));
    ASSERT_TRUE(dv::writeProfileString(path, u"s", u"other", u"x"));
    EXPECT_EQ(readText(path), "[s]\nk=w\nother=x\n");

    ASSERT_TRUE(dv::writeProfileString(path, u"s", u"k", std::nullopt));
    EXPECT_EQ(dv::readProfileString(path, u"s", u"k", u"gone"), u"gone");
    EXPECT_EQ(dv::readProfileString(path, u"s", u"other"), u"x");

    // Deleting from a file that does not exist does not create it.
    const std::filesystem::path absent = dir.path() / "absent.ini";
    EXPECT_TRUE(dv::writeProfileString(absent, u"s", u"k", std::nullopt));
    EXPECT_FALSE(dv::fileExists(absent));
}
