#pragma once
// Reads the RTF that the rich-text editor saves as an item's contents: the visible text, the
// character runs and the paragraphs.
//
// Paragraph breaks (\par, \sect, \page, table rows) are "\r\n" in the text: that is what a
// rich-text control hands out as its plain text, and what lists, searches and exports expect.
// A line break inside a paragraph (\line) is "\r\n" too, not the control's vertical tab, which
// would show as a box in a list and glue the words on both sides together for a search. The
// final paragraph mark of a document is not text (a rich-text control never shows an empty
// paragraph after it), so "Hello\par}" reads as "Hello".
//
// Nothing is lost by folding both breaks into "\r\n": a paragraph's range excludes the break
// that ends it, so a "\r\n" inside a paragraph is a line break and one between two paragraphs is
// a paragraph break. Runs cover the whole text without gaps, breaks and tabs included, so a
// writer can walk paragraphs and runs side by side and emit a format change wherever two
// neighbouring runs differ.
//
// Table cells become tabs between the cells of a row, and each row is a paragraph. List
// numbers and bullets are paragraph formatting, not text, as in the editor.
//
// Escaped bytes (\'hh) are decoded through the current font's code page (\cpg, else its
// \fcharset), else the document's \ansicpg, else the system code page: items written before
// their editor named a code page were written in the user's own. Consecutive bytes are decoded
// together so that double-byte characters survive.
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <vector>

enum class DvAlignment : uint8_t { Left, Center, Right, Justify };

struct DvCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;  // any underline style
    bool strike = false;
    std::optional<uint32_t> color;  // 0x00BBGGRR; none means the automatic (window text) colour
    int fontSize = 24;              // half-points; RTF's default is 12 pt

    friend bool operator==(const DvCharFormat&, const DvCharFormat&) = default;
};

/// Characters [start, start + length) of the text, all in one format.
struct DvTextRun {
    std::size_t start = 0;
    std::size_t length = 0;
    DvCharFormat format;

    friend bool operator==(const DvTextRun&, const DvTextRun&) = default;
};

/// Characters [start, start + length) of the text, without the "\r\n" that ends the paragraph.
struct DvParagraph {
    std::size_t start = 0;
    std::size_t length = 0;
    DvAlignment alignment = DvAlignment::Left;

    friend bool operator==(const DvParagraph&, const DvParagraph&) = default;
};

struct DvRichText {
    std::u16string text;
    std::vector<DvTextRun> runs;         // in order, adjacent, covering all of text; none when empty
    std::vector<DvParagraph> paragraphs; // in order; at least one, as in any rich-text control

    friend bool operator==(const DvRichText&, const DvRichText&) = default;
};

/// Parses RTF. Input that does not begin with "{\rtf" (after white space) is an old plain-text
/// item: it is decoded through the system code page, its line ends become "\r\n" and it gets
/// one default run. Damaged RTF gives what was read before the damage; nothing is rejected.
DvRichText DvRtfParse(std::span<const uint8_t> rtf);

/// The visible text of DvRtfParse.
std::u16string DvRtfToPlainText(std::span<const uint8_t> rtf);

void PrintTo(const DvCharFormat& format, std::ostream* os);
void PrintTo(const DvTextRun& run, std::ostream* os);
void PrintTo(const DvParagraph& paragraph, std::ostream* os);
