#include "core/rtf_reader.h"

#include <algorithm>
#include <map>
#include <ostream>
#include <span>
#include <string_view>

#include "core/rtf_code_pages_p.h"
#include "core/rtf_tokenizer_p.h"
#include "platform/codepage.h"

namespace dv::rtf {
namespace {

// Deeper groups are skipped without keeping state, so damaged input cannot grow the stack.
constexpr std::size_t kMaxGroupDepth = 1000;
// 1638 pt, the largest size a rich-text control accepts.
constexpr int kMaxFontSize = 3276;
constexpr int kDefaultFontSize = DvCharFormat{}.fontSize;

enum class Destination : uint8_t { Text, FontTable, ColorTable, Skip };

struct GroupState {
    Destination destination = Destination::Text;
    DvCharFormat format;
    int font = -1;
    int unicodeFallbackLength = 1;  // \uc
    DvAlignment alignment = DvAlignment::Left;
};

struct FontInfo {
    std::optional<int> charset;
    std::optional<int> codePage;
};

struct ColorParts {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool any = false;
};

class Reader {
public:
    explicit Reader(std::string_view rtf) : tokens_(rtf) {}
    DvRichText read();

    // What the control-word tables act through.
    GroupState& group() { return stack_.back(); }
    void emit(std::u16string_view text);
    void appendByte(char byte);
    void paragraphBreak();
    void cellEnd();
    void unicodeCharacter(int32_t value);
    void skipGroup();
    void setDocumentCodePage(int codePage);
    void setDefaultFont(int font);
    void resetCharFormat();
    void setColor(int index);
    void startFontEntry(int font) { fontEntry_ = font; }
    FontInfo* fontEntry();
    ColorParts& colorParts() { return colorParts_; }

private:
    void handle(const Token& token);
    void openGroup();
    void closeGroup();
    void onText(std::string_view bytes);
    void onHexByte(uint8_t byte);
    void onControlWord(const Token& token);
    void onControlSymbol(const Token& token);
    bool consumeFallback();
    void flushBytes();
    int currentCodePage() const;
    void appendVisible(std::u16string_view text);
    void appendPendingBreaks();
    void appendRaw(std::u16string_view text);
    void recordParagraph();
    void finishColor();
    void finish();

    Tokenizer tokens_;
    std::vector<GroupState> stack_;
    std::size_t overflowDepth_ = 0;
    bool finished_ = false;

    int documentCodePage_ = kSystemCodePage;
    int defaultFont_ = -1;
    std::map<int, FontInfo> fonts_;
    int fontEntry_ = -1;
    std::vector<std::optional<uint32_t>> colors_;
    ColorParts colorParts_;

