#include "core/rtf_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "platform/text.h"

namespace {

std::span<const uint8_t> bytesOf(std::string_view s) { return {reinterpret_cast<const uint8_t*>(s.data()), s.size()}; }

DvRichText parse(std::string_view rtf) { return DvRtfParse(bytesOf(rtf)); }

std::string plainUtf8(std::string_view rtf) { return dv::toUtf8(DvRtfToPlainText(bytesOf(rtf))); }

// Runs cover the text without gaps or zero-length pieces and neighbours differ; paragraphs are in
// order and separated by exactly "\r\n". A writer depends on both.
void expectWellFormed(const DvRichText& doc) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < doc.runs.size(); ++i) {
        const DvTextRun& run = doc.runs[i];
        EXPECT_EQ(run.start, at) << "run " << i;
        EXPECT_GT(run.length, 0u) << "run " << i;
        if (i > 0) {
            EXPECT_NE(run.format, doc.runs[i - 1].format) << "run " << i << " should have merged";
        }
        at = run.start + run.length;
    }
    EXPECT_EQ(at, doc.text.size()) << "runs end";

    ASSERT_FALSE(doc.paragraphs.empty());
    EXPECT_EQ(doc.paragraphs.front().start, 0u);
    for (std::size_t i = 1; i < doc.paragraphs.size(); ++i) {
        const std::size_t previousEnd = doc.paragraphs[i - 1].start + doc.paragraphs[i - 1].length;
        EXPECT_EQ(doc.paragraphs[i].start, previousEnd + 2) << "paragraph " << i;
        EXPECT_EQ(doc.text.substr(previousEnd, 2), u"\r\n") << "paragraph " << i;
    }
    EXPECT_EQ(doc.paragraphs.back().start + doc.paragraphs.back().length, doc.text.size()) << "paragraphs end";
}

struct TextCase {
    const char* what;
    const char* rtf;
    const char* text;  // UTF-8
};

void expectTexts(std::span<const TextCase> cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DvRichText doc = parse(c.rtf);
        EXPECT_EQ(dv::toUtf8(doc.text), c.text);
        expectWellFormed(doc);
    }
}

// What a rich-text editor saves: Polish text in windows-1250, a Euro sign outside the font's
// charset written as \u with a fallback, colour and bold spans.
constexpr const char* kPolishNote =
    "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1045{\\fonttbl{\\f0\\fnil\\fcharset238 Tahoma;}"
    "{\\f1\\fswiss\\fcharset0 Arial;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
    "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\f0\\fs20 Zakupy na \\b pi\\'b9tek\\b0 :\\par\r\n"
    "- \\'bf\\'f3\\'b3ty ser, \\cf1 mas\\'b3o\\cf0\\par\r\n"
    "\\f1\\u8364?\\f0 12,50 z\\'b3\\par\r\n"
    "}\r\n";

