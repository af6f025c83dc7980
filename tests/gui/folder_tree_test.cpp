#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/database_session.h"
#include "app/log.h"
#include "app/options.h"
#include "core/doc.h"
#include "gui/database_properties_dialog.h"
#include "gui/folder_properties_dialog.h"
#include "gui/folder_tree.h"
#include "gui/main_window.h"
#include "gui/qt_ui.h"
#include "ops/item_links.h"
#include "ops/undo.h"
#include "platform/text.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

CDvItem& addItem(CDvDoc& doc, int type, std::u16string title, std::vector<std::u16string> folders) {
    auto item = std::make_unique<CDvItem>();
    item->NewGuid();
    item->itemType = type;
    item->title = std::move(title);
    item->folders = std::move(folders);
    doc.items.push_back(std::move(item));
    return *doc.items.back();
}

std::vector<std::u16string> foldersOf(CDvDoc& doc, std::u16string_view title) {
    for (const auto& item : doc.items)
        if (item->title == title) return item->folders;
    return {};
}

int countTitled(const CDvDoc& doc, std::u16string_view title) {
    return static_cast<int>(std::count_if(doc.items.begin(), doc.items.end(),
                                          [&](const auto& item) { return item->title == title; }));
}

QStringList childNames(const QTreeWidgetItem* node) {
    QStringList names;
    for (int i = 0; i < node->childCount(); ++i) names << node->child(i)->text(0);
    return names;
}

// A database \Work (\Work\Projects) and \Home, open in a started main window.
struct FolderTreeFixture : ::testing::Test {
    TempDir home;
    ScopedEnv config{"XDG_CONFIG_HOME", (home.path() / "config").string()};
    ScopedEnv userHome{"HOME", home.path().string()};
    ScriptedUi ui;
    fs::path main = home.path() / "db" / "_main_data.dayvault";
    CDvDoc doc;
    std::unique_ptr<MainWindow> window;
    FolderTree* tree = nullptr;

    FolderTreeFixture() {
        DvSetLogFolder(home.path() / "logs");
        DvUndoList().Clear();
        CreateDatabaseFolder(home.path() / "db");
        CDvDoc seed;
        FindOrCreateFolderPath(seed.root, u"\\Work\\Projects");
        FindOrCreateFolderPath(seed.root, u"\\Home");
        addItem(seed, 1, u"Plan the week", {u"\\Work"});
        addItem(seed, 3, u"Minutes", {u"\\Work\\Projects"});
        addItem(seed, 1, u"Dentist", {u"\\Home"});
        addItem(seed, 2, u"Call the bank", {u"\\Home", u"\\Work\\Projects"});
        seed.vars.SetText(u"dv_recent_folder", u"\\Work");
        seed.Save(main);
        GetOptions(false).LoadOptions();
        EXPECT_TRUE(OpenDocument(main, true, &doc));
        window = std::make_unique<MainWindow>(doc);
        window->start();
        tree = window->findChild<FolderTree*>();
    }
    ~FolderTreeFixture() override {
        window.reset();
        DvSetLogFolder({});
    }

    QTreeWidgetItem* rootNode() const { return tree->topLevelItem(0); }
    void select(const QString& path) {
        tree->selectPath(path);
        ASSERT_EQ(window->currentFolder(), path);
    }
    void press(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent down(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(target, &down);
    }
    QAction* fileAction(const QString& text) const {
        for (QAction* action : window->findChildren<QAction*>())
            if (action->text() == text) return action;
        return nullptr;
    }
    std::u16string guidOf(const std::u16string& path) { return doc.FindFolder(path)->guid; }
};

}  // namespace

TEST_F(FolderTreeFixture, NewFolderAsksForANameUnderTheSelectedFolder) {
    ASSERT_NE(tree, nullptr);
    select(QStringLiteral("\\Work"));
    ui.textEntries = {u"Ideas"};
    tree->newFolder();
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], u"Create new folder in : \\Work");
    ASSERT_NE(doc.FindFolder(u"\\Work\\Ideas"), nullptr);
    ASSERT_NE(tree->itemForPath(QStringLiteral("\\Work\\Ideas")), nullptr);
    EXPECT_TRUE(tree->itemForPath(QStringLiteral("\\Work"))->isExpanded());
    EXPECT_EQ(window->currentFolder(), QStringLiteral("\\Work"));
    EXPECT_TRUE(ui.messages.empty()) << testing::PrintToString(ui.messagesUtf8());
}

