#include "gui/rich_text_document.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "core/rtf_reader.h"
#include "support/rtf_text.h"

namespace {

using dvtest::bytesOf;
using dvtest::parse;
using dvtest::RtfCase;

constexpr RtfCase kRoundTrips[] = {
    {"plain", R"({\rtf1 Hello world})"},
    {"emphasis switched on and off in turn", R"({\rtf1 a\b b\i c\ul d\strike e\b0 f\i0 g\ulnone h\strike0 i})"},
    {"all emphasis, then none", R"({\rtf1 \b\i\ul\strike all\plain  none})"},
    {"colours and black that is not automatic",
     R"({\rtf1{\colortbl ;\red255\green0\blue0;\red0\green128\blue255;\red0\green0\blue0;})"
     R"(\cf1 red\cf2 blue\cf0 auto\cf3 black})"},
    {"font sizes, half points included", R"({\rtf1\fs16 small\fs25 odd\fs72 big\fs3276 largest})"},
    {"alignments", R"({\rtf1\pard\qc centre\par\qr right\par\qj justified\par\pard left\par})"},
    {"other scripts and emoji",
     R"({\rtf1\ansicpg1250 Za\'bf\'f3\'b3\'e6 \u1071?\u1079?\u1099?\u1082? \u26085?\u26412? \u-10179?\u-8704?})"},
    {"empty", R"({\rtf1})"},
    {"braces and backslashes", R"({\rtf1 a\\b\{c\}d \\par})"},
    {"line break and paragraph break", R"({\rtf1 one\line two\par three\line\line four\par\par five\line})"},
    {"empty paragraphs keep their format", R"({\rtf1 a\par\b\par\i\fs40\par\b0\i0\fs24 c\par\par})"},
    {"a line break carries its format", R"({\rtf1 \b bold\line\b0 plain})"},
    {"tabs", R"({\rtf1 a\tab\b b\tab\tab c})"},
    {"an old plain-text item", "first line\r\nsecond line"},
};

TEST(RichTextDocument, RtfThroughTheDocumentGivesTheSameRichText) {
    for (const auto& c : kRoundTrips) {
        SCOPED_TRACE(c.what);
        QTextDocument document;
        DvSetDocumentRtf(document, bytesOf(c.rtf));
        const std::string written = DvDocumentRtf(document);
        EXPECT_EQ(parse(written), parse(c.rtf)) << written;
    }
}

TEST(RichTextDocument, BuildsBlocksAndCharacterFormats) {
    QTextDocument document;
    document.setUndoRedoEnabled(true);
    DvSetDocumentRtf(document, bytesOf(R"({\rtf1{\colortbl ;\red255\green0\blue0;}\qc a\b b\b0\line\cf1\fs32 c\par\qr\i d})"));
    ASSERT_EQ(document.blockCount(), 2);
    const QTextBlock first = document.firstBlock();
    EXPECT_EQ(first.text(), QString("ab") + QChar(QChar::LineSeparator) + "c");
    EXPECT_EQ(first.blockFormat().alignment(), Qt::AlignHCenter);
    // Right is right also in right-to-left text, as in RTF.
    EXPECT_EQ(document.lastBlock().blockFormat().alignment(), Qt::AlignRight | Qt::AlignAbsolute);

    const auto formatAfter = [&](int position) {
        QTextCursor cursor(&document);
        cursor.setPosition(position + 1);
        return cursor.charFormat();  // the format of the character before the cursor
    };
    EXPECT_EQ(formatAfter(0).fontWeight(), QFont::Normal);
    EXPECT_EQ(formatAfter(1).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAfter(3).foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatAfter(3).fontPointSize(), 16.0);
    EXPECT_EQ(formatAfter(0).fontPointSize(), 12.0);
    EXPECT_TRUE(formatAfter(5).fontItalic());

    EXPECT_FALSE(document.isModified());
    EXPECT_FALSE(document.isUndoAvailable()) << "loading is no step to undo";
}

// Typed text has no size of its own: it is stored at the size it is shown in.
TEST(RichTextDocument, TypedTextTakesTheDefaultFontSize) {
    QTextDocument document;
    QFont font = document.defaultFont();
    font.setPointSize(10);
    document.setDefaultFont(font);
    QTextCursor(&document).insertText("typed");
    const DvRichText read = parse(DvDocumentRtf(document));
    ASSERT_EQ(read.runs.size(), 1u);
    DvCharFormat tenPoints;
    tenPoints.fontSize = 20;
    EXPECT_EQ(read.runs[0].format, tenPoints);
}

TEST(RichTextDocument, BoldAppliedInTheEditorCoversExactlyTheSelection) {
    QTextEdit edit;
    DvSetDocumentRtf(*edit.document(), bytesOf(R"({\rtf1 Hello brave world\par second})"));
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(6);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
    edit.setFontWeight(QFont::Bold);

    const DvRichText read = parse(DvDocumentRtf(*edit.document()));
    ASSERT_EQ(read.text, u"Hello brave world\r\nsecond");
    ASSERT_EQ(read.runs.size(), 3u);
    EXPECT_EQ((std::pair{read.runs[1].start, read.runs[1].length}), (std::pair<std::size_t, std::size_t>{6, 5}));
    EXPECT_TRUE(read.runs[1].format.bold);
    EXPECT_FALSE(read.runs[0].format.bold);
    EXPECT_FALSE(read.runs[2].format.bold);
    EXPECT_TRUE(edit.document()->isModified());
}

}  // namespace
