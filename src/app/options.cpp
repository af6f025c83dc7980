#include "app/options.h"

#include <cassert>
#include <climits>
#include <cstdint>
#include <cstdio>

#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/locations.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace {

int clampToInt(int64_t v) { return static_cast<int>(v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : v); }

std::u16string normalizedKey(std::u16string_view key) { return dv::asciiLower(key); }

std::u16string rectText(const DvRect& r) {
    char text[64];
    std::snprintf(text, sizeof text, "%d,%d,%d,%d", r.left, r.top, r.right, r.bottom);
    return dv::fromAscii(text);
}

// Reads one "%d" as sscanf would: optional blanks, an optional sign, at least one digit.
bool readInt(std::u16string_view& text, int& out) {
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    size_t digits = i;
    if (digits < text.size() && (text[digits] == u'+' || text[digits] == u'-')) ++digits;
    if (digits >= text.size() || text[digits] < u'0' || text[digits] > u'9') return false;
    out = clampToInt(dv::parseLeadingInt64(text.substr(i)));
    size_t end = digits;
    while (end < text.size() && text[end] >= u'0' && text[end] <= u'9') ++end;
    text.remove_prefix(end);
    return true;
}

std::optional<DvRect> parseRect(std::u16string_view text) {
    int v[4];
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (text.empty() || text.front() != u',') return std::nullopt;
            text.remove_prefix(1);
        }
        if (!readInt(text, v[i])) return std::nullopt;
    }
    return DvRect{v[0], v[1], v[2], v[3]};
}

const DvOptionInfo& infoOf(std::u16string_view key) {
    static constexpr DvOptionInfo unknown{u"", DvOptionKind::String, u""};
    const DvOptionInfo* option = FindOptionInfo(key);
    assert(option && "an option read with the table's default must be in the table");
    return option ? *option : unknown;
}

// Desktop Entry Exec quoting: the argument is quoted with \" \` \$ \\ escaped and % doubled;
// the value then goes through the string escapes, which double every backslash again.
std::u16string execLine(const std::filesystem::path& program) {
    std::u16string quoted = u"\"";
    for (char16_t c : dv::fromUtf8(program.string())) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        if (c == u'%') quoted += u'%';
        quoted += c;
    }
    quoted += u'"';
    dv::replaceAll(quoted, u"\\", u"\\\\");
    return quoted;
}

}  // namespace

const DvOptionInfo* FindOptionInfo(std::u16string_view key) {
    for (const DvOptionInfo& option : kDvOptionTable)
        if (dv::equalsAsciiNoCase(option.key, key)) return &option;
    return nullptr;
}

std::u16string HotkeyModsOptionKey(std::u16string_view action) {
    return u"dv_opt_hotkey_mods_" + dv::asciiLower(action);
}

std::u16string HotkeyKeyOptionKey(std::u16string_view action) { return u"dv_opt_hotkey_key_" + dv::asciiLower(action); }

