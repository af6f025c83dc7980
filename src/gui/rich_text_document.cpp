#include "gui/rich_text_document.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/rtf_reader.h"
#include "core/rtf_writer.h"

namespace {

constexpr char16_t kLineSeparator = 0x2028;      // QChar::LineSeparator
constexpr char16_t kParagraphSeparator = 0x2029;  // would split the block it is inserted into
constexpr char16_t kObjectReplacement = 0xFFFC;   // an image or other object: no RTF text
constexpr double kMaxPoints = 1638;               // the largest size RTF contents hold

Qt::Alignment toQt(DvAlignment alignment) {
    switch (alignment) {
    case DvAlignment::Center: return Qt::AlignHCenter;
    case DvAlignment::Right: return Qt::AlignRight | Qt::AlignAbsolute;
    case DvAlignment::Justify: return Qt::AlignJustify;
    case DvAlignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignAbsolute;
}

DvAlignment fromQt(Qt::Alignment alignment) {
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter) return DvAlignment::Center;
    if (horizontal & Qt::AlignJustify) return DvAlignment::Justify;
    if (horizontal & Qt::AlignRight) return DvAlignment::Right;
    return DvAlignment::Left;
}

QTextBlockFormat blockFormat(DvAlignment alignment) {
    QTextBlockFormat format;
    format.setAlignment(toQt(alignment));
    return format;
}

QTextCharFormat toQt(const DvCharFormat& f) {
    QTextCharFormat format;
    format.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(f.italic);
    format.setFontUnderline(f.underline);
    format.setFontStrikeOut(f.strike);
    format.setFontPointSize(f.fontSize / 2.0);
    if (f.color) {
        const uint32_t bgr = *f.color;
        format.setForeground(QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)));
    }
    return format;
}

DvCharFormat fromQt(const QTextCharFormat& format, const QTextDocument& document) {
    DvCharFormat f;
    f.bold = format.fontWeight() >= QFont::DemiBold;
    f.italic = format.fontItalic();
    f.underline = format.fontUnderline();
    f.strike = format.fontStrikeOut();
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush) {
        const QColor c = format.foreground().color();
        f.color = uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16;
    }
    // Text typed where no size was ever set shows in the document's font: store what is shown.
    const double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                                                                          : document.defaultFont().pointSizeF();
    if (points > 0) f.fontSize = int(std::lround(std::clamp(points, 0.5, kMaxPoints) * 2));
    return f;
}

// The paragraph's text as a block holds it: a line break is one separator, not "\r\n".
QString blockText(std::u16string_view text) {
    QString out;
    out.reserve(qsizetype(text.size()));
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        // A carriage return or line feed on its own would start a block of its own.
        if (c == u'\r' || c == u'\n' || c == kParagraphSeparator) c = kLineSeparator;
        out += QChar(c);
    }
    return out;
}

// The runs in order: the first one that ends after `position`.
std::vector<DvTextRun>::const_iterator runFrom(const DvRichText& doc, std::size_t position) {
    return std::ranges::upper_bound(doc.runs, position, {}, [](const DvTextRun& r) { return r.start + r.length; });
}

const DvCharFormat* formatAt(const DvRichText& doc, std::size_t position) {
    const auto run = runFrom(doc, position);
    return run != doc.runs.end() && run->start <= position ? &run->format : nullptr;
}

void insertParagraph(QTextCursor& cursor, const DvRichText& doc, const DvParagraph& paragraph) {
    const std::size_t end = paragraph.start + paragraph.length;
    for (auto run = runFrom(doc, paragraph.start); run != doc.runs.end() && run->start < end; ++run) {
        const std::size_t from = std::max(run->start, paragraph.start);
        const std::size_t to = std::min(run->start + run->length, end);
        if (from >= to) continue;
        cursor.insertText(blockText(std::u16string_view(doc.text).substr(from, to - from)), toQt(run->format));
    }
}

class RichTextBuilder {
public:
    explicit RichTextBuilder(const QTextDocument& document) : document_(document) {}

    void append(std::u16string_view text, const DvCharFormat& format) {
        if (text.empty()) return;
        auto& runs = result_.runs;
        if (!runs.empty() && runs.back().format == format) {
            runs.back().length += text.size();
        } else {
            runs.push_back({result_.text.size(), text.size(), format});
        }
        result_.text += text;
    }

    // A block's fragments; its separator from the block before takes the format a user would
    // type with at its start, as the RTF reader gives a paragraph break.
    void block(const QTextBlock& block) {
        if (block != document_.begin()) append(u"\r\n", firstFormat(block));
        const std::size_t start = result_.text.size();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            const DvCharFormat format = fromQt(fragment.charFormat(), document_);
            const QString text = fragment.text();
            std::u16string piece;
            piece.reserve(std::size_t(text.size()));
            for (const QChar c : text) {
                if (c.unicode() == kLineSeparator) {
                    piece += u"\r\n";
                } else if (c.unicode() != kObjectReplacement) {
                    piece += char16_t(c.unicode());
                }
            }
            append(piece, format);
        }
        result_.paragraphs.push_back({start, result_.text.size() - start, fromQt(block.blockFormat().alignment())});
    }

    DvRichText take() { return std::move(result_); }

private:
    DvCharFormat firstFormat(const QTextBlock& block) const {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().isValid() && it.fragment().length() > 0) {
                return fromQt(it.fragment().charFormat(), document_);
            }
        }
        return fromQt(block.charFormat(), document_);
    }

    const QTextDocument& document_;
    DvRichText result_;
};

}  // namespace

void DvSetDocumentRtf(QTextDocument& document, std::span<const uint8_t> rtf) {
    const DvRichText doc = DvRtfParse(rtf);
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    for (std::size_t i = 0; i < doc.paragraphs.size(); ++i) {
        const DvParagraph& paragraph = doc.paragraphs[i];
        if (i == 0) {
            cursor.setBlockFormat(blockFormat(paragraph.alignment));
            if (const DvCharFormat* first = formatAt(doc, paragraph.start)) cursor.setBlockCharFormat(toQt(*first));
        } else {
            // The break before the paragraph carries the format its empty line types with.
            const DvCharFormat* breakFormat = formatAt(doc, paragraph.start - 2);
            cursor.insertBlock(blockFormat(paragraph.alignment), toQt(breakFormat ? *breakFormat : DvCharFormat{}));
        }
        insertParagraph(cursor, doc, paragraph);
    }
    document.setUndoRedoEnabled(undo);
    document.setModified(false);
}

std::string DvDocumentRtf(const QTextDocument& document) {
    RichTextBuilder builder(document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) builder.block(block);
    return DvRtfWrite(builder.take());
}