    std::string pendingBytes_;  // decoded together: a double-byte character spans two \'hh
    int fallbackToSkip_ = 0;    // what a reader without Unicode would show instead of the last \u
    bool breakPending_ = false;
    bool cellPending_ = false;
    std::size_t paragraphStart_ = 0;
    DvRichText result_;
};

// ---- the control-word tables ----

using Action = void (*)(Reader&, const Token&);

struct WordRule {
    std::string_view name;
    Action apply;
};

struct SymbolRule {
    char symbol;
    Action apply;
};

struct DestinationRule {
    std::string_view name;
    Destination destination;
};

template <bool DvCharFormat::*Flag>
void toggle(Reader& r, const Token& t) {
    r.group().format.*Flag = t.flagOn();
}

template <char16_t Character>
void emitCharacter(Reader& r, const Token&) {
    static constexpr char16_t kText[] = {Character};
    r.emit({kText, 1});
}

template <DvAlignment Alignment>
void align(Reader& r, const Token&) {
    r.group().alignment = Alignment;
}

template <int CodePage>
void documentCodePage(Reader& r, const Token&) {
    r.setDocumentCodePage(CodePage);
}

void ignore(Reader&, const Token&) {}
void paragraphBreak(Reader& r, const Token&) { r.paragraphBreak(); }
void cellEnd(Reader& r, const Token&) { r.cellEnd(); }
void underlineOff(Reader& r, const Token&) { r.group().format.underline = false; }
void literalByte(Reader& r, const Token& t) { r.appendByte(t.text.front()); }

void fontSize(Reader& r, const Token& t) {
    const int size = t.parameterOr(kDefaultFontSize);
    r.group().format.fontSize = size > 0 ? std::min(size, kMaxFontSize) : kDefaultFontSize;
}

template <int ColorParts::*Part>
void colorPart(Reader& r, const Token& t) {
    r.colorParts().*Part = std::clamp(t.parameterOr(0), 0, 255);
    r.colorParts().any = true;
}

// Sorted by name (checked below); looked up by binary search.
constexpr WordRule kTextWords[] = {
    {"ansicpg", [](Reader& r, const Token& t) { r.setDocumentCodePage(t.parameterOr(0)); }},
    {"b", toggle<&DvCharFormat::bold>},
    {"bullet", emitCharacter<u'\u2022'>},
    {"cell", cellEnd},
    {"cf", [](Reader& r, const Token& t) { r.setColor(t.parameterOr(0)); }},
    {"deff", [](Reader& r, const Token& t) { r.setDefaultFont(t.parameterOr(0)); }},
    {"emdash", emitCharacter<u'\u2014'>},
    {"emspace", emitCharacter<u'\u2003'>},
    {"endash", emitCharacter<u'\u2013'>},
    {"enspace", emitCharacter<u'\u2002'>},
    {"f", [](Reader& r, const Token& t) { r.group().font = t.parameterOr(0); }},
    {"fs", fontSize},
    {"i", toggle<&DvCharFormat::italic>},
    {"ldblquote", emitCharacter<u'\u201C'>},
    {"line", [](Reader& r, const Token&) { r.emit(u"\r\n"); }},
    {"lquote", emitCharacter<u'\u2018'>},
    {"mac", documentCodePage<10000>},
    {"nestcell", cellEnd},
    {"nestrow", paragraphBreak},
    {"page", paragraphBreak},
    {"par", paragraphBreak},
    {"pard", align<DvAlignment::Left>},
    {"pc", documentCodePage<437>},
    {"pca", documentCodePage<850>},
    {"plain", [](Reader& r, const Token&) { r.resetCharFormat(); }},
    {"qc", align<DvAlignment::Center>},
    {"qd", align<DvAlignment::Justify>},  // distributed: justified, as far as a reader cares
    {"qj", align<DvAlignment::Justify>},
    {"ql", align<DvAlignment::Left>},
    {"qr", align<DvAlignment::Right>},
    {"rdblquote", emitCharacter<u'\u201D'>},
    {"row", paragraphBreak},
    {"rquote", emitCharacter<u'\u2019'>},
    {"sect", paragraphBreak},
    {"strike", toggle<&DvCharFormat::strike>},
    {"striked", toggle<&DvCharFormat::strike>},
    {"tab", emitCharacter<u'\t'>},
    {"u", [](Reader& r, const Token& t) { r.unicodeCharacter(t.parameterOr(0)); }},
    {"uc", [](Reader& r, const Token& t) { r.group().unicodeFallbackLength = std::max(t.parameterOr(1), 0); }},
    {"ul", toggle<&DvCharFormat::underline>},
    {"uld", toggle<&DvCharFormat::underline>},
    {"uldash", toggle<&DvCharFormat::underline>},
    {"uldashd", toggle<&DvCharFormat::underline>},
    {"uldashdd", toggle<&DvCharFormat::underline>},
    {"uldb", toggle<&DvCharFormat::underline>},
    {"ulhwave", toggle<&DvCharFormat::underline>},
    {"ulldash", toggle<&DvCharFormat::underline>},
    {"ulnone", underlineOff},
    {"ulth", toggle<&DvCharFormat::underline>},
    {"ulthd", toggle<&DvCharFormat::underline>},
    {"ulthdash", toggle<&DvCharFormat::underline>},
    {"ulthdashd", toggle<&DvCharFormat::underline>},
    {"ulthdashdd", toggle<&DvCharFormat::underline>},
    {"ulthldash", toggle<&DvCharFormat::underline>},
    {"ululdbwave", toggle<&DvCharFormat::underline>},
    {"ulw", toggle<&DvCharFormat::underline>},
    {"ulwave", toggle<&DvCharFormat::underline>},
};

constexpr WordRule kFontTableWords[] = {
    {"cpg", [](Reader& r, const Token& t) { if (auto* f = r.fontEntry()) f->codePage = t.parameterOr(0); }},
    {"f", [](Reader& r, const Token& t) { r.startFontEntry(t.parameterOr(0)); }},
    {"fcharset", [](Reader& r, const Token& t) { if (auto* f = r.fontEntry()) f->charset = t.parameterOr(0); }},
};

constexpr WordRule kColorTableWords[] = {
    {"blue", colorPart<&ColorParts::blue>},
    {"green", colorPart<&ColorParts::green>},
    {"red", colorPart<&ColorParts::red>},
};

// Groups whose text is not document text. Sorted by name.
constexpr DestinationRule kDestinations[] = {
    {"annotation", Destination::Skip}, {"atnid", Destination::Skip},
    {"colortbl", Destination::ColorTable}, {"datastore", Destination::Skip},
    {"do", Destination::Skip},         // drawing objects
    {"fldinst", Destination::Skip},    // a field's instruction; its result is the visible text
    {"fonttbl", Destination::FontTable}, {"footer", Destination::Skip},
    {"footerf", Destination::Skip}, {"footerl", Destination::Skip},
    {"footerr", Destination::Skip}, {"footnote", Destination::Skip},
    {"ftncn", Destination::Skip}, {"ftnsep", Destination::Skip},
    {"ftnsepc", Destination::Skip}, {"generator", Destination::Skip},
    {"header", Destination::Skip}, {"headerf", Destination::Skip},
    {"headerl", Destination::Skip}, {"headerr", Destination::Skip},
    {"info", Destination::Skip}, {"latentstyles", Destination::Skip},
    {"listoverridetable", Destination::Skip}, {"listtable", Destination::Skip},
    {"listtext", Destination::Skip},   // list numbers are paragraph formatting, not text
    {"nonesttables", Destination::Skip},  // a flat copy of nested tables for older readers
    {"nonshppict", Destination::Skip}, {"object", Destination::Skip},
    {"pict", Destination::Skip}, {"pn", Destination::Skip},
    {"pntext", Destination::Skip}, {"pntxta", Destination::Skip},
    {"pntxtb", Destination::Skip}, {"private", Destination::Skip},
    {"revtbl", Destination::Skip}, {"rsidtbl", Destination::Skip},
    {"rxe", Destination::Skip}, {"shp", Destination::Skip},
    {"shppict", Destination::Skip}, {"stylesheet", Destination::Skip},
    {"tc", Destination::Skip}, {"template", Destination::Skip},
    {"themedata", Destination::Skip}, {"txe", Destination::Skip},
    {"userprops", Destination::Skip}, {"xe", Destination::Skip},
    {"xmlnstbl", Destination::Skip},
};

constexpr SymbolRule kTextSymbols[] = {
    {'\\', literalByte}, {'{', literalByte}, {'}', literalByte},
    {'~', emitCharacter<u'\u00A0'>},  // non-breaking space
    {'_', emitCharacter<u'\u2011'>},  // non-breaking hyphen
    {'-', ignore},                    // optional hyphen: shown only where a line wraps
    {'\r', paragraphBreak}, {'\n', paragraphBreak},
};

static_assert(std::ranges::is_sorted(kTextWords, {}, &WordRule::name));
static_assert(std::ranges::is_sorted(kFontTableWords, {}, &WordRule::name));
static_assert(std::ranges::is_sorted(kColorTableWords, {}, &WordRule::name));
static_assert(std::ranges::is_sorted(kDestinations, {}, &DestinationRule::name));

template <class Rule>
const Rule* findByName(std::span<const Rule> rules, std::string_view name) {
    const auto found = std::ranges::lower_bound(rules, name, {}, &Rule::name);
    return found != rules.end() && found->name == name ? &*found : nullptr;
}

std::span<const WordRule> wordsFor(Destination destination) {
    switch (destination) {
    case Destination::Text: return kTextWords;
    case Destination::FontTable: return kFontTableWords;
    case Destination::ColorTable: return kColorTableWords;
    case Destination::Skip: break;
    }
    return {};
}

// ---- the reader ----

DvRichText Reader::read() {
    tokens_.next();  // the "{" of "{\rtf", already checked by the caller
    stack_.emplace_back();
    while (!finished_) {
        const Token token = tokens_.next();
        if (token.kind == TokenKind::End) break;  // truncated: keep what was read
        handle(token);
    }
    finish();
    return std::move(result_);
}

void Reader::handle(const Token& token) {
    if (overflowDepth_ > 0 && token.kind != TokenKind::GroupStart && token.kind != TokenKind::GroupEnd) return;
    switch (token.kind) {
    case TokenKind::GroupStart: openGroup(); break;
    case TokenKind::GroupEnd: closeGroup(); break;
    case TokenKind::Text: onText(token.text); break;
    case TokenKind::HexByte: onHexByte(token.byte); break;
    case TokenKind::ControlWord: onControlWord(token); break;
    case TokenKind::ControlSymbol: onControlSymbol(token); break;
    case TokenKind::Binary: consumeFallback(); break;  // pictures and objects, never text
    case TokenKind::End: break;
    }
}

void Reader::openGroup() {
    flushBytes();
    fallbackToSkip_ = 0;
    if (overflowDepth_ > 0 || stack_.size() >= kMaxGroupDepth) {
        ++overflowDepth_;
        return;
    }
    const GroupState inherited = stack_.back();
    stack_.push_back(inherited);
}

void Reader::closeGroup() {
    flushBytes();
    fallbackToSkip_ = 0;
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return;
    }
    // A colour table whose last entry lacks its ";" still defines that colour.
    if (group().destination == Destination::ColorTable && colorParts_.any) finishColor();
    if (stack_.size() == 1) {
        finished_ = true;  // whatever follows the document's closing brace is not part of it
        return;
    }
    stack_.pop_back();
}

// The characters that stand in for a \u character are skipped; a control word, a symbol or an
// escaped byte counts as one character, as does each byte of text.
bool Reader::consumeFallback() {
    if (fallbackToSkip_ == 0) return false;
    --fallbackToSkip_;
    return true;
}

void Reader::onText(std::string_view bytes) {
    const auto skipped = std::min(bytes.size(), static_cast<std::size_t>(fallbackToSkip_));
    fallbackToSkip_ -= static_cast<int>(skipped);
    bytes.remove_prefix(skipped);
    switch (group().destination) {
    case Destination::Text:
        for (const char byte : bytes) appendByte(byte);
        break;
    case Destination::ColorTable:
        for (const char byte : bytes)
            if (byte == ';') finishColor();
        break;
    case Destination::FontTable:  // font names: not needed to read the text
    case Destination::Skip: break;
    }
}

void Reader::onHexByte(uint8_t byte) {
    if (consumeFallback()) return;
    if (group().destination == Destination::Text) appendByte(static_cast<char>(byte));
}

void Reader::onControlWord(const Token& token) {
    if (consumeFallback()) return;
    flushBytes();
    if (group().destination == Destination::Skip) return;
    if (const auto* destination = findByName<DestinationRule>(kDestinations, token.text)) {
        group().destination = destination->destination;
        return;
    }
    if (const auto* rule = findByName(wordsFor(group().destination), token.text)) rule->apply(*this, token);
}

void Reader::onControlSymbol(const Token& token) {
    if (consumeFallback()) return;
    const char symbol = token.text.front();
    if (symbol == '*') return skipGroup();  // an optional destination we do not know
    if (group().destination != Destination::Text) return;
    const auto* rule = std::ranges::find(kTextSymbols, symbol, &SymbolRule::symbol);
    if (rule != std::end(kTextSymbols)) rule->apply(*this, token);
}

void Reader::skipGroup() {
    flushBytes();
    group().destination = Destination::Skip;
}

void Reader::appendByte(char byte) {
    if (byte != '\0') pendingBytes_.push_back(byte);
}

int Reader::currentCodePage() const {
    const auto font = fonts_.find(stack_.back().font);
    if (font == fonts_.end()) return documentCodePage_;
    if (font->second.codePage.value_or(0) > 0) return *font->second.codePage;
    if (!font->second.charset) return documentCodePage_;
    return codePageOfCharset(*font->second.charset).value_or(documentCodePage_);
}

void Reader::flushBytes() {
    if (pendingBytes_.empty()) return;
    const std::u16string decoded = decodeCodePage(currentCodePage(), pendingBytes_);
    pendingBytes_.clear();
    appendVisible(decoded);
}

void Reader::emit(std::u16string_view text) {
    flushBytes();
    appendVisible(text);
}

void Reader::unicodeCharacter(int32_t value) {
    // \u is a signed 16-bit number: negative values are the upper half of the range.
    const auto unit = static_cast<char16_t>(static_cast<uint32_t>(value) & 0xFFFFu);
    if (unit != u'\0') emit({&unit, 1});
    fallbackToSkip_ = group().unicodeFallbackLength;
}

void Reader::appendVisible(std::u16string_view text) {
    if (text.empty()) return;
    appendPendingBreaks();
    appendRaw(text);
}

// Breaks wait for the next visible character: the document's final paragraph mark and the
// tab after a row's last cell must not become text.
void Reader::appendPendingBreaks() {
    if (breakPending_) {
        appendRaw(u"\r\n");
        paragraphStart_ = result_.text.size();
        breakPending_ = false;
    }
    if (cellPending_) {
        appendRaw(u"\t");
        cellPending_ = false;
    }
}

void Reader::appendRaw(std::u16string_view text) {
    auto& runs = result_.runs;
    const DvCharFormat& format = group().format;
    if (!runs.empty() && runs.back().format == format) {
        runs.back().length += text.size();
    } else {
        runs.push_back({result_.text.size(), text.size(), format});
    }
    result_.text += text;
}

void Reader::paragraphBreak() {
    flushBytes();
    cellPending_ = false;
    if (breakPending_) appendPendingBreaks();
    recordParagraph();
    breakPending_ = true;
}

void Reader::cellEnd() {
    flushBytes();
    if (cellPending_) appendPendingBreaks();
    cellPending_ = true;
}

void Reader::recordParagraph() {
    result_.paragraphs.push_back({paragraphStart_, result_.text.size() - paragraphStart_, group().alignment});
}

void Reader::setDocumentCodePage(int codePage) {
    if (codePage > 0) documentCodePage_ = codePage;
}

void Reader::setDefaultFont(int font) {
    defaultFont_ = font;
    group().font = font;
}

void Reader::resetCharFormat() {
    group().format = {};
    group().font = defaultFont_;
}

void Reader::setColor(int index) {
    const bool known = index >= 0 && static_cast<std::size_t>(index) < colors_.size();
    group().format.color = known ? colors_[static_cast<std::size_t>(index)] : std::nullopt;
}

FontInfo* Reader::fontEntry() { return fontEntry_ < 0 ? nullptr : &fonts_[fontEntry_]; }

// An entry without components is the automatic colour.
void Reader::finishColor() {
    const ColorParts& c = colorParts_;
    const auto bgr = static_cast<uint32_t>(c.red | c.green << 8 | c.blue << 16);
    colors_.push_back(c.any ? std::optional(bgr) : std::nullopt);
    colorParts_ = {};
}

bool isSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }
bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Pairs written as two \u words combine by themselves; a half pair left alone would break
// every later conversion to UTF-8, so it becomes U+FFFD (same length: ranges stay valid).
void replaceLoneSurrogates(std::u16string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isSurrogate(text[i])) continue;
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            ++i;
            continue;
        }
        text[i] = u'\uFFFD';
    }
}

