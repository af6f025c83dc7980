#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/date_time.h"
#include "platform/codepage.h"
#include "platform/guid.h"
#include "platform/locale_text.h"
#include "platform/numbers.h"
#include "platform/text.h"

using dv::fromUtf8;

TEST(Numbers, FormatGMatchesPrintf) {
    struct Case { double value; const char* text; };
    const Case cases[] = {
        {0.0, "0"}, {3.5, "3.5"}, {1e6, "1E+06"}, {123456.0, "123456"}, {1234567.0, "1.23457E+06"},
        {0.0001, "0.0001"}, {0.00001, "1E-05"}, {-2.25, "-2.25"}, {2.4, "2.4"},
        {std::numeric_limits<double>::infinity(), "INF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(dv::toUtf8(dv::formatG(c.value)), c.text);
    }
}

TEST(Numbers, FormatFixedMatchesPrintf) {
    struct Case { double value; int decimals; const char* text; };
    const Case cases[] = {
        {52.142857, 2, "52.14"}, {1.0, 2, "1.00"}, {0.125, 2, "0.12"}, {-12.175, 1, "-12.2"}, {2.5, 0, "2"},
        {1e20, 2, "100000000000000000000.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(dv::toUtf8(dv::formatFixed(c.value, c.decimals)), c.text);
    }
}

TEST(Numbers, LeadingNumberParsingFollowsTheCLibrary) {
    struct Case { const char* text; double asDouble; long long asInt; };
    const Case cases[] = {
        {"42abc", 42, 42}, {"", 0, 0}, {"abc", 0, 0}, {"  -7.5x", -7.5, -7}, {"3.5", 3.5, 3},
        {"1e3", 1000, 1}, {"+12", 12, 12}, {"0x1A", 26, 0},
        {"99999999999999999999", 1e20, std::numeric_limits<long long>::max()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(dv::parseLeadingDouble(fromUtf8(c.text)), c.asDouble);
        EXPECT_EQ(dv::parseLeadingInt64(fromUtf8(c.text)), c.asInt);
    }
    // A character outside ASCII ends the number instead of being misread.
    EXPECT_EQ(dv::parseLeadingInt64(u"12\u0663"), 12);
}

TEST(LocaleText, CaseInsensitiveNamesAndCollation) {
    EXPECT_TRUE(dv::equalsNoCase(u"First name", u"FIRST NAME"));
    EXPECT_TRUE(dv::equalsNoCase(fromUtf8("Żółw"), fromUtf8("żÓŁW")));
    EXPECT_FALSE(dv::equalsNoCase(u"Phone", u"Phones"));
    EXPECT_EQ(dv::compareNoCase(u"apple", u"Banana"), -1);
    EXPECT_EQ(dv::compareNoCase(u"Banana", u"apple"), 1);
    EXPECT_EQ(dv::toLowerLocale(fromUtf8("ÄBC")), fromUtf8("äbc"));
}

TEST(Numbers, ScanFloatReadsWhatScanfReads) {
    struct Case { const char* text; bool read; float value; };
    const Case cases[] = {
        {"10", true, 10}, {" 2.5kg", true, 2.5f}, {"-3", true, -3}, {"1e2", true, 100},
        {"", false, 0}, {"-", false, 0}, {"#4", false, 0}, {"abc", false, 0},
        {"0.1", true, 0.1f},  // single precision, as "%f" stores into a float
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto value = dv::scanFloat(fromUtf8(c.text));
        ASSERT_EQ(value.has_value(), c.read);
        if (c.read) {
            EXPECT_EQ(*value, c.value);
        }
    }
}

TEST(LocaleText, LowerCasingCharacterByCharacterAndBeyond) {
    struct Case { const char* text; const char* lower; };
    const Case cases[] = {
        {"Team MEETING 10:30", "team meeting 10:30"},
        {"KRAKÓW Łódź", "kraków łódź"},
        {"", ""},
        {"İstanbul", "i\u0307stanbul"},  // one character becomes two
        {"ΟΔΟΣ ΣΑ", "οδος σα"},            // a sigma at the end of a word is final
        {"\U00010400X", "\U00010428x"},     // outside the BMP
    };
    std::u16string reused = u"left over from before";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(dv::toUtf8(dv::toLowerLocale(fromUtf8(c.text))), c.lower);
        dv::toLowerLocaleInto(fromUtf8(c.text), reused);
        EXPECT_EQ(dv::toUtf8(reused), c.lower);
    }
}

TEST(LocaleText, LowerContainsAgreesWithLowerCasingFirst) {
    struct Case { const char* text; const char* part; bool contains; };
    const Case cases[] = {
        {"Team Meeting", "meet", true},     {"Team Meeting", "team m", true}, {"Team Meeting", "teams", false},
        {"abc", "abcd", false},             {"abc", "", true},                {"", "", true},
        {"ŁÓDŹ", "łódź", true},             {"İstanbul", "i\u0307s", true},  {"abcİ", "i\u0307", true},
        {"ab İ", "b i\u0307", true},        {"ΟΔΟΣ", "οδος", true},           {"ΟΔΟΣ", "οδοσ", false},
        {"x\U00010400", "\U00010428", true}, {"aab", "ab", true},             {"Aa", "aaa", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.part);
        EXPECT_EQ(dv::lowerContains(fromUtf8(c.text), fromUtf8(c.part)), c.contains);
        EXPECT_EQ(dv::toLowerLocale(fromUtf8(c.text)).find(fromUtf8(c.part)) != std::u16string::npos, c.contains);
    }
}

TEST(LocaleText, CollationKeysOrderAsCollationDoes) {
    const char* const texts[] = {"apple", "Apple", "banana", "zebra", "Äpfel", "apfel", "żaba", "zaba",
                                 "10", "9", "", " a", "a b", "ab", "Łódź", "lodz"};
    for (const char* a : texts)
        for (const char* b : texts) {
            SCOPED_TRACE(std::string(a) + " vs " + b);
            const std::string ka = dv::collationKey(fromUtf8(a)), kb = dv::collationKey(fromUtf8(b));
            const int byKeys = ka < kb ? -1 : (kb < ka ? 1 : 0);
            EXPECT_EQ(byKeys, dv::collate(fromUtf8(a), fromUtf8(b)));
        }
}

TEST(CodePage, DefaultsToWindows1250WithQuestionMarks) {
    if (std::getenv("DAYVAULT_CODEPAGE")) GTEST_SKIP() << "code page overridden";
    EXPECT_EQ(dv::codePageName(), "windows-1250");
    EXPECT_EQ(dv::windowsCodePage(), 1250);
    EXPECT_EQ(dv::toCodePage(fromUtf8("Łódź")), std::string("\xA3\xF3\x64\x9F"));
    EXPECT_EQ(dv::toCodePage(fromUtf8("a\xE2\x82\xAC" "b")), std::string("a\x80" "b"));  // euro sign is in 1250
    EXPECT_EQ(dv::toCodePage(u"\u65E5x"), "?x");                                       // no CJK in 1250
    EXPECT_EQ(dv::fromCodePage("\xA3\xF3\x64\x9F"), fromUtf8("Łódź"));
}

TEST(Text, FirstInvalidUtf8) {
    constexpr auto npos = std::string_view::npos;
    const std::pair<std::string_view, std::size_t> cases[] = {
        {"", npos},
        {"plain ASCII", npos},
        {"\xC5\x81\xC3\xB3" "d\xC5\xBA \xF0\x9F\x98\x80", npos},  // two-byte letters and an emoji
        {"ab\xFF", 2},                                      // never a UTF-8 byte
        {"a\xC3", 1},                                       // cut off
        {"a\xC3(b", 1},                                     // trail byte missing
        {"\xC0\xAF", 0},                                    // overlong "/"
        {"ok\xED\xA0\x80", 2},                              // a surrogate
        {"\xF4\x90\x80\x80", 0},                            // beyond U+10FFFF
        {"latin-1 caf\xE9", 11},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(text)));
        EXPECT_EQ(dv::firstInvalidUtf8(text), expected);
    }
}

