#include "app/smart_box_model.h"

#include <gtest/gtest.h>

#include "core/doc.h"
#include "platform/text.h"
#include "support/scoped_clock.h"
#include "support/scripted_ui.h"

namespace {

constexpr dv::CivilTime kTenOhSeven{2008, 3, 5, 10, 7, 0};

dv::CivilTime Civil(const DvDateTime& value) {
    dv::CivilTime t;
    EXPECT_TRUE(value.ToCivil(t));
    return t;
}

}  // namespace

TEST(SmartBox, TheKeywordBeforeTheFirstSemicolonPicksTheType) {
    struct Case {
        const char16_t* text;
        int selected;  // type button, 0 none
        bool ok;
        int type;
        const char16_t* title;
    };
    const Case cases[] = {
        {u"contact;Ann", DV_ITEM_TASK, true, DV_ITEM_CONTACT, u"Ann"},
        {u"Buy milk", DV_ITEM_TODO, true, DV_ITEM_TODO, u"Buy milk"},
        {u"x;Buy milk", 0, false, 0, nullptr},
        {u"x;Buy milk", DV_ITEM_NOTE, true, DV_ITEM_NOTE, u"Buy milk"},
        {u"Note;a;b", DV_ITEM_TODO, true, DV_ITEM_NOTE, u"a;b"},
        {u"TODO;Pay", DV_ITEM_NOTE, true, DV_ITEM_TODO, u"Pay"},
        {u"mytask;Call", DV_ITEM_TODO, true, DV_ITEM_TASK, u"Call"},
        {u"todo task;Call", DV_ITEM_TODO, true, DV_ITEM_TASK, u"Call"},
        {u"notes and contacts;x", DV_ITEM_TODO, true, DV_ITEM_NOTE, u"x"},
        {u" Contact ; Ann ", DV_ITEM_TODO, true, DV_ITEM_CONTACT, u" Ann "},
        {u"task;", DV_ITEM_TODO, true, DV_ITEM_TASK, u""},
        {u";plain", DV_ITEM_CONTACT, true, DV_ITEM_CONTACT, u"plain"},
        {u"note about the task", DV_ITEM_TODO, true, DV_ITEM_TODO, u"note about the task"},  // no ";": no keyword
        {u"Buy milk", 0, false, 0, nullptr},
        {u"", DV_ITEM_TODO, false, 0, nullptr},
    };
    dvtest::ScopedFakeClock clock(kTenOhSeven);
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.text) + " / button " + std::to_string(c.selected));
        CDvSmartBoxModel box;
        box.text = c.text;
        box.selectedType = c.selected;
        CDvItem item;
        ASSERT_EQ(box.Parse(item), c.ok);
        if (!c.ok) continue;
        EXPECT_EQ(item.itemType, c.type);
        EXPECT_EQ(item.title, c.title);
    }
}

TEST(SmartBox, ParseGivesANewItemItsIdentityFolderAndStamps) {
    dvtest::ScopedFakeClock clock(kTenOhSeven);
    struct Case {
        const char16_t* folder;
        const char16_t* stored;
    };
    const Case cases[] = {{u"", u"\\"}, {u"\\", u"\\"}, {u"\\Work\\Projects", u"\\Work\\Projects"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.folder));
        CDvSmartBoxModel box;
        box.text = u"note;Ideas";
        box.folder = c.folder;
        CDvItem item;
        item.folders = {u"\\Old"};
        clock.advanceSeconds(1);  // the stamps must be taken now, not when the item was made
        ASSERT_TRUE(box.Parse(item));
        EXPECT_EQ(item.folders, std::vector<std::u16string>{c.stored});
        EXPECT_EQ(item.guid.size(), 38u);
        EXPECT_EQ(item.created, clock.now());
        EXPECT_EQ(item.modified, clock.now());
        EXPECT_EQ(item.taskStart, DvDateTime{});  // only tasks get a start and an end
        EXPECT_EQ(item.taskEnd, DvDateTime{});
    }
    CDvSmartBoxModel box;
    box.text = u"note;Ideas";
    CDvItem first, second;
    ASSERT_TRUE(box.Parse(first) && box.Parse(second));
    EXPECT_NE(first.guid, second.guid);
}

