#pragma once
// Writes an item's contents as RTF from the reader's model, so that the reader, word processors
// and document converters read the same text, runs and paragraphs back.
//
// Paragraphs end with \par, line breaks inside a paragraph are \line, tabs \tab. Character
// formatting is written as switches (\b, \b0, \cf2, \fs32, ...) wherever two neighbouring runs
// differ, colours through the colour table, alignment at the start of each paragraph.
// Characters of the system code page are escaped bytes under \ansicpg, so a reader without
// Unicode still shows the user's letters; every other character is \u with "?" for such a reader
// (negative numbers above 32767; a surrogate pair is two \u).
//
// A paragraph break becomes text for the reader only once something follows it, and then takes
// that character's format. So writing and reading give back the same DvRichText whenever the
// "\r\n" between two paragraphs has the format of the character after it, as everything the
// reader produces has; otherwise only the format of the break itself differs.
#include <string>
#include <string_view>

#include "core/rtf_reader.h"

/// RTF for `text`. Runs and paragraphs reaching past the text are clipped; text that no run
/// covers is written in the default format; text outside every paragraph is not written, and
/// text without paragraphs is written as one paragraph.
std::string DvRtfWrite(const DvRichText& text);

/// Plain text as rich text: one left-aligned paragraph per line and one default run. "\n",
/// "\r\n" and "\r" each end a line; the line end after the last line opens no empty paragraph,
/// so "a\nb\n" is two paragraphs, "a\nb\n\n" three. The empty text is one empty paragraph.
DvRichText DvRichTextFromPlainText(std::u16string_view text);