void Reader::finish() {
    flushBytes();
    cellPending_ = false;
    if (!breakPending_) recordParagraph();
    replaceLoneSurrogates(result_.text);
}

// ---- plain text ----

std::u16string withCrLfLineEnds(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        if (c == u'\r' || c == u'\n') {
            out += u"\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

DvRichText plainTextDocument(std::string_view bytes) {
    DvRichText doc;
    doc.text = withCrLfLineEnds(fromCodePage(bytes));
    if (!doc.text.empty()) doc.runs.push_back({0, doc.text.size(), DvCharFormat{}});
    std::size_t start = 0;
    for (std::size_t end; (end = doc.text.find(u"\r\n", start)) != std::u16string::npos; start = end + 2) {
        doc.paragraphs.push_back({start, end - start, DvAlignment::Left});
    }
    doc.paragraphs.push_back({start, doc.text.size() - start, DvAlignment::Left});
    return doc;
}

/// Where "{\rtf" begins, or npos when the bytes are not RTF.
std::size_t rtfStart(std::string_view bytes) {
    const std::size_t start = bytes.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos || !bytes.substr(start).starts_with("{\\rtf")) return std::string_view::npos;
    return start;
}

const char* alignmentName(DvAlignment a) {
    constexpr const char* kNames[] = {"left", "center", "right", "justify"};
    return kNames[static_cast<std::size_t>(a)];
}

}  // namespace
}  // namespace dv::rtf