TEST(Guid, TextFormHasLowerCaseThirdGroupOnly) {
    const std::u16string g = dv::newGuidText();
    ASSERT_EQ(g.size(), 38u);
    EXPECT_EQ(g.front(), u'{');
    EXPECT_EQ(g.back(), u'}');
    for (size_t i : {9u, 14u, 19u, 24u}) EXPECT_EQ(g[i], u'-');
    auto isUpperHex = [](char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'); };
    auto isLowerHex = [](char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'); };
    for (size_t i = 1; i < 37; ++i) {
        if (g[i] == u'-') continue;
        if (i >= 15 && i < 19) EXPECT_TRUE(isLowerHex(g[i])) << i;
        else EXPECT_TRUE(isUpperHex(g[i])) << i;
    }
    EXPECT_NE(dv::newGuidText(), g);
}

TEST(DateTime, FieldsRoundTripIncludingBeforeDayZero) {
    struct Case { int y, mo, d, h, mi, s; double value; };
    const Case cases[] = {
        {1899, 12, 30, 0, 0, 0, 0.0}, {1899, 12, 30, 12, 0, 0, 0.5}, {1899, 12, 29, 6, 0, 0, -1.25},
        {1900, 1, 1, 0, 0, 0, 2.0}, {2026, 12, 10, 18, 0, 0, 46366.75}, {2024, 2, 29, 0, 0, 0, 45351.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const auto t = DvDateTime::FromFields(c.y, c.mo, c.d, c.h, c.mi, c.s);
        ASSERT_TRUE(t.IsValid());
        EXPECT_DOUBLE_EQ(t.value, c.value);
        dv::CivilTime back;
        ASSERT_TRUE(t.ToCivil(back));
        EXPECT_EQ(back, (dv::CivilTime{c.y, c.mo, c.d, c.h, c.mi, c.s}));
    }
    EXPECT_FALSE(DvDateTime::FromFields(2025, 2, 29).IsValid());
    EXPECT_FALSE(DvDateTime::FromFields(2025, 13, 1).IsValid());
    EXPECT_FALSE(DvDateTime::FromFields(2025, 1, 1, 24).IsValid());
}

TEST(DateTime, NowComesFromTheInstalledClock) {
    dv::FakeClock fake({2026, 12, 31, 23, 59, 30});
    dv::setClock(&fake);
    fake.advanceSeconds(45);
    dv::CivilTime t;
    ASSERT_TRUE(DvDateTime::Now().ToCivil(t));
    EXPECT_EQ(t, (dv::CivilTime{2027, 1, 1, 0, 0, 15}));
    dv::setClock(nullptr);
}