TEST_F(FolderTreeFixture, NewFolderRefusalsChangeNothing) {
    const struct {
        std::u16string name;
        std::u16string message;
    } cases[] = {
        {u"projects", u"folder with that name already exists. Please enter a different name"},
        {u"a/b", u"Unacceptable folder name"},
        {u"{abc", u"Unacceptable folder name"},
    };
    select(QStringLiteral("\\Work"));
    for (const auto& c : cases) {
        ui.messages.clear();
        ui.textEntries = {c.name};
        tree->newFolder();
        EXPECT_EQ(ui.messages, std::vector<std::u16string>{c.message}) << dv::toUtf8(c.name);
        EXPECT_EQ(childNames(tree->itemForPath(QStringLiteral("\\Work"))), QStringList{QStringLiteral("Projects")});
    }
}

TEST_F(FolderTreeFixture, RenameInPlaceRewritesTheItemsAndKeepsTheFolderSelected) {
    window->show();
    select(QStringLiteral("\\Work"));
    press(tree, Qt::Key_F2);
    auto* editor = tree->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("Job"));
    press(editor, Qt::Key_Return);
    QApplication::processEvents();  // the editor commits
    QApplication::processEvents();  // then the rename runs

    EXPECT_EQ(doc.FindFolder(u"\\Work"), nullptr);
    ASSERT_NE(doc.FindFolder(u"\\Job\\Projects"), nullptr);
    EXPECT_EQ(foldersOf(doc, u"Minutes"), std::vector<std::u16string>{u"\\Job\\Projects"});
    EXPECT_EQ(window->currentFolder(), QStringLiteral("\\Job"));
    EXPECT_EQ(tree->currentItem()->text(0), QStringLiteral("Job"));
    EXPECT_TRUE(ui.messages.empty()) << testing::PrintToString(ui.messagesUtf8());
}

TEST_F(FolderTreeFixture, RefusedInPlaceNamesSayWhyAndKeepTheOldName) {
    const struct {
        QString name;
        std::u16string message;
    } cases[] = {
        {QStringLiteral("home"), u"folder with that name already exists. Please enter a different name"},
        {QStringLiteral("a\\b"), u"Unacceptable folder name"},
        {QStringLiteral("x/y"), u"Unacceptable folder name"},
        {QStringLiteral("{abc"), u"Unacceptable folder name"},
    };
    select(QStringLiteral("\\Work"));
    for (const auto& c : cases) {
        ui.messages.clear();
        tree->currentItem()->setText(0, c.name);  // what the in-place editor commits
        QApplication::processEvents();
        EXPECT_EQ(ui.messages, std::vector<std::u16string>{c.message}) << c.name.toStdString();
        EXPECT_EQ(tree->currentItem()->text(0), QStringLiteral("Work"));
        EXPECT_NE(doc.FindFolder(u"\\Work\\Projects"), nullptr);
    }
}

