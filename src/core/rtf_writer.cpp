#include "core/rtf_writer.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/codepage.h"

namespace dv::rtf {
namespace {

constexpr DvCharFormat kDefaultFormat{};

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool isPlainAscii(char16_t c) { return c >= 0x20 && c < 0x7F; }

class Writer {
public:
    explicit Writer(const DvRichText& doc) : doc_(doc), codePage_(windowsCodePage()) {}
    std::string write();

private:
    void header();
    void colorTable();
    void paragraph(std::size_t from, std::size_t to, DvAlignment alignment);
    void setAlignment(DvAlignment alignment);
    void setFormat(const DvCharFormat& format);
    void writeText(std::size_t from, std::size_t to);
    void writeCharacter(char16_t c);
    void writeUnicode(char16_t unit);
    void word(std::string_view name);
    void word(std::string_view name, long parameter);
    void symbol(std::string_view escaped);
    void literal(char c);
    void lineEnd();
    const DvTextRun* runAt(std::size_t position) const;
    std::size_t nextRunStart(std::size_t position) const;
    const DvCharFormat& formatAt(std::size_t position) const;
    int colorIndex(const std::optional<uint32_t>& color) const;
    const std::string& codePageBytes(char16_t c);

    const DvRichText& doc_;
    const std::optional<int> codePage_;
    std::string out_;
    bool delimit_ = false;  // a control word ends the output: literal text needs a space first
    DvCharFormat format_;
    DvAlignment alignment_ = DvAlignment::Left;
    std::vector<uint32_t> colors_;  // the colour table after its automatic entry 0
    std::unordered_map<char16_t, std::string> bytes_;  // empty: not in the code page
};

std::string Writer::write() {
    header();
    const std::size_t size = doc_.text.size();
    if (doc_.paragraphs.empty()) {
        paragraph(0, size, DvAlignment::Left);
        word("par");
    }
    std::size_t previousEnd = 0;
    for (std::size_t i = 0; i < doc_.paragraphs.size(); ++i) {
        const DvParagraph& p = doc_.paragraphs[i];
        const std::size_t from = std::clamp(p.start, previousEnd, size);
        const std::size_t to = from + std::min(p.length, size - from);
        paragraph(from, to, p.alignment);
        word("par");
        // The break is read back with the format in force when it becomes text: at the next
        // character, or at the next \par when the following paragraph is empty.
        if (i + 1 < doc_.paragraphs.size() && to < size) setFormat(formatAt(to));
        lineEnd();
        previousEnd = to;
    }
    out_ += "}";
    return std::move(out_);
}

void Writer::header() {
    out_ = "{\\rtf1\\ansi";
    if (codePage_) word("ansicpg", *codePage_);
    colorTable();
    word("uc", 1);
    word("pard");
}

void Writer::colorTable() {
    for (const DvTextRun& run : doc_.runs) {
        if (run.format.color && std::ranges::find(colors_, *run.format.color) == colors_.end()) {
            colors_.push_back(*run.format.color);
        }
    }
    if (colors_.empty()) return;
    out_ += "{\\colortbl ;";
    for (const uint32_t bgr : colors_) {
        word("red", bgr & 0xFF);
        word("green", (bgr >> 8) & 0xFF);
        word("blue", (bgr >> 16) & 0xFF);
        out_ += ";";
        delimit_ = false;
    }
    out_ += "}";
    lineEnd();
}

void Writer::paragraph(std::size_t from, std::size_t to, DvAlignment alignment) {
    setAlignment(alignment);
    for (std::size_t at = from; at < to;) {
        const DvTextRun* run = runAt(at);
        const std::size_t end = run ? std::min(to, run->start + run->length) : std::min(to, nextRunStart(at));
        setFormat(run ? run->format : kDefaultFormat);
        writeText(at, end);
        at = end;
    }
}

void Writer::setAlignment(DvAlignment alignment) {
    if (alignment == alignment_) return;
    constexpr std::string_view kWords[] = {"ql", "qc", "qr", "qj"};
    word(kWords[static_cast<std::size_t>(alignment) % std::size(kWords)]);
    alignment_ = alignment;
}

void Writer::setFormat(const DvCharFormat& f) {
    if (f.bold != format_.bold) word(f.bold ? "b" : "b0");
    if (f.italic != format_.italic) word(f.italic ? "i" : "i0");
    if (f.underline != format_.underline) word(f.underline ? "ul" : "ulnone");
    if (f.strike != format_.strike) word(f.strike ? "strike" : "strike0");
    if (f.color != format_.color) word("cf", colorIndex(f.color));
    if (f.fontSize != format_.fontSize) word("fs", f.fontSize);
    format_ = f;
}

void Writer::writeText(std::size_t from, std::size_t to) {
    const std::u16string& text = doc_.text;
    for (std::size_t i = from; i < to; ++i) {
        const char16_t c = text[i];
        if (c == u'\r' && i + 1 < to && text[i + 1] == u'\n') {
            word("line");
            ++i;
        } else if (isHighSurrogate(c) && i + 1 < to && isLowSurrogate(text[i + 1])) {
            writeUnicode(c);
            writeUnicode(text[++i]);
        } else {
            writeCharacter(c);
        }
    }
}

void Writer::writeCharacter(char16_t c) {
    switch (c) {
    case u'\0': return;  // readers drop it, and it is no text a user typed
    case u'\\': return symbol("\\\\");
    case u'{': return symbol("\\{");
    case u'}': return symbol("\\}");
    case u'\t': return word("tab");
    case u'\r':  // alone, not a line break: kept as the character it is
    case u'\n': return writeUnicode(c);
    default: break;
    }
    if (isPlainAscii(c)) return literal(static_cast<char>(c));
    const std::string& bytes = codePageBytes(c);
    if (bytes.empty()) return writeUnicode(c);
    constexpr char kHex[] = "0123456789abcdef";
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        const char escaped[] = {'\\', '\'', kHex[b >> 4], kHex[b & 0xF]};
        symbol({escaped, sizeof escaped});
    }
}

// \u takes a signed 16-bit number; "?" is what a reader without Unicode shows instead.
void Writer::writeUnicode(char16_t unit) {
    word("u", static_cast<int16_t>(unit));
    out_ += '?';
    delimit_ = false;
}

void Writer::word(std::string_view name) {
    out_ += '\\';
    out_ += name;
    delimit_ = true;
}

void Writer::word(std::string_view name, long parameter) {
    word(name);
    out_ += std::to_string(parameter);
}

void Writer::symbol(std::string_view escaped) {
    out_ += escaped;
    delimit_ = false;
}

void Writer::literal(char c) {
    if (delimit_) out_ += ' ';  // swallowed by the reader as the end of the control word
    out_ += c;
    delimit_ = false;
}

// Line ends in RTF are not text; they keep the file readable and end a control word.
void Writer::lineEnd() {
    out_ += "\r\n";
    delimit_ = false;
}

const DvTextRun* Writer::runAt(std::size_t position) const {
    const auto& runs = doc_.runs;
    const auto after = std::ranges::upper_bound(runs, position, {}, &DvTextRun::start);
    if (after == runs.begin()) return nullptr;
    const DvTextRun& run = *std::prev(after);
    return position - run.start < run.length ? &run : nullptr;
}

std::size_t Writer::nextRunStart(std::size_t position) const {
    const auto after = std::ranges::upper_bound(doc_.runs, position, {}, &DvTextRun::start);
    return after == doc_.runs.end() ? doc_.text.size() : after->start;
}

const DvCharFormat& Writer::formatAt(std::size_t position) const {
    const DvTextRun* run = runAt(position);
    return run ? run->format : kDefaultFormat;
}

int Writer::colorIndex(const std::optional<uint32_t>& color) const {
    if (!color) return 0;
    return static_cast<int>(std::ranges::find(colors_, *color) - colors_.begin()) + 1;
}

// A character is written as bytes only when they read back as that character: the converter
// writes "?" for characters it lacks.
const std::string& Writer::codePageBytes(char16_t c) {
    const auto [it, added] = bytes_.try_emplace(c);
    if (added && codePage_ && !isHighSurrogate(c) && !isLowSurrogate(c)) {
        const std::u16string_view character(&c, 1);
        std::string bytes = toCodePage(character);
        if (fromCodePage(bytes) == character) it->second = std::move(bytes);
    }
    return it->second;
}

}  // namespace
}  // namespace dv::rtf

std::string DvRtfWrite(const DvRichText& text) { return dv::rtf::Writer(text).write(); }

DvRichText DvRichTextFromPlainText(std::u16string_view text) {
    DvRichText doc;
    doc.text.reserve(text.size());
    std::size_t start = 0;
    bool lineOpen = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (!lineOpen) {
            doc.text += u"\r\n";
            start = doc.text.size();
            lineOpen = true;
        }
        if (c != u'\r' && c != u'\n') {
            doc.text += c;
            continue;
        }
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        doc.paragraphs.push_back({start, doc.text.size() - start, DvAlignment::Left});
        lineOpen = false;
    }
    if (lineOpen) doc.paragraphs.push_back({start, doc.text.size() - start, DvAlignment::Left});
    if (!doc.text.empty()) doc.runs.push_back({0, doc.text.size(), DvCharFormat{}});
    return doc;
}
