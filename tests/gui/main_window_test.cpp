#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeView>
#include <QTreeWidget>

#include "app/database_session.h"
#include "app/log.h"
#include "app/options.h"
#include "app/startup.h"
#include "core/doc.h"
#include "core/open_mark.h"
#include "ops/main_window_port.h"
#include "gui/advisor_pane.h"
#include "gui/item_list_model.h"
#include "gui/item_list_view.h"
#include "gui/main_window.h"
#include "gui/open_database_fixture.h"
#include "gui/qt_ui.h"
#include "platform/files.h"
#include "platform/text.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

CDvItem& addItem(CDvDoc& doc, int type, std::u16string title, std::u16string folder) {
    auto item = std::make_unique<CDvItem>();
    item->NewGuid();
    item->itemType = type;
    item->title = std::move(title);
    item->folders = {std::move(folder)};
    doc.items.push_back(std::move(item));
    return *doc.items.back();
}

struct MainWindowFixture : TempHomeFixture {
    MainWindowFixture() {
        CDvDoc seed;
        FindOrCreateFolderPath(seed.root, u"\\Work\\Projects");
        FindOrCreateFolderPath(seed.root, u"\\Home");
        addItem(seed, 1, u"Plan the week", u"\\Work");
        addItem(seed, 1, u"Dentist", u"\\Home");
        addItem(seed, 3, u"Minutes", u"\\Work\\Projects");
        seed.vars.SetText(u"dv_recent_folder", u"\\Work");
        seed.vars.SetText(u"dv_recent_item", addItem(seed, 2, u"Recent to-do", u"\\Work").guid);
        seed.Save(main);
        GetOptions(false).LoadOptions();
    }

    template <class W> W* find(MainWindow& window) { return window.findChild<W*>(); }
};

}  // namespace

TEST_F(MainWindowFixture, StartsOnTheRecentFolderWithCountsInTheTabs) {
    ASSERT_TRUE(OpenDocument(main, true, &doc));
    MainWindow window(doc);
    window.start();
    EXPECT_EQ(window.currentFolder(), QStringLiteral("\\Work"));
    auto* tabs = find<QTabWidget>(window);
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Schedule (1)"));
    EXPECT_EQ(tabs->tabText(3), QStringLiteral("Notes (1)"));
    EXPECT_EQ(find<QTreeWidget>(window)->topLevelItem(0)->childCount(), 2);
    QWidget* page = tabs->currentWidget();  // the General tab, with its to-do list
    auto* list = qobject_cast<ItemListView*>(page);
    if (!list) list = page->findChild<ItemListView*>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->listModel()->guidAt(list->currentIndex().row()), toQString(doc.vars.GetText(u"dv_recent_item")));
}

TEST_F(MainWindowFixture, TheExitProcedureSavesClosesAndRemembersTheDocument) {
    ASSERT_TRUE(OpenDocument(main, true, &doc));
    {
        MainWindow window(doc);
        window.start();
        CreateFolder(doc.root, u"Typed just before the end");
        window.exitProcedure();
        EXPECT_FALSE(dv::fileExists(DvOpenMarkPath(main)));
        EXPECT_TRUE(doc.mainFilePath.empty());
    }
    CDvDoc back;
    ASSERT_TRUE(back.Load(main));
    EXPECT_EQ(back.root.Children().size(), 3u);
    EXPECT_EQ(back.vars.GetText(u"dv_recent_folder"), u"\\Work");
    GetOptions(false).LoadOptions();
    EXPECT_EQ(GetOptions(false).GetString(kDvOptLastOpenDocMainFile, u""), dv::fromUtf8(main.string()));
}

// Notices reach the user only while the advisor is shown; hiding it is remembered.
TEST_F(MainWindowFixture, TheAdvisorShowsNoticesOnlyWhileShown) {
    ASSERT_TRUE(OpenDocument(main, true, &doc));
    MainWindow window(doc);
    window.start();
    auto* advisor = find<AdvisorPane>(window);
    ASSERT_NE(advisor, nullptr);
    EXPECT_EQ(advisor->text(), QStringLiteral("Welcome to Dayvault."));
    window.offerAdvisor(QStringLiteral("Document is 'readonly'\r\nand cannot be saved"));
    EXPECT_EQ(advisor->text(), QStringLiteral("Document is 'readonly'  and cannot be saved"));

    advisor->setShown(false);
    window.offerAdvisor(QStringLiteral("Saved."));
    EXPECT_TRUE(advisor->text().isEmpty());
    EXPECT_TRUE(GetOptions(true).GetBool(kDvOptDontShowAdvisor, false));
    advisor->setShown(true);
    window.offerAdvisor(QStringLiteral("Saved."));
    EXPECT_EQ(advisor->text(), QStringLiteral("Saved."));
}

// With a tray, closing or minimising hides the window and the program goes on; without one,
// closing ends it properly, saving what was typed.
TEST_F(MainWindowFixture, ClosingHidesToTheTrayOnlyWhenThereIsOne) {
    ASSERT_TRUE(OpenDocument(main, true, &doc));
    MainWindow window(doc);
    window.setTrayCheck([] { return true; });
    window.start();
    ASSERT_TRUE(window.isVisible());
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(doc.mainFilePath.empty()) << "hiding must not close the document";
    window.show();
    window.setWindowState(Qt::WindowMinimized);
    QApplication::processEvents();
    EXPECT_FALSE(window.isVisible());

    window.show();
    window.setTrayCheck([] { return false; });
    CreateFolder(doc.root, u"Typed before closing");
    window.close();
    EXPECT_TRUE(doc.mainFilePath.empty()) << "closing without a tray ends the program";
    CDvDoc back;
    ASSERT_TRUE(back.Load(main));
    EXPECT_NE(back.FindFolder(u"\\Typed before closing"), nullptr);
}