TEST(RtfReader, VisibleText) {
    const TextCase cases[] = {
        {"final paragraph mark is not text", R"({\rtf1 Hello\par})", "Hello"},
        {"paragraphs", R"({\rtf1 a\par b\par})", "a\r\nb"},
        {"empty last paragraph stays", R"({\rtf1 a\par\par})", "a\r\n"},
        {"no final mark", R"({\rtf1 a\par b})", "a\r\nb"},
        {"line break", R"({\rtf1 a\line b})", "a\r\nb"},
        {"section and page", R"({\rtf1 a\sect b\page c})", "a\r\nb\r\nc"},
        {"backslash before a line end", "{\\rtf1 a\\\r\nb}", "a\r\nb"},
        {"tab", R"({\rtf1 a\tab b})", "a\tb"},
        {"delimiting space belongs to the word", R"({\rtf1 \b bold\b0  plain})", "bold plain"},
        {"line ends in the source are not text", "{\\rtf1 one\r\ntwo\nthree}", "onetwothree"},
        {"escaped braces and backslash", R"({\rtf1 a\\b\{c\}d})", "a\\b{c}d"},
        {"typographic words", R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
         "\u2014\u2013\u2022\u2018\u2019\u201C\u201D"},
        {"hyphens and spaces", R"({\rtf1 non\~break soft\-hy non\_hy})", "non\u00A0break softhy non\u2011hy"},
        {"unknown words are dropped, their text kept", R"({\rtf1 \foo12 a\bar-3 b})", "ab"},
        {"starred unknown group with nested groups", R"({\rtf1 A{\*\unknown x{\nested y{z}}}B})", "AB"},
        {"tables that are not text",
         R"({\rtf1{\fonttbl{\f0\fnil Tahoma;}}{\colortbl ;\red1\green2\blue3;}{\stylesheet{\s1 Heading;}})"
         R"({\info{\title T}{\author W}}text})",
         "text"},
        {"picture in hex", R"({\rtf1 a{\pict\pngblip\picw10 89504e470d0a}b})", "ab"},
        {"header and footer", R"({\rtf1 {\header H}{\footerl F}{\headerr R}body})", "body"},
        {"field shows its result", R"({\rtf1 see {\field{\*\fldinst{HYPERLINK "http://x"}}{\fldrslt{\ul link}}} now})",
         "see link now"},
        {"list numbers are formatting", R"({\rtf1 {\pntext\f1\'B7\tab}{\*\pn\pnlvlblt{\pntxtb\'B7}}item})", "item"},
        {"binary data may hold braces", "{\\rtf1 a{\\pict\\bin4 {}}\\}b}", "ab"},
        {"binary length beyond the input", R"({\rtf1 a\bin999 xyz)", "a"},
        {"table cells and rows", R"({\rtf1 \trowd\cellx1000\cellx2000\pard\intbl a\cell b\cell\row\pard after\par})",
         "a\tb\r\nafter"},
        {"empty cells", R"({\rtf1 \intbl\cell\cell x\cell\row\intbl y\cell\cell\row})", "\t\tx\r\ny\t"},
        {"after the closing brace", R"({\rtf1 a}b)", "a"},
    };
    expectTexts(cases);
}

TEST(RtfReader, UnicodeAndFallbacks) {
    const TextCase cases[] = {
        {"one fallback character", R"({\rtf1 \u8364?uro})", "\u20ACuro"},
        {"fallback of two escaped bytes", R"({\rtf1 \uc2\u8212\'96\'96 dash})", "\u2014 dash"},
        {"no fallback", R"({\rtf1 \uc0\u26085\u26412 ok})", "\u65E5\u672Cok"},
        {"fallback is a control word", R"({\rtf1 \u8220\ldblquote x})", "\u201Cx"},
        {"\\uc is scoped to its group", R"({\rtf1 {\uc2\u8212 ab}\u8212 cd})", "\u2014\u2014d"},
        {"fallback ends at a group boundary", R"({\rtf1 \uc3\u8364{a}b})", "\u20ACab"},
        {"negative values and surrogate pairs", R"({\rtf1 \u-10179?\u-8704? ok})", "\U0001F600 ok"},
        {"a lone surrogate", R"({\rtf1 a\u-10179?b})", "a\uFFFDb"},
    };
    expectTexts(cases);
}

