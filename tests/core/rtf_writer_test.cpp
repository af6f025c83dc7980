#include "core/rtf_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "platform/text.h"
#include "support/temp_dir.h"
#include "support/rtf_text.h"

namespace {

using dvtest::bytesOf;
using dvtest::parse;
using dvtest::RtfCase;

DvRichText readBack(const DvRichText& doc) { return parse(DvRtfWrite(doc)); }

// Each document as the reader sees it; writing it and reading the result must give it back.
constexpr RtfCase kRoundTrips[] = {
    {"plain", R"({\rtf1 Hello world})"},
    {"emphasis switched on and off in turn", R"({\rtf1 a\b b\i c\ul d\strike e\b0 f\i0 g\ulnone h\strike0 i})"},
    {"all emphasis, then none", R"({\rtf1 \b\i\ul\strike all\plain  none\b\strike  bs})"},
    {"colours, one of them twice in the table",
     R"({\rtf1{\colortbl ;\red255\green0\blue0;\red0\green128\blue255;\red255\green0\blue0;})"
     R"(\cf1 red\cf2 blue\cf0 auto\cf3 red again\cf2\b  bold blue})"},
    {"font sizes", R"({\rtf1\fs16 small\fs24 normal\fs72 big\fs3276 largest})"},
    {"alignments", R"({\rtf1\pard\qc centre\par\qr right\par\qj justified\par\pard left\par})"},
    {"alignment carries into the next paragraph", R"({\rtf1\qc one\par two})"},
    {"code page and other scripts",
     R"({\rtf1\ansicpg1250 Za\'bf\'f3\'b3\'e6 g\'ea\'9cl\'b9 \u1071?\u1079?\u1099?\u1082? \u945?\u946? \u26085?\u26412? \u8364?})"},
    {"emoji as surrogate pairs", R"({\rtf1 smile \u-10179?\u-8704? flag \u-10180?\u-8715?\u-10180?\u-8719?})"},
    {"empty", R"({\rtf1})"},
    {"one empty paragraph", R"({\rtf1\par})"},
    {"braces and backslashes", R"({\rtf1 a\\b\{c\}d \\par is no word\\})"},
    {"line break and paragraph break", R"({\rtf1 one\line two\par three\line\line four\par\par five\line})"},
    {"empty paragraphs between formats", R"({\rtf1 a\par\b\par\i\par\b0\i0 c\par\par})"},
    {"a line break carries its format", R"({\rtf1 \b bold\line\b0 plain \ul\line\line})"},
    {"tabs", R"({\rtf1 a\tab\b b\tab\tab c})"},
    {"a carriage return alone is a character", R"({\rtf1 a\u13?b\u10?c})"},
    {"spaces, digits and hyphens after a format change", R"({\rtf1 \b  two spaces\b0 123\i -5\i0 ?})"},
    {"what a rich-text editor saves",
     "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 Tahoma;}}\r\n"
     "{\\colortbl ;\\red255\\green0\\blue0;}\\viewkind4\\uc1\\pard\\f0\\fs20 Zakupy na \\b pi\\'b9tek\\b0 :\\par\r\n"
     "- \\'bf\\'f3\\'b3ty ser, \\cf1 mas\\'b3o\\cf0\\par\r\n\\u8364\\'3f12,50 z\\'b3\\par\r\n}\r\n"},
};

TEST(RtfWriter, ReadingWhatWasWrittenGivesTheSameRichText) {
    for (const auto& c : kRoundTrips) {
        SCOPED_TRACE(c.what);
        const DvRichText doc = parse(c.rtf);
        EXPECT_EQ(readBack(doc), doc) << DvRtfWrite(doc);
    }
}

TEST(RtfWriter, PlainTextRoundTrips) {
    const char16_t* cases[] = {
        u"Za\u017C\u00F3\u0142\u0107 g\u0119\u015Bl\u0105 ja\u017A\u0144 \u2014 \u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC "
        u"\u65E5\u672C\u8A9E \U0001F600\U0001F1F5\U0001F1F1",
        u"tab\there {braces} \\back\\slash\\ \\par",
        u"",
        u"\n\n",
        u"first\r\nsecond\rthird\n",
    };
    for (const char16_t* text : cases) {
        SCOPED_TRACE(dv::toUtf8(text));
        const DvRichText doc = DvRichTextFromPlainText(text);
        EXPECT_EQ(readBack(doc), doc) << DvRtfWrite(doc);
    }
}

// Letters of the code page are escaped bytes under the code page's number, so readers without
// Unicode keep them; the rest is \u with a fallback, and the file stays 7-bit.
TEST(RtfWriter, EscapesCodePageBytesAndUnicode) {
    if (std::getenv("DAYVAULT_CODEPAGE")) GTEST_SKIP() << "code page overridden";
    const std::string rtf = DvRtfWrite(DvRichTextFromPlainText(u"\u0141\u00F3d\u017A \u042F \U0001F600 {a}\\b\t"));
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1250")) << rtf;
    EXPECT_NE(rtf.find(R"(\pard\'a3\'f3d\'9f \u1071\'3f \u-10179\'3f\u-8704\'3f \{a\}\\b\tab\par)"), std::string::npos) << rtf;
    EXPECT_TRUE(std::ranges::all_of(rtf, [](char c) { return static_cast<unsigned char>(c) < 0x80; })) << rtf;
}

DvCharFormat bold() {
    DvCharFormat f;
    f.bold = true;
    return f;
}

// Editors build the model themselves; what they get slightly wrong must still keep the text.
TEST(RtfWriter, ToleratesModelsThatAreNotWellFormed) {
    struct Case {
        const char* what;
        DvRichText doc;
        std::vector<DvTextRun> runs;  // read back
    };
    const DvCharFormat plain;
    const Case cases[] = {
        {"no runs", {u"abc", {}, {{0, 3}}}, {{0, 3, plain}}},
        {"no paragraphs", {u"abc", {{0, 3, bold()}}, {}}, {{0, 3, bold()}}},
        {"paragraph and run past the end", {u"abc", {{0, 99, bold()}}, {{0, 99}}}, {{0, 3, bold()}}},
        {"a gap between runs", {u"abc", {{0, 1, bold()}, {2, 1, bold()}}, {{0, 3}}},
         {{0, 1, bold()}, {1, 1, plain}, {2, 1, bold()}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DvRichText read = readBack(c.doc);
        EXPECT_EQ(read.text, u"abc");
        EXPECT_EQ(read.runs, c.runs);
    }
}

TEST(RtfWriter, RichTextFromPlainTextHasAParagraphPerLine) {
    struct Case {
        const char16_t* input;
        const char16_t* text;
        std::vector<DvParagraph> paragraphs;
    };
    const Case cases[] = {
        {u"", u"", {{0, 0}}},
        {u"one", u"one", {{0, 3}}},
        {u"a\nbc", u"a\r\nbc", {{0, 1}, {3, 2}}},
        {u"a\r\nbc", u"a\r\nbc", {{0, 1}, {3, 2}}},
        {u"a\rbc", u"a\r\nbc", {{0, 1}, {3, 2}}},
        {u"a\n", u"a", {{0, 1}}},                       // the last line's end opens nothing
        {u"a\n\n", u"a\r\n", {{0, 1}, {3, 0}}},         // but an empty line is a paragraph
        {u"\n", u"", {{0, 0}}},
        {u"a\n\rb", u"a\r\n\r\nb", {{0, 1}, {3, 0}, {5, 1}}},  // LF then CR: two line ends
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.input));
        const DvRichText doc = DvRichTextFromPlainText(c.input);
        EXPECT_EQ(doc.text, c.text);
        EXPECT_EQ(doc.paragraphs, c.paragraphs);
        const std::vector<DvTextRun> runs = doc.text.empty() ? std::vector<DvTextRun>{}
                                                             : std::vector<DvTextRun>{{0, doc.text.size(), {}}};
        EXPECT_EQ(doc.runs, runs);
    }
}

// Whatever the reader makes of the seeds it is fuzzed with, damaged ones included, survives being
// written and read again.
TEST(RtfWriter, FuzzSeedsRoundTrip) {
    const auto seeds = (std::filesystem::path(DV_TEST_DATA_DIR) / "../../fuzz/corpus/rtf_reader_fuzz").lexically_normal();
    ASSERT_TRUE(std::filesystem::is_directory(seeds)) << seeds;
    for (const auto& entry : std::filesystem::directory_iterator(seeds)) {
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        const DvRichText doc = parse(bytes);
        EXPECT_EQ(readBack(doc), doc);
    }
}

std::string runCommand(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    if (!pipe) return out;
    std::array<char, 4096> buffer;
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0;) out.append(buffer.data(), n);
    return out;
}

