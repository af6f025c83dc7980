#include "schedule/reminder_options_model.h"

#include "core/var.h"
#include "platform/files.h"
#include "platform/text.h"
#include "schedule/reminder_fields.h"

CDvTaskReminderOptionsDlgModel::CDvTaskReminderOptionsDlgModel(const CDvVarSet& vars) {
    const std::u16string stored = vars.GetText(kDvReminderSoundVar);
    if (stored.empty()) return;
    if (dv::equalsAsciiNoCase(stored, u"none")) {
        sound = DvReminderSound::None;
        return;
    }
    sound = DvReminderSound::Custom;
    path = stored;
}

void CDvTaskReminderOptionsDlgModel::Ok(CDvVarSet& vars) const {
    switch (sound) {
    case DvReminderSound::Default: vars.SetText(kDvReminderSoundVar, u""); break;
    case DvReminderSound::None: vars.SetText(kDvReminderSoundVar, u"none"); break;
    case DvReminderSound::Custom: vars.SetText(kDvReminderSoundVar, path); break;
    }
}

std::optional<std::filesystem::path> CDvTaskReminderOptionsDlgModel::SoundToPlay(
    const std::filesystem::path& resources) const {
    if (sound == DvReminderSound::None) return std::nullopt;
    std::filesystem::path file(dv::toUtf8(sound == DvReminderSound::Custom ? path : std::u16string(kDefaultSound)));
    if (file.empty()) return std::nullopt;
    if (!file.has_extension()) file += ".wav";
    if (dv::fileExists(file)) return file;
    return resources / "sounds" / (file.is_absolute() ? file.filename() : file);
}
