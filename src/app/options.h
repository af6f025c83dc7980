#pragma once
// The per-user options: one "options" section of dv_options.ini, held in memory as a map from
// key to text by one process-wide object. Every value is text; its reading rule comes from the
// key's prefix (dv_opt_b_ truth value, dv_opt_n_ integer, dv_opt_s_ text, dv_opt_rc_ rectangle).
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "core/option_keys.h"

inline constexpr std::u16string_view kDvOptionsFileName = u"dv_options.ini";
inline constexpr std::u16string_view kDvOptionsSection = u"options";
/// Its presence in the program's folder turns portable mode on.
inline constexpr std::u16string_view kDvPortableMarkerName = u"portable_on.txt";

enum class DvOptionKind { Bool, Int, String, Rect };

/// One known option: what a reader gets when the key is missing or empty.
struct DvOptionInfo {
    std::u16string_view key;
    DvOptionKind kind;
    std::u16string_view fallback;  // in the stored text form; empty for "none"
};

inline constexpr DvOptionInfo kDvOptionTable[] = {
    {kDvOptStartMinimized, DvOptionKind::Bool, u"0"},
    {kDvOptDontShowAdvisor, DvOptionKind::Bool, u"0"},
    {kDvOptCompletedAsPercents, DvOptionKind::Bool, u"0"},
    {kDvOptPriorityAsPercents, DvOptionKind::Bool, u"0"},
    {kDvOptShowRemindersByDefault, DvOptionKind::Bool, u"1"},
    {kDvOptGroupReminders, DvOptionKind::Bool, u"0"},
    {kDvOptShowBkgImagesOnLists, DvOptionKind::Bool, u"0"},
    {kDvOptLongDate, DvOptionKind::String, u""},   // empty: the built-in pattern
    {kDvOptShortDate, DvOptionKind::String, u""},  // empty: the built-in pattern
    {kDvOptUsageCount, DvOptionKind::Int, u"0"},
    {kDvOptLastOpenDocMainFile, DvOptionKind::String, u""},
    {kDvOptListFrameLeft, DvOptionKind::Int, u"-1"},
    {kDvOptListFrameBottom, DvOptionKind::Int, u"-1"},
    {kDvOptMainWindowRect, DvOptionKind::Rect, u""},
};

/// The table row of `key` (compared ignoring ASCII case), or nullptr for keys outside the
/// table, such as the hotkey keys.
const DvOptionInfo* FindOptionInfo(std::u16string_view key);

/// The global hotkey actions, in registration order; each stores two integer options.
inline constexpr std::u16string_view kDvHotkeyActions[] = {u"show_main_win", u"show_smartbox", u"new_task",
                                                           u"new_todo",      u"new_note",      u"new_contact"};
/// "dv_opt_hotkey_mods_" + the action in lower case: the modifier bits (Shift 1, Ctrl 2, Alt 4).
std::u16string HotkeyModsOptionKey(std::u16string_view action);
/// "dv_opt_hotkey_key_" + the action in lower case: the key code, 0 for none.
std::u16string HotkeyKeyOptionKey(std::u16string_view action);

/// A rectangle as the options store it: "left,top,right,bottom".
struct DvRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const DvRect&, const DvRect&) = default;
};

/// A map of option texts bound to an options file. Every member takes the object's own lock,
/// so the user-interface thread and the reminder code may share one object.
class CDvOptions {
public:
    /// Bound to `file`; the empty path means `OptionsFilePath()`, looked up at each load and save.
    explicit CDvOptions(std::filesystem::path file = {});
    CDvOptions(const CDvOptions&) = delete;
    CDvOptions& operator=(const CDvOptions&) = delete;

    /// Replaces the map with the file's "options" section. A missing or unreadable file gives
    /// an empty map and false.
    bool LoadOptions();
    /// Replaces the file with one holding every key of the map in the "options" section.
    bool SaveOptions(std::string* error = nullptr);
    /// Loads unless a load already happened; the check and the load are one step under the lock.
    void LoadIfNeeded();
    bool IsLoaded() const;

    /// Empty text gives `fallback`; "1", "true" and "yes" (any case) are true, all else false.
    bool GetBool(std::u16string_view key, bool fallback) const;
    /// Empty text gives `fallback`; otherwise the leading decimal number, 0 when there is none.
    int GetInt(std::u16string_view key, int fallback) const;
    /// Empty text gives `fallback`.
    std::u16string GetString(std::u16string_view key, std::u16string_view fallback) const;
    /// The four integers of "left,top,right,bottom"; nothing when the key is missing or the
    /// text does not hold four comma-separated integers.
    std::optional<DvRect> GetRect(std::u16string_view key) const;

    /// The same readers with the default from `kDvOptionTable`.
    bool GetBool(std::u16string_view key) const;
    int GetInt(std::u16string_view key) const;
    std::u16string GetString(std::u16string_view key) const;

    /// Writes "true" or "false", the form the options dialog uses.
    void SetBool(std::u16string_view key, bool value);
    void SetInt(std::u16string_view key, int value);
    void SetString(std::u16string_view key, std::u16string_view value);
    void SetRect(std::u16string_view key, const DvRect& rect);

    /// A copy of the whole map.
    std::map<std::u16string, std::u16string> Values() const;

private:
    std::filesystem::path file() const;
    bool loadLocked();
    std::u16string textLocked(std::u16string_view key) const;
    void setText(std::u16string_view key, std::u16string value);

    mutable std::mutex mutex_;
    const std::filesystem::path file_;
    std::map<std::u16string, std::u16string> values_;  // keys in lower case
    bool loaded_ = false;
};

/// Portable mode: "portable_on.txt" exists in the program's folder. Computed once for the
/// program's folder and kept.
bool IsPortable();
/// The options file: the program's folder + "dv_options.ini" in portable mode, else the config
/// home + "Quellmark/Dayvault/dv_options.ini" with both folders created. The empty path when
/// the folder cannot be created.
std::filesystem::path OptionsFilePath();
/// The process-wide options object; with `loadIfNeeded` the first such call reads the file.
CDvOptions& GetOptions(bool loadIfNeeded = true);

/// The autostart entry that starts the program with the desktop session.
std::filesystem::path AutostartEntryPath();
/// Writes the autostart entry, a Desktop Entry whose Exec line runs `program`, creating the
/// autostart folder. Start-up calls it on a first run outside portable mode.
bool CreateAutostartEntry(const std::filesystem::path& program, std::string* error = nullptr);
