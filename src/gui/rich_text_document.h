#pragma once
// An item's contents in a Qt text document: RTF read into blocks and character formats, and the
// blocks and fragments written back as RTF. Both go through the toolkit-free reader and writer,
// so the editor keeps what they keep: paragraphs with their alignment, line breaks, tabs, bold,
// italic, underline, strike-through, text colour and point size.
#include <cstdint>
#include <span>
#include <string>

class QTextDocument;

/// Replaces the document's contents with the RTF: a block per paragraph with its alignment,
/// a character format per run, QChar::LineSeparator for a line break inside a paragraph. Bytes
/// that are not RTF are an old plain-text item and read as such. Loading is not an undo step
/// (the undo history is cleared) and leaves the document unmodified.
void DvSetDocumentRtf(QTextDocument& document, std::span<const uint8_t> rtf);

/// The document's contents as RTF. Text without an explicit point size has the document's
/// default font size; what RTF contents cannot hold (images, other fonts) is left out.
std::string DvDocumentRtf(const QTextDocument& document);