TEST(RtfReader, CodePages) {
    const TextCase cases[] = {
        {"Polish note", kPolishNote, "Zakupy na pi\u0105tek:\r\n- \u017C\u00F3\u0142ty ser, mas\u0142o\r\n\u20AC12,50 z\u0142"},
        {"font charset wins over the document code page",
         R"({\rtf1\ansi\ansicpg1250{\fonttbl{\f0\fcharset204 Arial CYR;}{\f1\fcharset0 Arial;}}\f0\'c0\f1\'b3})",
         "\u0410\u00B3"},
        {"default charset follows \\ansicpg", R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0\fcharset1 X;}}\f0\'c0})", "\u0410"},
        {"font code page wins over its charset", R"({\rtf1{\fonttbl{\f0\fcharset0\cpg1253 X;}}\f0\'e1})", "\u03B1"},
        {"\\deff selects the default font", R"({\rtf1\deff1{\fonttbl{\f1\fcharset161 G;}}\'e1})", "\u03B1"},
        {"font table entries without braces", R"({\rtf1{\fonttbl\f0\fcharset0 A;\f1\fcharset238 B;}\f1\'b3})", "\u0142"},
        {"Shift_JIS pairs, one trail byte being a brace", R"({\rtf1\ansicpg932{\fonttbl{\f0\fcharset128 MS Gothic;}}\f0\'93\'fa\'96\'7b})",
         "\u65E5\u672C"},
        {"GBK", R"({\rtf1{\fonttbl{\f0\fcharset134 SimSun;}}\f0\'d6\'d0\'ce\'c4})", "\u4E2D\u6587"},
        {"Big5", R"({\rtf1{\fonttbl{\f0\fcharset136 MingLiU;}}\f0\'a4\'a4\'a4\'e5})", "\u4E2D\u6587"},
        {"trail byte written as plain text", R"({\rtf1{\fonttbl{\f0\fcharset128 G;}}\f0\'83A})", "\u30A2"},
        {"symbol font keeps byte values", R"({\rtf1{\fonttbl{\f0\fcharset2 Symbol;}}\f0\'b7})", "\u00B7"},
        {"groups restore the font", R"({\rtf1\ansicpg1250{\fonttbl{\f0\fcharset238 A;}{\f1\fcharset204 B;}}\f0{\f1\'c0}\'c0})",
         "\u0410\u0154"},
    };
    expectTexts(cases);
}

TEST(RtfReader, DamagedInputKeepsWhatWasRead) {
    const std::string deep = "{\\rtf1 a" + std::string(5000, '{') + "hidden" + std::string(5000, '}') + "b}";
    const TextCase cases[] = {
        {"truncated inside a group", R"({\rtf1 abc{\b def)", "abcdef"},
        {"truncated control word", R"({\rtf1 abc\pa)", "abc"},
        {"truncated escaped byte", R"({\rtf1 abc\'4)", "abc"},
        {"truncated after a backslash", "{\\rtf1 abc\\", "abc"},
        {"too many closing braces", R"({\rtf1 a}}}b)", "a"},
        {"never closed", R"({\rtf1 a{{{{b)", "ab"},
        {"nesting beyond the limit is skipped, the rest is kept", deep.c_str(), "ab"},
        {"huge parameters", R"({\rtf1 \fs99999999999999999999 a\u99999999999 b{\uc2147483647\u65 xyz}\bin-5 c})",
         "a\uFFFFAc"},
        {"stray hex digits", R"({\rtf1 \'zz x})", "zz x"},
        {"colour index out of range", R"({\rtf1 \cf-7 a\cf99 b})", "ab"},
    };
    expectTexts(cases);
    EXPECT_EQ(parse(R"({\rtf1\fs99999999999 a})").runs.at(0).format.fontSize, 3276);
}

DvCharFormat format(std::string_view flags, int fontSize = 20, std::optional<uint32_t> color = std::nullopt) {
    DvCharFormat f;
    f.bold = flags.find('b') != std::string_view::npos;
    f.italic = flags.find('i') != std::string_view::npos;
    f.underline = flags.find('u') != std::string_view::npos;
    f.strike = flags.find('s') != std::string_view::npos;
    f.fontSize = fontSize;
    f.color = color;
    return f;
}

