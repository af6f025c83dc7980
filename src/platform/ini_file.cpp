#include "platform/ini_file.h"

#include <unicode/ustring.h>

#include <algorithm>
#include <cstdint>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/locale_text.h"
#include "platform/text.h"

namespace dv {
namespace {

bool isIniSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\v' || c == u'\f'; }

std::u16string_view trim(std::u16string_view text) {
    while (!text.empty() && isIniSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isIniSpace(text.back())) text.remove_suffix(1);
    return text;
}

// A value written in quotes keeps inner blanks; both ends must carry the same quote.
std::u16string_view stripQuotes(std::u16string_view value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::u16string oneLine(std::u16string_view text) {
    std::u16string out(text);
    std::replace(out.begin(), out.end(), u'\r', u' ');
    std::replace(out.begin(), out.end(), u'\n', u' ');
    return out;
}

bool isValidUtf8(std::string_view bytes) {
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8(nullptr, 0, &length, bytes.data(), static_cast<int32_t>(bytes.size()), &status);
    return status != U_INVALID_CHAR_FOUND && status != U_ILLEGAL_CHAR_FOUND;
}

std::u16string decodeFile(const std::vector<uint8_t>& bytes) {
    const std::string_view all(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (all.starts_with("\xEF\xBB\xBF")) return fromUtf8(all.substr(3));
    if (all.starts_with("\xFF\xFE")) {
        std::u16string out;
        out.reserve(all.size() / 2);
        for (size_t i = 2; i + 1 < all.size(); i += 2)
            out += static_cast<char16_t>(static_cast<uint8_t>(all[i]) | static_cast<uint8_t>(all[i + 1]) << 8);
        return out;
    }
    // Files made by hand in an old editor come in the 8-bit code page.
    if (!isValidUtf8(all)) return fromCodePage(all);
    return fromUtf8(all);
}

}  // namespace

IniFile IniFile::parse(std::u16string_view text) {
    IniFile ini;
    const size_t firstBreak = text.find(u'\n');
    if (firstBreak != std::u16string_view::npos && firstBreak > 0 && text[firstBreak - 1] == u'\r')
        ini.newline_ = u"\r\n";
    if (!text.empty() && text.back() == u'\n') text.remove_suffix(1);
    if (text.empty()) return ini;

    for (std::u16string_view rawLine : split(text, u'\n')) {
        if (!rawLine.empty() && rawLine.back() == u'\r') rawLine.remove_suffix(1);
        const std::u16string_view line = trim(rawLine);
        if (line.starts_with(u'[')) {
            const size_t close = line.rfind(u']');
            if (close != std::u16string_view::npos) {
                Section& s = ini.sections_.emplace_back();
                s.name = trim(line.substr(1, close - 1));
                s.hasHeader = true;
                s.headerRaw = rawLine;
                continue;
            }
        }
        if (ini.sections_.empty()) ini.sections_.emplace_back();
        Line& l = ini.sections_.back().lines.emplace_back();
        l.raw = rawLine;
        if (line.empty()) continue;
        if (line.starts_with(u';')) {
            l.kind = LineKind::Comment;
            continue;
        }
        l.kind = LineKind::Entry;
        const size_t eq = line.find(u'=');
        l.key = trim(line.substr(0, eq));
        if (eq != std::u16string_view::npos) {
            l.value = trim(line.substr(eq + 1));
            l.hasValue = true;
        }
    }
    return ini;
}

bool IniFile::load(const std::filesystem::path& path) {
    *this = IniFile();
    std::vector<uint8_t> bytes;
    if (!readFile(path, bytes)) return false;
    *this = parse(decodeFile(bytes));
    return true;
}

std::u16string IniFile::text() const {
    std::u16string out;
    for (const Section& s : sections_) {
        if (s.hasHeader) out.append(s.headerRaw).append(newline_);
        for (const Line& l : s.lines) out.append(l.raw).append(newline_);
    }
    return out;
}

bool IniFile::save(const std::filesystem::path& path, std::string* error) const {
    const std::string bytes = toUtf8(text());
    return writeFileAtomically(path, {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, error);
}

const IniFile::Section* IniFile::findSection(std::u16string_view name) const {
    for (const Section& s : sections_)
        if (s.hasHeader && equalsNoCase(s.name, name)) return &s;
    return nullptr;
}

IniFile::Section* IniFile::findSection(std::u16string_view name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

const IniFile::Line* IniFile::findEntry(const Section& section, std::u16string_view key) {
    for (const Line& l : section.lines)
        if (l.kind == LineKind::Entry && equalsNoCase(l.key, key)) return &l;
    return nullptr;
}

std::optional<std::u16string> IniFile::rawValue(std::u16string_view section, std::u16string_view key) const {
    const Section* s = findSection(section);
    if (!s) return std::nullopt;
    const Line* l = findEntry(*s, key);
    if (!l || !l->hasValue) return std::nullopt;
    return l->value;
}

std::u16string IniFile::getString(std::u16string_view section, std::u16string_view key,
                                  std::u16string_view fallback) const {
    const auto raw = rawValue(section, key);
    return std::u16string(raw ? stripQuotes(*raw) : fallback);
}

bool IniFile::hasSection(std::u16string_view section) const { return findSection(section) != nullptr; }

bool IniFile::hasKey(std::u16string_view section, std::u16string_view key) const {
    const Section* s = findSection(section);
    return s && findEntry(*s, key);
}

void IniFile::setString(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    Section* s = findSection(section);
    if (!s) {
        s = &sections_.emplace_back();
        s->name = oneLine(section);
        s->hasHeader = true;
        s->headerRaw = u"[" + s->name + u"]";
    }
    const std::u16string cleanValue = oneLine(value);
    if (Line* l = const_cast<Line*>(findEntry(*s, key))) {
        l->value = trim(cleanValue);
        l->hasValue = true;
        l->raw = l->key + u"=" + cleanValue;
        return;
    }
    // A new key goes after the section's last non-blank line, so that the blank lines which
    // separate it from the next section stay where they are.
    auto at = s->lines.end();
    while (at != s->lines.begin() && std::prev(at)->kind == LineKind::Other && trim(std::prev(at)->raw).empty()) --at;
    Line l;
    l.kind = LineKind::Entry;
    l.key = trim(oneLine(key));
    l.value = trim(cleanValue);
    l.hasValue = true;
    l.raw = l.key + u"=" + cleanValue;
    s->lines.insert(at, std::move(l));
}

bool IniFile::removeKey(std::u16string_view section, std::u16string_view key) {
    Section* s = findSection(section);
    if (!s) return false;
    const auto removed = std::erase_if(
        s->lines, [&](const Line& l) { return l.kind == LineKind::Entry && equalsNoCase(l.key, key); });
    return removed > 0;
}

bool IniFile::removeSection(std::u16string_view section) {
    const auto removed =
        std::erase_if(sections_, [&](const Section& s) { return s.hasHeader && equalsNoCase(s.name, section); });
    return removed > 0;
}

std::vector<std::u16string> IniFile::sectionNames() const {
    std::vector<std::u16string> names;
    for (const Section& s : sections_)
        if (s.hasHeader) names.push_back(s.name);
    return names;
}

std::vector<std::pair<std::u16string, std::u16string>> IniFile::entries(std::u16string_view section) const {
    std::vector<std::pair<std::u16string, std::u16string>> out;
    if (const Section* s = findSection(section))
        for (const Line& l : s->lines)
            if (l.kind == LineKind::Entry && l.hasValue) out.emplace_back(l.key, l.value);
    return out;
}

std::u16string readProfileString(const std::filesystem::path& file, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view fallback) {
    IniFile ini;
    ini.load(file);
    return ini.getString(section, key, fallback);
}

bool writeProfileString(const std::filesystem::path& file, std::u16string_view section, std::u16string_view key,
                        std::optional<std::u16string_view> value, std::string* error) {
    IniFile ini;
    ini.load(file);
    if (value)
        ini.setString(section, key, *value);
    else if (!ini.removeKey(section, key))
        return true;  // nothing to remove: leave the file (or its absence) alone
    return ini.save(file, error);
}

}  // namespace dv
