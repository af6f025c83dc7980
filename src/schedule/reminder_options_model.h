#pragma once
// The "Reminder options" dialog without widgets: which sound a task's reminder plays ("&Default",
// "&None" or "&Custom" with a path), and which file "&Play" tries.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

class CDvVarSet;

enum class DvReminderSound { Default, None, Custom };

class CDvTaskReminderOptionsDlgModel {
public:
    static constexpr std::u16string_view kTitle = u"Reminder options";
    static constexpr std::u16string_view kBrowseTitle = u"Locate sound file";
    static constexpr std::u16string_view kBrowseFilter = u".wav files|*.wav||";
    static constexpr std::u16string_view kDefaultSound = u"reminder.wav";

    /// Opens on dv_reminder_s_sound_path: empty or absent is "&Default", "none" is "&None",
    /// anything else "&Custom" with that text in the path field.
    explicit CDvTaskReminderOptionsDlgModel(const CDvVarSet& vars);

    DvReminderSound sound = DvReminderSound::Default;
    std::u16string path;

    /// The path field is for "&Custom" only.
    bool PathEnabled() const { return sound == DvReminderSound::Custom; }
    /// OK: stores the empty text, "none" or the path field's text.
    void Ok(CDvVarSet& vars) const;

    /// The file "&Play" plays, nothing for "&None": the default sound is "reminder.wav"; a custom
    /// name without an extension gets ".wav"; a name that is not an existing file is looked up in
    /// the "sounds" folder of `resources`.
    std::optional<std::filesystem::path> SoundToPlay(const std::filesystem::path& resources) const;
};