CDvOptions::CDvOptions(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path CDvOptions::file() const { return file_.empty() ? OptionsFilePath() : file_; }

bool CDvOptions::loadLocked() {
    values_.clear();
    loaded_ = true;
    const std::filesystem::path path = file();
    dv::IniFile ini;
    if (path.empty() || !ini.load(path)) return false;
    for (auto& [key, value] : ini.entries(kDvOptionsSection)) values_[normalizedKey(key)] = std::move(value);
    return true;
}

bool CDvOptions::LoadOptions() {
    std::lock_guard lock(mutex_);
    return loadLocked();
}

void CDvOptions::LoadIfNeeded() {
    std::lock_guard lock(mutex_);
    if (!loaded_) loadLocked();
}

bool CDvOptions::IsLoaded() const {
    std::lock_guard lock(mutex_);
    return loaded_;
}

bool CDvOptions::SaveOptions(std::string* error) {
    std::lock_guard lock(mutex_);
    const std::filesystem::path path = file();
    if (path.empty()) {
        if (error) *error = "no folder for the options file";
        return false;
    }
    // A fresh file: keys a newer or older version left behind do not linger.
    dv::IniFile ini = dv::IniFile::parse(u"[" + std::u16string(kDvOptionsSection) + u"]\n");
    for (const auto& [key, value] : values_) ini.setString(kDvOptionsSection, key, value);
    return ini.save(path, error);
}

std::u16string CDvOptions::textLocked(std::u16string_view key) const {
    const auto it = values_.find(normalizedKey(key));
    return it == values_.end() ? std::u16string() : it->second;
}

void CDvOptions::setText(std::u16string_view key, std::u16string value) {
    std::lock_guard lock(mutex_);
    values_[normalizedKey(key)] = std::move(value);
}

bool CDvOptions::GetBool(std::u16string_view key, bool fallback) const {
    std::lock_guard lock(mutex_);
    const std::u16string text = textLocked(key);
    if (text.empty()) return fallback;
    return text == u"1" || dv::equalsAsciiNoCase(text, u"true") || dv::equalsAsciiNoCase(text, u"yes");
}

int CDvOptions::GetInt(std::u16string_view key, int fallback) const {
    std::lock_guard lock(mutex_);
    const std::u16string text = textLocked(key);
    if (text.empty()) return fallback;
    return clampToInt(dv::parseLeadingInt64(text));
}

std::u16string CDvOptions::GetString(std::u16string_view key, std::u16string_view fallback) const {
    std::lock_guard lock(mutex_);
    std::u16string text = textLocked(key);
    return text.empty() ? std::u16string(fallback) : text;
}

std::optional<DvRect> CDvOptions::GetRect(std::u16string_view key) const {
    std::lock_guard lock(mutex_);
    return parseRect(textLocked(key));
}

bool CDvOptions::GetBool(std::u16string_view key) const {
    const DvOptionInfo& option = infoOf(key);
    assert(option.kind == DvOptionKind::Bool || option.key.empty());
    return GetBool(key, option.fallback == u"1");
}

int CDvOptions::GetInt(std::u16string_view key) const {
    const DvOptionInfo& option = infoOf(key);
    assert(option.kind == DvOptionKind::Int || option.key.empty());
    return GetInt(key, clampToInt(dv::parseLeadingInt64(option.fallback)));
}

std::u16string CDvOptions::GetString(std::u16string_view key) const { return GetString(key, infoOf(key).fallback); }

void CDvOptions::SetBool(std::u16string_view key, bool value) { setText(key, value ? u"true" : u"false"); }

void CDvOptions::SetInt(std::u16string_view key, int value) { setText(key, dv::formatInt64(value)); }

void CDvOptions::SetString(std::u16string_view key, std::u16string_view value) { setText(key, std::u16string(value)); }

void CDvOptions::SetRect(std::u16string_view key, const DvRect& rect) { setText(key, rectText(rect)); }

std::map<std::u16string, std::u16string> CDvOptions::Values() const {
    std::lock_guard lock(mutex_);
    return values_;
}

bool IsPortable() {
    // Kept per program folder: the folder is fixed for a run, except where tests redirect it.
    static std::mutex mutex;
    static std::filesystem::path checkedFolder;
    static bool checked = false;
    static bool portable = false;
    std::lock_guard lock(mutex);
    const std::filesystem::path folder = dv::programFolder();
    if (!checked || folder != checkedFolder) {
        portable = !folder.empty() && dv::fileExists(folder / kDvPortableMarkerName);
        checkedFolder = folder;
        checked = true;
    }
    return portable;
}

std::filesystem::path OptionsFilePath() {
    if (IsPortable()) return dv::programFolder() / kDvOptionsFileName;
    const std::filesystem::path folder = dv::configHome() / "Quellmark" / "Dayvault";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!dv::isDirectory(folder)) return {};
    return folder / kDvOptionsFileName;
}

CDvOptions& GetOptions(bool loadIfNeeded) {
    static CDvOptions options;
    if (loadIfNeeded) options.LoadIfNeeded();
    return options;
}

std::filesystem::path AutostartEntryPath() { return dv::autostartFolder() / "dayvault.desktop"; }

bool CreateAutostartEntry(const std::filesystem::path& program, std::string* error) {
    const std::filesystem::path path = AutostartEntryPath();
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    constexpr std::u16string_view group = u"Desktop Entry";
    dv::IniFile entry;
    entry.setString(group, u"Type", u"Application");
    entry.setString(group, u"Name", u"Dayvault");
    entry.setString(group, u"Comment", u"Tasks, reminders, notes and contacts");
    entry.setString(group, u"Exec", execLine(program));
    entry.setString(group, u"Icon", u"dayvault");
    entry.setString(group, u"Terminal", u"false");
    entry.setString(group, u"X-GNOME-Autostart-enabled", u"true");
    return entry.save(path, error);
}