DvRichText DvRtfParse(std::span<const uint8_t> rtf) {
    const std::string_view bytes(reinterpret_cast<const char*>(rtf.data()), rtf.size());
    const std::size_t start = dv::rtf::rtfStart(bytes);
    if (start == std::string_view::npos) return dv::rtf::plainTextDocument(bytes);
    return dv::rtf::Reader(bytes.substr(start)).read();
}

std::u16string DvRtfToPlainText(std::span<const uint8_t> rtf) { return DvRtfParse(rtf).text; }

void PrintTo(const DvCharFormat& f, std::ostream* os) {
    *os << (f.bold ? "b" : "") << (f.italic ? "i" : "") << (f.underline ? "u" : "") << (f.strike ? "s" : "")
        << " fs" << f.fontSize << " color=";
    if (f.color) {
        *os << std::hex << "0x" << *f.color << std::dec;
    } else {
        *os << "auto";
    }
}

void PrintTo(const DvTextRun& run, std::ostream* os) {
    *os << "{" << run.start << "+" << run.length << " ";
    PrintTo(run.format, os);
    *os << "}";
}

void PrintTo(const DvParagraph& p, std::ostream* os) {
    *os << "{" << p.start << "+" << p.length << " " << dv::rtf::alignmentName(p.alignment) << "}";
}