TEST(SmartBox, ATaskStartsAtThePickedDateAndTimeAndLastsFifteenMinutes) {
    struct Case {
        const char* what;
        dv::CivilTime resetAt;
        std::optional<DvDateTime> date, time;  // none: as Reset left them
        dv::CivilTime start, end;
    };
    const Case cases[] = {
        {"pickers untouched at 10:07", kTenOhSeven, {}, {}, {2008, 3, 5, 10, 37, 0}, {2008, 3, 5, 10, 52, 0}},
        {"the date of one picker, the time of the other", kTenOhSeven, DvDateTime::FromFields(2008, 12, 24, 18, 0),
         DvDateTime::FromFields(2000, 1, 1, 8, 15), {2008, 12, 24, 8, 15, 0}, {2008, 12, 24, 8, 30, 0}},
        {"ending past midnight", kTenOhSeven, DvDateTime::FromFields(2008, 12, 31),
         DvDateTime::FromFields(2008, 3, 5, 23, 50), {2008, 12, 31, 23, 50, 0}, {2009, 1, 1, 0, 5, 0}},
        // The time picker has moved to tomorrow, but only its time of day is taken.
        {"pickers untouched at 23:50", {2008, 3, 5, 23, 50, 0}, {}, {}, {2008, 3, 5, 0, 20, 0},
         {2008, 3, 5, 0, 35, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dvtest::ScopedFakeClock clock(c.resetAt);
        CDvSmartBoxModel box;
        box.text = u"task;Call the dentist";
        if (c.date) box.datePicker = *c.date;
        if (c.time) box.timePicker = *c.time;
        CDvItem item;
        ASSERT_TRUE(box.Parse(item));
        EXPECT_EQ(Civil(item.taskStart), c.start);
        EXPECT_EQ(Civil(item.taskEnd), c.end);
    }
}

TEST(SmartBox, AddAppendsTheItemAndResetsTheBox) {
    dvtest::ScopedFakeClock clock(kTenOhSeven);
    ScriptedUi ui;
    CDvDoc doc;
    doc.items.push_back(std::make_unique<CDvItem>());
    CDvSmartBoxModel box;
    box.text = u"contact;Ann";
    box.selectedType = DV_ITEM_TASK;
    box.folder = u"\\Friends";
    clock.advanceSeconds(60);

    const DvSmartBoxAdded added = box.Add(doc);
    ASSERT_TRUE(added);
    EXPECT_TRUE(added.refreshContents);
    ASSERT_EQ(doc.items.size(), 2u);
    EXPECT_EQ(added.item, doc.items[1].get());
    EXPECT_EQ(added.item->index, 1);
    EXPECT_EQ(added.item->itemType, DV_ITEM_CONTACT);
    EXPECT_EQ(added.item->title, u"Ann");
    EXPECT_EQ(added.item->folders, std::vector<std::u16string>{u"\\Friends"});
    EXPECT_EQ(ui.beeps, 0);

    EXPECT_EQ(box.text, u"");
    EXPECT_EQ(box.selectedType, DV_ITEM_TODO);
    EXPECT_EQ(box.folder, u"\\");
    EXPECT_EQ(Civil(box.datePicker), (dv::CivilTime{2008, 3, 5, 10, 8, 0}));
    EXPECT_EQ(Civil(box.timePicker), (dv::CivilTime{2008, 3, 5, 10, 38, 0}));
}

TEST(SmartBox, AFailedAddBeepsAndKeepsEverything) {
    dvtest::ScopedFakeClock clock(kTenOhSeven);
    const std::u16string texts[] = {u"x;Buy milk", u""};
    for (const auto& text : texts) {
        SCOPED_TRACE(dv::toUtf8(text));
        ScriptedUi ui;
        CDvDoc doc;
        CDvSmartBoxModel box;
        box.text = text;
        box.selectedType = 0;
        box.folder = u"\\Shop";
        const DvSmartBoxAdded added = box.Add(doc);
        EXPECT_FALSE(added);
        EXPECT_FALSE(added.refreshContents);
        EXPECT_TRUE(doc.items.empty());
        EXPECT_EQ(ui.beeps, 1);
        EXPECT_TRUE(ui.messages.empty());  // a beep, never a message box
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.folder, u"\\Shop");
    }
}

TEST(SmartBox, TheTimerFollowsTheTypingAndBringsTheBoxUpOncePerShowing) {
    dvtest::ScopedFakeClock clock(kTenOhSeven);
    CDvSmartBoxModel box;
    box.Shown();
    EXPECT_TRUE(box.Tick());
    EXPECT_FALSE(box.Tick());
    box.Shown();
    EXPECT_TRUE(box.Tick());

    struct Step {
        const char16_t* text;
        int selectedAfter;
        bool pickers;
    };
    // Starting from "ToDo" selected, as after Reset.
    const Step steps[] = {
        {u"", DV_ITEM_TODO, false},
        {u"no", DV_ITEM_TODO, false},  // no ";" yet: the button decides
        {u"note;", DV_ITEM_NOTE, false},
        {u"task;Call", DV_ITEM_TASK, true},
        {u"x;Call", DV_ITEM_TASK, true},  // the last resolved button stays selected
        {u"contact;Ann", DV_ITEM_CONTACT, false},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(dv::toUtf8(s.text));
        box.text = s.text;
        EXPECT_FALSE(box.Tick());
        EXPECT_EQ(box.selectedType, s.selectedAfter);
        EXPECT_EQ(box.PickersEnabled(), s.pickers);
    }
}

TEST(SmartBox, NoTypeButtonLeavesThePickersOff) {
    CDvSmartBoxModel box;
    box.selectedType = 0;
    box.text = u"Buy milk";
    box.Tick();
    EXPECT_EQ(box.selectedType, 0);
    EXPECT_FALSE(box.PickersEnabled());
}