TEST_F(MainWindowFixture, UpGoesToTheParentFolderAndHomeToTheRootAndTheGeneralTab) {
    ASSERT_TRUE(OpenDocument(main, true, &doc));
    MainWindow window(doc);
    window.start();
    auto trigger = [&](const QString& text) {
        for (QAction* action : window.findChildren<QAction*>())
            if (action->text() == text) return action->trigger();
        FAIL() << text.toStdString();
    };
    DvMainWindow()->SelectFolder(u"\\Work\\Projects");
    find<QTabWidget>(window)->setCurrentIndex(3);
    trigger(QStringLiteral("Up"));
    EXPECT_EQ(window.currentFolder(), QStringLiteral("\\Work"));
    trigger(QStringLiteral("Up"));
    EXPECT_EQ(window.currentFolder(), QStringLiteral("\\"));
    trigger(QStringLiteral("Up"));
    EXPECT_EQ(window.currentFolder(), QStringLiteral("\\"));
    DvMainWindow()->SelectFolder(u"\\Home");
    trigger(QStringLiteral("Home"));
    EXPECT_EQ(window.currentFolder(), QStringLiteral("\\"));
    EXPECT_EQ(find<QTabWidget>(window)->currentIndex(), 0);
}

// "Exit without saving" asks first; only Yes leaves the file as it was last saved.
TEST_F(MainWindowFixture, ExitWithoutSavingAsksAndKeepsTheFileAsSaved) {
    ASSERT_TRUE(OpenDocument(main, true, &doc));
    MainWindow window(doc);
    window.start();
    QAction* command = nullptr;
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == QStringLiteral("Exit without saving")) command = action;
    ASSERT_NE(command, nullptr);
    CreateFolder(doc.root, u"Never saved");
    ui.answers = {dv::Answer::No};
    command->trigger();
    EXPECT_FALSE(doc.mainFilePath.empty());
    ui.answers = {dv::Answer::Yes};
    command->trigger();
    EXPECT_EQ(ui.questions.back(), u"Are you absolutely sure you want to exit without saving the database?");
    EXPECT_TRUE(doc.mainFilePath.empty());
    CDvDoc back;
    ASSERT_TRUE(back.Load(main));
    EXPECT_EQ(back.FindFolder(u"\\Never saved"), nullptr);
}

// A first start on an empty home: the default database is made, the window shows its empty root,
// and what is created before "E&xit" is there at the next start.
TEST(FreshHome, FirstStartShowsTheDefaultDatabaseAndKeepsWhatWasMade) {
    TempDir home;
    ScopedEnv homeVar{"HOME", home.path().string()};
    ScopedEnv config{"XDG_CONFIG_HOME", (home.path() / ".config").string()};
    ScopedEnv data{"XDG_DATA_HOME", (home.path() / ".local/share").string()};
    ScopedEnv docs{"XDG_DOCUMENTS_DIR", (home.path() / "Documents").string()};
    ScriptedUi ui;
    DvSetLogFolder(home.path() / "logs");
    for (int run = 0; run < 2; ++run) {
        ASSERT_TRUE(InitInstance());
        MainWindow window(DvCurDocSilently());
        window.start();
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.currentFolder(), QStringLiteral("\\"));
        if (run == 0) {
            EXPECT_TRUE(DvCurDocSilently().root.Children().empty());
            CreateFolder(DvCurDocSilently().root, u"Made on the first day");
            window.exitProcedure();
        } else {
            EXPECT_NE(DvCurDocSilently().FindFolder(u"\\Made on the first day"), nullptr);
            window.exitWithoutSaving();
        }
    }
    EXPECT_TRUE(ui.messages.empty());
    DvSetLogFolder({});
}

// The lists get most of the width at first; the folder pane's width comes back after a restart.
TEST_F(MainWindowFixture, PaneWidthsStartSensiblyAndComeBack) {
    int folderPane = 0;
    for (int run = 0; run < 2; ++run) {
        ASSERT_TRUE(OpenDocument(main, true, &doc));
        MainWindow window(doc);
        window.start();
        auto* splitter = qobject_cast<QSplitter*>(window.centralWidget());
        ASSERT_NE(splitter, nullptr);
        const QList<int> sizes = splitter->sizes();
        ASSERT_EQ(sizes.size(), 3);
        EXPECT_GT(sizes[1], sizes[0]);
        EXPECT_GT(sizes[1], sizes[2]);
        if (run == 0) {
            splitter->setSizes({180, sizes[1] + sizes[0] - 180, sizes[2]});
            folderPane = splitter->sizes()[0];
            window.exitProcedure();
        } else {
            EXPECT_EQ(sizes[0], folderPane);
            window.exitWithoutSaving();
        }
    }
}

int main(int argc, char** argv) {
    // Also when CTest lists the tests: the build machine may have no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