TEST(RtfReader, RunsFollowCharacterFormatting) {
    const DvRichText doc = parse(
        R"({\rtf1\ansi{\colortbl ;\red255\green0\blue0;\red0\green128\blue255;}\pard\fs20 a\b b\b0 c\i d\i0\ul e)"
        R"(\ulnone\strike f\strike0\cf1 g\cf2 h\cf0\fs32 i\uldb j\ul0 k\par})");
    ASSERT_EQ(doc.text, u"abcdefghijk");
    const std::vector<DvTextRun> expected = {
        {0, 1, format("")},          {1, 1, format("b")},  {2, 1, format("")},
        {3, 1, format("i")},         {4, 1, format("u")},  {5, 1, format("s")},
        {6, 1, format("", 20, 0x0000FF)}, {7, 1, format("", 20, 0xFF8000)},
        {8, 1, format("", 32)},      {9, 1, format("u", 32)}, {10, 1, format("", 32)},
    };
    EXPECT_EQ(doc.runs, expected);
}

TEST(RtfReader, GroupsAndPlainRestoreFormatting) {
    const DvRichText doc = parse(R"({\rtf1\fs20 {\b a{\i b}c}d\b\i\ul\fs40 e\plain f})");
    ASSERT_EQ(doc.text, u"abcdef");
    const std::vector<DvTextRun> expected = {
        {0, 1, format("b")}, {1, 1, format("bi")}, {2, 1, format("b")}, {3, 1, format("")},
        {4, 1, format("biu", 40)}, {5, 1, format("", 24)},
    };
    EXPECT_EQ(doc.runs, expected);
}

TEST(RtfReader, ColourTableEntries) {
    // Entry 0 is explicit black here, entry 1 automatic, and the last entry lacks its ";".
    const DvRichText doc = parse(R"({\rtf1{\colortbl\red0\green0\blue0;;\red1\green2\blue3}\cf0 a\cf1 b\cf2 c\cf3 d})");
    ASSERT_EQ(doc.text, u"abcd");
    ASSERT_EQ(doc.runs.size(), 4u);
    EXPECT_EQ(doc.runs[0].format.color, 0x000000u);
    EXPECT_EQ(doc.runs[1].format.color, std::nullopt);
    EXPECT_EQ(doc.runs[2].format.color, 0x030201u);
    EXPECT_EQ(doc.runs[3].format.color, std::nullopt);
}

TEST(RtfReader, PolishNoteRuns) {
    const DvRichText doc = parse(kPolishNote);
    expectWellFormed(doc);
    // "piątek" is bold, "masło" red; the line breaks take the format of what follows them.
    const auto runText = [&](const DvTextRun& r) { return dv::toUtf8(doc.text.substr(r.start, r.length)); };
    ASSERT_EQ(doc.runs.size(), 5u);
    EXPECT_EQ(runText(doc.runs[1]), "pi\u0105tek");
    EXPECT_TRUE(doc.runs[1].format.bold);
    EXPECT_EQ(runText(doc.runs[3]), "mas\u0142o");
    EXPECT_EQ(doc.runs[3].format.color, 0x0000FFu);
    EXPECT_EQ(doc.runs[4].format, format(""));
}

TEST(RtfReader, ParagraphsAndAlignment) {
    const DvRichText doc = parse(R"({\rtf1\pard\qc Title\par\pard\qr right\par still right\par\pard left})");
    ASSERT_EQ(doc.text, u"Title\r\nright\r\nstill right\r\nleft");
    const std::vector<DvParagraph> expected = {
        {0, 5, DvAlignment::Center}, {7, 5, DvAlignment::Right}, {14, 11, DvAlignment::Right}, {27, 4, DvAlignment::Left},
    };
    EXPECT_EQ(doc.paragraphs, expected);

    EXPECT_EQ(parse(R"({\rtf1\qj a\par})").paragraphs, (std::vector<DvParagraph>{{0, 1, DvAlignment::Justify}}));
    // A line break stays inside its paragraph; that is how a writer tells \line from \par.
    EXPECT_EQ(parse(R"({\rtf1 a\line b\par c\par})").paragraphs,
              (std::vector<DvParagraph>{{0, 4, DvAlignment::Left}, {6, 1, DvAlignment::Left}}));
    EXPECT_EQ(parse(R"({\rtf1 a\par\par})").paragraphs,
              (std::vector<DvParagraph>{{0, 1, DvAlignment::Left}, {3, 0, DvAlignment::Left}}));
    const DvRichText empty = parse(R"({\rtf1\ansi\deff0{\fonttbl{\f0 Arial;}}\pard\par})");
    EXPECT_EQ(empty.text, u"");
    EXPECT_TRUE(empty.runs.empty());
    EXPECT_EQ(empty.paragraphs, (std::vector<DvParagraph>{{0, 0, DvAlignment::Left}}));
}

