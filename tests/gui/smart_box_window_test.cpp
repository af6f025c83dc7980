#include "gui/smart_box_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QToolButton>

#include "gui/main_window.h"
#include "gui/open_database_fixture.h"
#include "gui/qt_ui.h"
#include "platform/locations.h"
#include "support/recording_main_window.h"
#include "support/scoped_clock.h"

namespace {

constexpr dv::CivilTime kTenOhSeven{2008, 3, 5, 10, 7, 0};

struct SmartBoxFixture : OpenDatabaseFixture {
    dvtest::ScopedFakeClock clock{kTenOhSeven};
    SmartBoxWindow box{doc};
    QLineEdit* text = box.findChild<QLineEdit*>(QStringLiteral("smartBoxText"));

    SmartBoxFixture() { box.showBox(); }

    template <class W> W* child(const QString& label) {
        for (W* w : box.findChildren<W*>())
            if (w->text() == label) return w;
        ADD_FAILURE() << "no control " << label.toStdString();
        return nullptr;
    }
    void type(const QString& entry) {
        text->setText(entry);
        box.tick();
    }
    void clickAdd() { child<QPushButton>(QStringLiteral("&Add"))->click(); }
};

}  // namespace

TEST_F(SmartBoxFixture, AddCreatesTheItemRefreshesTheListsAndResetsTheBox) {
    RecordingMainWindow mainWindow;
    child<QRadioButton>(QStringLiteral("Task"))->setChecked(true);
    type(QStringLiteral("contact;Ann"));
    clickAdd();

    ASSERT_EQ(doc.items.size(), 1u);
    const CDvItem& added = *doc.items.front();
    EXPECT_EQ(added.itemType, DV_ITEM_CONTACT);
    EXPECT_EQ(added.title, u"Ann");
    EXPECT_EQ(added.folders, std::vector<std::u16string>{u"\\"});
    EXPECT_EQ(mainWindow.calls, std::vector<std::string>{"refresh 0"});
    EXPECT_FALSE(box.isVisible());
    EXPECT_TRUE(text->text().isEmpty());
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("ToDo"))->isChecked());
}

TEST_F(SmartBoxFixture, ATaskWithUntouchedPickersStartsHalfAnHourFromNow) {
    type(QStringLiteral("task;Call the dentist"));
    clickAdd();
    ASSERT_EQ(doc.items.size(), 1u);
    EXPECT_EQ(doc.items.front()->taskStart, DvDateTime::FromFields(2008, 3, 5, 10, 37));
    EXPECT_EQ(doc.items.front()->taskEnd, DvDateTime::FromFields(2008, 3, 5, 10, 52));
}

TEST_F(SmartBoxFixture, ATaskStartsAtThePickedDateAndTime) {
    type(QStringLiteral("task;Call the dentist"));
    box.findChild<QDateEdit*>()->setDate(QDate(2008, 4, 1));
    box.findChild<QTimeEdit*>()->setTime(QTime(23, 50));
    clickAdd();
    ASSERT_EQ(doc.items.size(), 1u);
    EXPECT_EQ(doc.items.front()->taskStart, DvDateTime::FromFields(2008, 4, 1, 23, 50));
    EXPECT_EQ(doc.items.front()->taskEnd, DvDateTime::FromFields(2008, 4, 2, 0, 5));
}

TEST_F(SmartBoxFixture, TheTimerFollowsTheTypedKeyword) {
    struct Case {
        const char* entry;
        const char* button;
        bool pickers;
    };
    const Case cases[] = {
        {"note;", "Note", false},
        {"task;Call", "Task", true},
        {"Contact;Ann", "Contact", false},
        {"x;Buy milk", "Contact", false},  // no keyword: the button stays as it was
    };
    auto* date = box.findChild<QDateEdit*>();
    auto* time = box.findChild<QTimeEdit*>();
    QToolButton* quickTime = child<QToolButton>(QStringLiteral("..."));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        type(QString::fromLatin1(c.entry));
        EXPECT_TRUE(child<QRadioButton>(QString::fromLatin1(c.button))->isChecked());
        EXPECT_EQ(date->isEnabled(), c.pickers);
        EXPECT_EQ(time->isEnabled(), c.pickers);
        EXPECT_EQ(quickTime->isEnabled(), c.pickers);
    }
}

TEST_F(SmartBoxFixture, NothingToAddBeepsAndKeepsTheBoxOpen) {
    clickAdd();
    EXPECT_EQ(ui.beeps, 1);
    EXPECT_TRUE(doc.items.empty());
    EXPECT_TRUE(box.isVisible());
}

TEST_F(SmartBoxFixture, HideKeepsTheTextForTheNextShowing) {
    type(QStringLiteral("note;half typed"));
    child<QPushButton>(QStringLiteral("&Hide"))->click();
    EXPECT_FALSE(box.isVisible());
    box.showBox();
    EXPECT_EQ(text->text(), QStringLiteral("note;half typed"));
    EXPECT_TRUE(doc.items.empty());
}

TEST_F(SmartBoxFixture, HelpOpensTheSmartBoxPage) {
    child<QPushButton>(QStringLiteral("&Help"))->click();
    EXPECT_EQ(ui.opened, std::vector<std::filesystem::path>{dv::resourceFolder() / "help" / "tools" / "smartbox.htm"});
}

TEST_F(SmartBoxFixture, TheMoreButtonOffersTheTrayMenuWithoutExitAndMinimize) {
    QMenu tray;
    for (const char* entry : {"Show Dayvault", "New Task", "New To do", "New Note", "New contact",
                              "Minimize all reminders", "E&xit", "Exit"})
        tray.addAction(QString::fromLatin1(entry));
    box.setTrayMenu([&tray] { return &tray; });
    QStringList offered;
    for (const QAction* action : box.trayEntries()) offered << action->text();
    EXPECT_EQ(offered, QStringList({"Show Dayvault", "New Task", "New To do", "New Note", "New contact"}));

    box.setTrayMenu([] { return nullptr; });  // no tray on this desktop
    child<QToolButton>(QString(QChar(187)))->click();
    EXPECT_EQ(ui.beeps, 1);
}

TEST_F(SmartBoxFixture, TheSmartBoxCommandOfTheMainWindowShowsTheBox) {
    MainWindow window(doc);
    auto* command = window.findChild<QAction*>(QStringLiteral("SmartBox"));
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->text(), QStringLiteral("SmartBox"));
    EXPECT_EQ(command->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Space")));
    command->trigger();
    auto* shown = window.findChild<SmartBoxWindow*>();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("Dayvault :: Smart Box"));
}
