#pragma once
// INI files with the section/key semantics of the Windows private-profile calls: section and key
// names compare case-insensitively under the user's locale, white space around names and values
// is dropped, a value wrapped in matching quotes is read without them, ';' starts a comment line.
// The whole file is held in memory; editing keeps comments, blank lines and untouched lines as
// they were, so a file a person edited by hand survives a program's write.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dv {

class IniFile {
public:
    IniFile() = default;

    /// Reads text already in memory.
    static IniFile parse(std::u16string_view text);
    /// Replaces the model with the file's contents (UTF-8, a UTF-8 or UTF-16LE byte order mark,
    /// or the 8-bit code page when the bytes are not UTF-8). A missing or unreadable file leaves
    /// the model empty and returns false.
    bool load(const std::filesystem::path& path);
    /// Writes the model as UTF-8, replacing the file atomically; creates no folders.
    bool save(const std::filesystem::path& path, std::string* error = nullptr) const;
    /// The file text: every line as it was read or last written, each ended by the line break
    /// the file used ("\n" for a new file).
    std::u16string text() const;

    /// The value of `key` in the first section called `section`, without surrounding quotes;
    /// `fallback` when the section or key is missing or the key's line has no "=".
    std::u16string getString(std::u16string_view section, std::u16string_view key,
                             std::u16string_view fallback = {}) const;
    /// The value as written in the file (white space trimmed, quotes kept), or nothing.
    std::optional<std::u16string> rawValue(std::u16string_view section, std::u16string_view key) const;
    bool hasSection(std::u16string_view section) const;
    bool hasKey(std::u16string_view section, std::u16string_view key) const;

    /// Sets a key's value, creating the section at the end of the file and the key at the end
    /// of its section when missing. An existing key keeps its place and the spelling of its name.
    /// Line breaks in the name or value are written as blanks, so they cannot break the file.
    void setString(std::u16string_view section, std::u16string_view key, std::u16string_view value);
    /// Removes every line of `key` in the section; false when there was none.
    bool removeKey(std::u16string_view section, std::u16string_view key);
    /// Removes the section with all its lines; false when there was none.
    bool removeSection(std::u16string_view section);

    /// Section names in file order, as spelled in the file (the lines before the first section
    /// header are not a section).
    std::vector<std::u16string> sectionNames() const;
    /// The key/value pairs of the first section called `section`, in file order, values as
    /// written (trimmed, quotes kept); keys without "=" are left out.
    std::vector<std::pair<std::u16string, std::u16string>> entries(std::u16string_view section) const;

private:
    enum class LineKind { Other, Comment, Entry };
    struct Line {
        LineKind kind = LineKind::Other;
        std::u16string raw;  // written back unchanged unless the entry is set again
        std::u16string key;
        std::u16string value;
        bool hasValue = false;
    };
    struct Section {
        std::u16string name;
        bool hasHeader = false;
        std::u16string headerRaw;
        std::vector<Line> lines;
    };

    const Section* findSection(std::u16string_view name) const;
    Section* findSection(std::u16string_view name);
    static const Line* findEntry(const Section& section, std::u16string_view key);

    std::vector<Section> sections_;  // sections_[0], when present without a header, holds the lines before the first header
    std::u16string newline_ = u"\n";
};

/// One-shot read in the manner of GetPrivateProfileString.
std::u16string readProfileString(const std::filesystem::path& file, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view fallback = {});
/// One-shot write in the manner of WritePrivateProfileString: loads the file if it exists, sets
/// the key (or removes it when `value` is std::nullopt) and saves atomically.
bool writeProfileString(const std::filesystem::path& file, std::u16string_view section, std::u16string_view key,
                        std::optional<std::u16string_view> value, std::string* error = nullptr);

}  // namespace dv