TEST(RtfReader, PlainTextItems) {
    if (std::getenv("DAYVAULT_CODEPAGE")) GTEST_SKIP() << "code page overridden";
    const DvRichText doc = parse("Za\xbf\xf3\xb3\xe6\nline 2\r\n{\\rtf1 not rtf}\r");
    EXPECT_EQ(dv::toUtf8(doc.text), "Za\u017C\u00F3\u0142\u0107\r\nline 2\r\n{\\rtf1 not rtf}\r\n");
    EXPECT_EQ(doc.runs, (std::vector<DvTextRun>{{0, doc.text.size(), DvCharFormat{}}}));
    EXPECT_EQ(doc.paragraphs.size(), 4u);
    expectWellFormed(doc);
    expectWellFormed(parse(""));

    EXPECT_EQ(plainUtf8(" \r\n\t{\\rtf1 a}"), "a") << "white space before the header";
    // Without \ansicpg or a font charset, bytes are in the code page the item was written in.
    EXPECT_EQ(plainUtf8(R"({\rtf1\ansi \'b3})"), "\u0142");
}

// --- agreement with pandoc, an RTF reader users have ---

bool havePandoc() { return std::system("command -v pandoc >/dev/null 2>&1") == 0; }

std::string pandocPlainText(const std::string& rtf) {
    const auto path = std::filesystem::temp_directory_path() / ("dv_rtf_" + std::to_string(getpid()) + ".rtf");
    std::ofstream(path, std::ios::binary) << rtf;
    std::string out;
    if (FILE* pipe = popen(("pandoc -f rtf -t plain --wrap=none '" + path.string() + "'").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        pclose(pipe);
    }
    std::filesystem::remove(path);
    return out;
}

// Pandoc separates paragraphs with blank lines and turns tabs into spaces; the words must match.
std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string word; in >> word;) out.push_back(word);
    return out;
}

TEST(RtfReader, AgreesWithPandoc) {
    if (!havePandoc()) GTEST_SKIP() << "pandoc is not installed";
    // Pandoc ignores \ansicpg and \fcharset, so these documents spell non-ASCII text with \u.
    const char* documents[] = {
        R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fnil\fcharset0 Tahoma;}}{\colortbl ;\red255\green0\blue0;})"
        "\r\n{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1\\pard\\f0\\fs20 Meeting \\b notes\\b0  for \\cf1 Monday"
        "\\cf0\\par\r\n\\i Room\\i0  4\\tab B\\line second\\par\r\n}",
        // Pandoc 2.17 skips one character too many after "\uN?", so the fallbacks here follow a
        // delimiting space, which means the same.
        R"({\rtf1 Za\u380 ?\u243 ?\u322 ?\u263 ? g\u281 ?\u347 ?l\u261 ? ja\u378 ?\u324 ?\par \uc2\u8212\'97\'97 dash)"
        R"(\uc0\u26085\u26412 ok})",
        R"({\rtf1 \ldblquote quoted\rdblquote\emdash and\endash more\bullet non\~break non\_hy})",
        R"({\rtf1 {\info{\title Hidden}}{\header Head}A{\*\unknown x{y}}B {\field{\*\fldinst{HYPERLINK "u"}}{\fldrslt link}} C})",
        R"({\rtf1 before{\*\blob\bin4 {}{}}after a\\b\{c\}d\par\par next})",
    };
    for (const char* rtf : documents) {
        SCOPED_TRACE(rtf);
        EXPECT_EQ(words(plainUtf8(rtf)), words(pandocPlainText(rtf)));
    }
}

}  // namespace
