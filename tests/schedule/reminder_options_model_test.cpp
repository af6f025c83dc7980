#include "schedule/reminder_options_model.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/var.h"
#include "platform/text.h"
#include "support/temp_dir.h"

TEST(ReminderOptionsDlgModel, OpensOnTheStoredSoundAndStoresTheChoice) {
    struct Case {
        std::u16string stored;  // "(absent)" for no variable
        DvReminderSound sound;
        std::u16string path, written;
    };
    const Case cases[] = {
        {u"(absent)", DvReminderSound::Default, u"", u""},
        {u"", DvReminderSound::Default, u"", u""},
        {u"none", DvReminderSound::None, u"", u"none"},
        {u"/home/ann/bell.wav", DvReminderSound::Custom, u"/home/ann/bell.wav", u"/home/ann/bell.wav"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.stored));
        CDvVarSet vars;
        if (c.stored != u"(absent)") vars.SetText(u"dv_reminder_s_sound_path", c.stored);
        const CDvTaskReminderOptionsDlgModel dlg(vars);
        EXPECT_EQ(dlg.sound, c.sound);
        EXPECT_EQ(dlg.path, c.path);
        EXPECT_EQ(dlg.PathEnabled(), c.sound == DvReminderSound::Custom);
        CDvVarSet out;
        dlg.Ok(out);
        EXPECT_EQ(out.GetText(u"dv_reminder_s_sound_path"), c.written);
    }
}

TEST(ReminderOptionsDlgModel, PlayFindsTheFileBesideTheProgramWhenTheNameIsNoFile) {
    TempDir dir;
    const auto existing = dir.path() / "mine.wav";
    std::ofstream(existing) << "RIFF";
    const auto resources = dir.path() / "res";
    struct Case {
        DvReminderSound sound;
        std::string path;
        std::optional<std::filesystem::path> played;
    };
    const Case cases[] = {
        {DvReminderSound::Default, "", resources / "sounds" / "reminder.wav"},
        {DvReminderSound::None, "", std::nullopt},
        {DvReminderSound::Custom, existing.string(), existing},
        {DvReminderSound::Custom, (dir.path() / "mine").string(), existing},  // ".wav" is added
        {DvReminderSound::Custom, "gong", resources / "sounds" / "gong.wav"},
        {DvReminderSound::Custom, "/nowhere/gong.wav", resources / "sounds" / "gong.wav"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        CDvTaskReminderOptionsDlgModel dlg{CDvVarSet{}};
        dlg.sound = c.sound;
        dlg.path = dv::fromUtf8(c.path);
        EXPECT_EQ(dlg.SoundToPlay(resources), c.played);
    }
}