// Another program reads the same text and emphasis. pandoc 2.17 decodes escaped bytes as
// windows-1252 whatever \ansicpg says and reads each \u on its own: the text keeps to letters
// that have one byte in both code pages and to the Basic Multilingual Plane.
TEST(RtfWriter, PandocReadsTheSameTextAndEmphasis) {
    if (std::system("command -v pandoc >/dev/null 2>&1") != 0) GTEST_SKIP() << "pandoc is not installed";
    const DvRichText doc = parse(
        R"({\rtf1{\colortbl ;\red0\green0\blue255;}Plain \b bold\b0  \i italic\i0  \ul under\ulnone  \strike struck\strike0 )"
        R"( \b\i both\b0\i0  \cf1\fs32 blue\cf0\fs24\line second line\par)"
        R"(\qc caf\u233?x \b\u1071?\u1079?\u1099?\u1082?\b0  \u1071?\u1079? \{braces\} \\ back\par})");
    TempDir dir;
    const auto file = dir.path() / "note.rtf";
    std::ofstream(file, std::ios::binary) << DvRtfWrite(doc);
    EXPECT_EQ(runCommand("pandoc -f rtf -t html --wrap=none '" + file.string() + "'"),
              "<p>Plain <strong>bold</strong> <em>italic</em> <u>under</u> <del>struck</del> "
              "<strong><em>both</em></strong> blue<br />\nsecond line</p>\n"
              "<p>caf\u00E9x <strong>\u042F\u0437\u044B\u043A</strong> \u042F\u0437 {braces} \\ back</p>\n");
}

}  // namespace