TEST_F(FolderTreeFixture, DeleteAsksFirstThenSelectsTheParentAndCanBeUndone) {
    select(QStringLiteral("\\Work\\Projects"));
    ui.answers = {dv::Answer::Cancel};
    press(tree, Qt::Key_Delete);
    EXPECT_EQ(ui.questions, std::vector<std::u16string>{u"Are you sure you want to delete selected folder?"});
    ASSERT_NE(doc.FindFolder(u"\\Work\\Projects"), nullptr);

    ui.answers = {dv::Answer::Ok};
    press(tree, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(doc.FindFolder(u"\\Work\\Projects"), nullptr);
    EXPECT_EQ(tree->itemForPath(QStringLiteral("\\Work\\Projects")), nullptr);
    EXPECT_EQ(window->currentFolder(), QStringLiteral("\\Work"));
    EXPECT_EQ(countTitled(doc, u"Minutes"), 0);  // in that folder only: gone
    EXPECT_EQ(foldersOf(doc, u"Call the bank"), std::vector<std::u16string>{u"\\Home"});

    ASSERT_GE(DvUndoList().Count(), 1);
    ASSERT_TRUE(DvUndoList().Apply(DvUndoList().Count() - 1, &doc));
    EXPECT_EQ(countTitled(doc, u"Minutes"), 1);
    EXPECT_NE(doc.FindFolder(u"\\Work\\Projects"), nullptr);
}

TEST_F(FolderTreeFixture, MoveUpAndDownReorderTheSiblingsAndKeepTheSelection) {
    const QStringList original{QStringLiteral("Work"), QStringLiteral("Home")};
    const QStringList swapped{QStringLiteral("Home"), QStringLiteral("Work")};
    select(QStringLiteral("\\Home"));
    tree->moveSelectedDown();  // already last
    EXPECT_EQ(childNames(rootNode()), original);
    tree->moveSelectedUp();
    EXPECT_EQ(childNames(rootNode()), swapped);
    EXPECT_EQ(doc.root.Children().front()->title, u"Home");
    EXPECT_EQ(window->currentFolder(), QStringLiteral("\\Home"));
    tree->moveSelectedUp();  // already first
    EXPECT_EQ(childNames(rootNode()), swapped);
    tree->moveSelectedDown();
    EXPECT_EQ(childNames(rootNode()), original);
    EXPECT_EQ(window->currentFolder(), QStringLiteral("\\Home"));
}

TEST_F(FolderTreeFixture, DroppedItemsFollowTheKeys) {
    const struct {
        Qt::KeyboardModifiers keys;
        const char* format;
        std::vector<std::u16string> dentistFolders;
        int dentists;
    } cases[] = {
        {Qt::NoModifier, FolderTree::kItemsMimeType, {u"\\Work"}, 1},
        {Qt::AltModifier, FolderTree::kItemsMimeType, {u"\\Home", u"\\Work"}, 1},
        {Qt::AltModifier | Qt::ControlModifier, FolderTree::kItemsMimeType, {u"\\Home", u"\\Work"}, 1},
        {Qt::ControlModifier, FolderTree::kItemsMimeType, {u"\\Home"}, 1},  // plus a copy in \Work
        {Qt::ShiftModifier, "text/plain", {u"\\Work"}, 1},
    };
    for (const auto& c : cases) {
        CDvItem* dentist = nullptr;
        for (auto& item : doc.items)
            if (item->title == u"Dentist") dentist = item.get();
        dentist->folders = {u"\\Home"};
        select(QStringLiteral("\\Home"));
        const QString links = toQString(DvLinksText({DvItemLink(*dentist)}));
        QMimeData data;
        data.setData(QLatin1String(c.format), links.toUtf8());
        const size_t before = doc.items.size();

        EXPECT_TRUE(tree->dropLinks(&data, c.keys, QStringLiteral("\\Work"))) << c.keys.toInt();
        EXPECT_EQ(dentist->folders, c.dentistFolders) << c.keys.toInt();
        if (c.keys == Qt::ControlModifier) {
            ASSERT_EQ(doc.items.size(), before + 1);
            EXPECT_EQ(doc.items.back()->folders, std::vector<std::u16string>{u"\\Work"});
            doc.items.pop_back();
        } else {
            EXPECT_EQ(doc.items.size(), before) << c.keys.toInt();
        }
    }
}

TEST_F(FolderTreeFixture, DroppedFoldersMoveInTheTreeUnlessTheyWouldGoIntoThemselves) {
    auto folderLinks = [&](const std::u16string& path) {
        DvLink link;
        link.guid = guidOf(path);
        link.kind = DvLink::kFolder;
        auto* data = new QMimeData;
        data->setData(QLatin1String(FolderTree::kItemsMimeType), toQString(DvLinksText({link})).toUtf8());
        return std::unique_ptr<QMimeData>(data);
    };
    select(QStringLiteral("\\Home"));
    tree->dropLinks(folderLinks(u"\\Work").get(), Qt::NoModifier, QStringLiteral("\\Work\\Projects"));
    EXPECT_EQ(ui.messages, std::vector<std::u16string>{u"You can't move a parent folder to one of its subfolders"});
    EXPECT_EQ(childNames(rootNode()), (QStringList{QStringLiteral("Work"), QStringLiteral("Home")}));

    ui.messages.clear();
    tree->dropLinks(folderLinks(u"\\Home").get(), Qt::NoModifier, QStringLiteral("\\Work"));
    EXPECT_TRUE(ui.messages.empty()) << testing::PrintToString(ui.messagesUtf8());
    EXPECT_EQ(childNames(rootNode()), QStringList{QStringLiteral("Work")});
    EXPECT_EQ(childNames(tree->itemForPath(QStringLiteral("\\Work"))),
              (QStringList{QStringLiteral("Projects"), QStringLiteral("Home")}));
    EXPECT_EQ(foldersOf(doc, u"Dentist"), std::vector<std::u16string>{u"\\Work\\Home"});
    EXPECT_EQ(window->currentFolder(), QStringLiteral("\\Work\\Home"));  // the moved folder stays selected
}

TEST_F(FolderTreeFixture, PropertiesDialogRenamesAndShowsTheFieldsButtonOnlyWhenWired) {
    const QString guid = toQString(guidOf(u"\\Work"));
    FolderPropertiesDialog bare(doc, guid, nullptr, window.get());
    EXPECT_TRUE(bare.manageFieldsButton()->isHidden());

    FolderPropertiesDialog dialog(doc, guid, [](const QString&, int) {}, window.get());
    EXPECT_FALSE(dialog.manageFieldsButton()->isHidden());
    EXPECT_EQ(dialog.nameField()->text(), QStringLiteral("Work"));
    dialog.nameField()->setText(QStringLiteral("a/b"));
    dialog.accept();
    EXPECT_EQ(ui.messages, std::vector<std::u16string>{u"Unacceptable folder name"});
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    dialog.nameField()->setText(QStringLiteral("Job"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(foldersOf(doc, u"Plan the week"), std::vector<std::u16string>{u"\\Job"});
    EXPECT_NE(tree->itemForPath(QStringLiteral("\\Job\\Projects")), nullptr);
}

TEST_F(FolderTreeFixture, DatabasePropertiesShowThePasswordStatusAfterAChange) {
    DatabasePropertiesDialog dialog(doc, window.get());
    EXPECT_TRUE(dialog.propertiesText()->toPlainText().contains(QStringLiteral("Total:4")));
    EXPECT_EQ(dialog.statusLine()->text(), QStringLiteral("Current status: protection inactive"));
    ui.passwords = {u"secret"};
    ui.answers = {dv::Answer::No};  // leave the unencrypted backups where they are
    dialog.passwordButton()->click();
    EXPECT_EQ(doc.password, u"secret");
    EXPECT_EQ(dialog.statusLine()->text(), QStringLiteral("Current status: protection active"));
}

TEST_F(FolderTreeFixture, OpeningAnotherDatabaseAndBackRestoresEachOnesFolder) {
    const fs::path otherMain = home.path() / "other" / "_main_data.dayvault";
    CreateDatabaseFolder(otherMain.parent_path());
    {
        CDvDoc other;
        FindOrCreateFolderPath(other.root, u"\\Travel\\Tickets");
        other.vars.SetText(u"dv_recent_folder", u"\\Travel\\Tickets");
        other.Save(otherMain);
    }
    select(QStringLiteral("\\Home"));
    QAction* open = fileAction(QStringLiteral("&Open database"));
    ASSERT_NE(open, nullptr);

    ui.files = {otherMain};
    open->trigger();
    EXPECT_EQ(doc.mainFilePath, otherMain);
    EXPECT_EQ(window->currentFolder(), QStringLiteral("\\Travel\\Tickets"));
    EXPECT_EQ(childNames(rootNode()), QStringList{QStringLiteral("Travel")});
    EXPECT_TRUE(window->windowTitle().contains(QString::fromStdString(otherMain.string())));

    ui.files = {main.parent_path()};  // a database folder names its main file
    open->trigger();
    EXPECT_EQ(doc.mainFilePath, main);
    EXPECT_EQ(window->currentFolder(), QStringLiteral("\\Home"));  // where it was left
    EXPECT_EQ(childNames(rootNode()), (QStringList{QStringLiteral("Work"), QStringLiteral("Home")}));
    EXPECT_TRUE(ui.messages.empty()) << testing::PrintToString(ui.messagesUtf8());

    select(QStringLiteral("\\Work\\Projects"));
    ui.files = {main};
    open->trigger();
    EXPECT_EQ(ui.messages, std::vector<std::u16string>{u"You are currently working with this database, aborting"});
    EXPECT_EQ(window->currentFolder(), QStringLiteral("\\Work\\Projects"));  // nothing reopened
}

TEST_F(FolderTreeFixture, AFolderWithItsOwnColourShowsItAndOthersKeepTheDefault) {
    CDvFolder* coloured = doc.FindFolder(u"\\Home");
    coloured->flags = CDvFolder::kOwnColour;
    coloured->colour = 0x00336699;  // stored as blue, green, red
    doc.FindFolder(u"\\Work")->colour = 0x000000FF;  // without the flag: not a colour
    tree->rebuild();
    EXPECT_EQ(tree->itemForPath(QStringLiteral("\\Home"))->foreground(0).color(), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(tree->itemForPath(QStringLiteral("\\Work"))->foreground(0).style(), Qt::NoBrush);
}
