#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QMenuBar>
#include <QPointer>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeView>
#include <QTimeEdit>

#include "app/database_session.h"
#include "app/log.h"
#include "app/options.h"
#include "core/doc.h"
#include "gui/contact_editor_dialog.h"
#include "gui/date_time_pair.h"
#include "gui/item_editors.h"
#include "gui/keywords_edit.h"
#include "gui/main_window.h"
#include "gui/open_database_fixture.h"
#include "gui/qt_ui.h"
#include "gui/reminder_options_dialog.h"
#include "gui/repeat_options_dialog.h"
#include "gui/task_editor_dialog.h"
#include "ops/undo.h"
#include "schedule/repeat_rule.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace {

struct ItemEditorsTest : ::testing::Test {
    TempDir home;
    ScopedEnv config{"XDG_CONFIG_HOME", (home.path() / "config").string()};
    ScriptedUi ui;
    CDvDoc doc;
    std::unique_ptr<ItemEditorDialog> editor;

    ItemEditorsTest() {
        GetOptions(false).LoadOptions();  // the defaults: priorities as words, reminders on
        FindOrCreateFolderPath(doc.root, u"\\Work");
        FindOrCreateFolderPath(doc.root, u"\\Home");
        DvUndoList().Clear();
    }
    ~ItemEditorsTest() override { DvUndoList().Clear(); }

    ItemEditorDialog& open(const CDvItem& item, std::u16string_view folder = u"\\Work") {
        editor.reset(DvCreateItemEditor(nullptr, doc, item, folder));
        if (!editor) throw std::runtime_error("no editor for this type");
        editor->show();
        return *editor;
    }
    template <class W> W* child(const char* name) { return editor->findChild<W*>(QString::fromLatin1(name)); }

    void tick(ItemEditorDialog& dialog, const QString& path, bool on) {
        QListWidget* list = dialog.folderList();
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text() == path) list->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    bool confirm(ItemEditorDialog& dialog) {
        dialog.okButton()->click();
        return dialog.result() == QDialog::Accepted;
    }
    CDvItem& only() {
        if (doc.items.size() != 1) throw std::runtime_error("expected one item");
        return *doc.items.front();
    }
};

QString fieldText(const DateTimePair& pair) {
    return pair.dateField()->date().toString(Qt::ISODate) + QLatin1Char(' ') + pair.timeField()->time().toString();
}

}  // namespace

TEST_F(ItemEditorsTest, ANewNoteNeedsATitleThenLandsInTheEditorsFolder) {
    ItemEditorDialog& dialog = open(DvNewItem(DV_ITEM_NOTE, false));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Note editing [New]"));
    EXPECT_FALSE(child<QPushButton>("itemCommands")->isEnabled());
    EXPECT_EQ(dialog.selectedFolders(), std::vector<std::u16string>{u"\\Work"});

    EXPECT_FALSE(confirm(dialog));
    EXPECT_EQ(ui.messages, std::vector<std::u16string>{u"You must specify the title of item."});
    EXPECT_TRUE(doc.items.empty());

    dialog.titleField()->setText(QStringLiteral("Minutes"));
    dialog.keywordsField()->setText(QStringLiteral("Work, weekly"));
    dialog.contentsField()->insertPlainText(QStringLiteral("Agreed on the budget."));  // as typed
    tick(dialog, QStringLiteral("\\Work"), false);
    tick(dialog, QStringLiteral("\\Home"), true);
    ASSERT_TRUE(confirm(dialog));

    const CDvItem& saved = only();
    EXPECT_EQ(saved.itemType, DV_ITEM_NOTE);
    EXPECT_EQ(saved.title, u"Minutes");
    EXPECT_EQ(saved.folders, std::vector<std::u16string>{u"\\Home"});
    EXPECT_EQ(saved.keywords, (std::vector<std::u16string>{u"work", u"weekly"}));
    EXPECT_EQ(saved.GetPlainText().find(u"Agreed on the budget."), 0u);
    EXPECT_TRUE(DvLooksLikeGuid(saved.guid));
}

TEST_F(ItemEditorsTest, TheKeywordsBoxHintsAtCommas) {
    ItemEditorDialog& dialog = open(DvNewItem(DV_ITEM_NOTE, false));
    auto* hint = child<QLabel>("keywordsHint");
    dialog.keywordsField()->setText(QStringLiteral("home work garden shop"));
    EXPECT_EQ(hint->text(), QStringLiteral("Do you remember, that you should separate keywords with commas, not spaces?"));
    dialog.keywordsField()->setText(QStringLiteral("home, work garden shop"));
    EXPECT_EQ(hint->text(), QString());
}

TEST_F(ItemEditorsTest, AutoCompleteReplacesOnlyTheKeywordAtTheCaret) {
    auto other = std::make_unique<CDvItem>(DvNewItem(DV_ITEM_NOTE, false));
    other->NewGuid();
    other->folders = {u"\\Work"};
    other->keywords = {u"workshop", u"budget"};
    doc.items.push_back(std::move(other));

    ItemEditorDialog& dialog = open(DvNewItem(DV_ITEM_NOTE, false));
    KeywordsEdit* keywords = dialog.keywordsField();
    keywords->setText(QStringLiteral("home, bud"));
    keywords->lineEdit()->setCursorPosition(9);
    EXPECT_TRUE(keywords->autoComplete());
    EXPECT_EQ(keywords->text(), QStringLiteral("home, budget"));
    keywords->lineEdit()->undo();  // the replacement is one undoable edit
    EXPECT_EQ(keywords->text(), QStringLiteral("home, bud"));

    keywords->setText(QStringLiteral("zzz"));
    EXPECT_FALSE(keywords->autoComplete());
    EXPECT_EQ(keywords->text(), QStringLiteral("zzz"));
}

TEST_F(ItemEditorsTest, ANewTaskKeepsItsEndAfterTheStartAndStoresRepetitionAndReminder) {
    auto& dialog = static_cast<TaskEditorDialog&>(open(DvNewItem(DV_ITEM_TASK, false)));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Task editing [New]"));
    EXPECT_EQ(child<QComboBox>("reminderType")->currentText(), QStringLiteral("popup"));  // on by default
    EXPECT_EQ(child<QSpinBox>("reminderCount")->value(), 15);
    EXPECT_EQ(child<QCheckBox>("autoRemove")->toolTip(), QStringLiteral("Remove the task 24h after the \"end time\""));

    dialog.startFields()->timeField()->setTime(QTime(9, 0));
    dialog.startFields()->dateField()->setDate(QDate(2031, 6, 2));  // now the end lies before the start
    EXPECT_EQ(fieldText(*dialog.endFields()), QStringLiteral("2031-06-02 09:15:00"));  // a new task's quarter hour

    child<QCheckBox>("repeating")->setChecked(true);
    EXPECT_EQ(child<QLabel>("repeatSummary")->text(), QStringLiteral("Repeating: active. Every 1 day(s)..."));
    child<QComboBox>("reminderUnits")->setCurrentIndex(1);
    child<QSpinBox>("reminderCount")->setValue(2);
    child<QComboBox>("priority")->setCurrentText(QStringLiteral("high"));
    dialog.titleField()->setText(QStringLiteral("Dentist"));
    ASSERT_TRUE(confirm(dialog));

    const CDvItem& saved = only();
    EXPECT_EQ(saved.taskStart, DvDateTime::FromFields(2031, 6, 2, 9, 0, 0));
    EXPECT_EQ(saved.taskEnd, DvDateTime::FromFields(2031, 6, 2, 9, 15, 0));
    EXPECT_TRUE(DvIsRepeating(saved));
    EXPECT_EQ(saved.vars.GetText(u"reminder_s_type"), u"popup");
    EXPECT_EQ(saved.vars.GetText(u"reminder_s_before_units"), u"hours");
    EXPECT_EQ(saved.vars.GetText(u"reminder_n_before_count"), u"2");
    EXPECT_EQ(saved.priority, 100);
    EXPECT_EQ(saved.flags & DV_ITEM_FLAG_TEMPORARY, 0u);
}

TEST_F(ItemEditorsTest, ATemporaryTaskOpensWithAutoRemoveTicked) {
    open(DvNewItem(DV_ITEM_TASK, true));
    EXPECT_TRUE(child<QCheckBox>("autoRemove")->isChecked());
}

TEST_F(ItemEditorsTest, TheToDoDeadlineIsEditableOnlyWhileTicked) {
    ItemEditorDialog& dialog = open(DvNewItem(DV_ITEM_TODO, false));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("To do [New]"));
    auto* deadline = child<DateTimePair>("deadline");
    EXPECT_FALSE(deadline->isEnabled());
    child<QCheckBox>("deadlineBox")->setChecked(true);
    ASSERT_TRUE(deadline->isEnabled());
    deadline->dateField()->setDate(QDate(2031, 1, 31));
    deadline->timeField()->setTime(QTime(17, 30));
    child<QComboBox>("completion")->setCurrentText(QStringLiteral("yes"));
    dialog.titleField()->setText(QStringLiteral("Tax return"));
    ASSERT_TRUE(confirm(dialog));

    const CDvItem& saved = only();
    EXPECT_NE(saved.flags & DV_ITEM_FLAG_DEADLINE, 0u);
    EXPECT_EQ(saved.taskEnd, DvDateTime::FromFields(2031, 1, 31, 17, 30, 0));
    EXPECT_EQ(saved.completion, 100);
    EXPECT_EQ(saved.priority, 50);  // "medium" left alone
}

TEST_F(ItemEditorsTest, AContactIsTitledByItsNamesAndKeepsBothSections) {
    auto& dialog = static_cast<ContactEditorDialog&>(open(DvNewItem(DV_ITEM_CONTACT, false)));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Editing contact [New]"));
    EXPECT_TRUE(dialog.titleField()->isReadOnly());
    child<QLineEdit>("Company")->insert(QStringLiteral("Acme"));
    EXPECT_EQ(dialog.titleField()->text(), QStringLiteral("Acme"));
    child<QLineEdit>("First name")->insert(QStringLiteral("Ann"));
    child<QLineEdit>("Last name")->insert(QStringLiteral("Lee"));
    EXPECT_EQ(dialog.titleField()->text(), QStringLiteral("Ann Lee"));

    child<QLineEdit>("Phone")->setText(QStringLiteral("555-1"));
    child<QPushButton>("business")->click();
    EXPECT_EQ(child<QLineEdit>("Phone")->text(), QString());
    child<QLineEdit>("Phone")->setText(QStringLiteral("555-2"));
    child<QPushButton>("personal")->click();
    EXPECT_EQ(child<QLineEdit>("Phone")->text(), QStringLiteral("555-1"));
    ASSERT_TRUE(confirm(dialog));

    const CDvItem& saved = only();
    EXPECT_EQ(saved.title, u"Ann Lee");
    EXPECT_EQ(saved.vars.GetText(u"Company"), u"Acme");
    EXPECT_EQ(saved.vars.GetText(u"[Personal] Phone"), u"555-1");
    EXPECT_EQ(saved.vars.GetText(u"[Business] Phone"), u"555-2");
}

TEST_F(ItemEditorsTest, EditingAnExistingItemRecordsItForUndo) {
    const struct {
        int type;
        const char* caption;
    } kinds[] = {{DV_ITEM_TASK, "Task editing"}, {DV_ITEM_TODO, "To do"}, {DV_ITEM_NOTE, "Note editing"},
                 {DV_ITEM_CONTACT, "Editing contact"}};
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.caption);
        doc.items.clear();
        DvUndoList().Clear();
        auto item = std::make_unique<CDvItem>(DvNewItem(kind.type, false));
        item->NewGuid();
        item->title = u"Before";
        item->folders = {u"\\Work"};
        item->taskStart = DvDateTime::FromFields(2030, 1, 1, 8, 0, 0);
        item->taskEnd = DvDateTime::FromFields(2030, 1, 1, 9, 0, 0);
        const std::string rtf = "{\\rtf1\\ansi {\\b Agenda}\\par written elsewhere}";
        item->contents.Assign({reinterpret_cast<const uint8_t*>(rtf.data()), rtf.size()});
        doc.items.push_back(std::move(item));
        const CDvByteMem storedContents = doc.items[0]->contents;

        ItemEditorDialog& dialog = open(*doc.items[0], u"\\Home");
        EXPECT_EQ(dialog.windowTitle(), QString::fromLatin1(kind.caption));
        EXPECT_TRUE(child<QPushButton>("itemCommands")->isEnabled());
        EXPECT_EQ(dialog.selectedFolders(), std::vector<std::u16string>{u"\\Work"});  // not filed anew
        if (kind.type == DV_ITEM_CONTACT) child<QCheckBox>("manualTitle")->setChecked(true);
        dialog.titleField()->setText(QStringLiteral("After"));
        ASSERT_TRUE(confirm(dialog));

        EXPECT_EQ(only().title, u"After");
        EXPECT_EQ(only().taskStart, DvDateTime::FromFields(2030, 1, 1, 8, 0, 0));
        EXPECT_EQ(only().contents, storedContents);  // contents not touched keep their stored form
        ASSERT_EQ(DvUndoList().Count(), 1);
        EXPECT_EQ(DvUndoList().At(0).kind, DvUndoKind::Modify);
        EXPECT_EQ(DvUndoList().At(0).items.at(0).title, u"Before");
    }
}

TEST_F(ItemEditorsTest, ASubscribedItemCannotBeConfirmed) {
    auto item = std::make_unique<CDvItem>(DvNewItem(DV_ITEM_NOTE, false));
    item->NewGuid();
    item->title = u"From the team";
    item->folders = {u"\\Work"};
    doc.items.push_back(std::move(item));
    doc.items[0]->subscribed = true;

    ItemEditorDialog& dialog = open(*doc.items[0]);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Note editing [Readonly]"));
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    EXPECT_TRUE(dialog.titleField()->isReadOnly());
    EXPECT_EQ(child<QLabel>("readonlyNote")->text(), QStringLiteral("\"Subscribed\" item, readonly"));
    dialog.titleField()->setText(QStringLiteral("Changed"));
    dialog.accept();
    EXPECT_EQ(only().title, u"From the team");
    EXPECT_EQ(DvUndoList().Count(), 0);
}

namespace {

struct ItemCommandsTest : TempHomeFixture {
    ItemCommandsTest() {
        CDvDoc seed;
        FindOrCreateFolderPath(seed.root, u"\\Work");
        auto task = std::make_unique<CDvItem>(DvNewItem(DV_ITEM_TASK, false));
        task->NewGuid();
        task->title = u"Plan the week";
        task->folders = {u"\\Work"};
        seed.items.push_back(std::move(task));
        seed.vars.SetText(u"dv_recent_folder", u"\\Work");
        seed.Save(main);
        GetOptions(false).LoadOptions();
        DvUndoList().Clear();
    }
    ~ItemCommandsTest() override {
        DvSetLogFolder({});
        DvUndoList().Clear();
    }

    static QAction* command(MainWindow& window, const QString& text) {
        for (QAction* action : window.findChildren<QAction*>())
            if (action->text() == text && !action->menu()) return action;  // not a menu's own title
        return nullptr;
    }
    /// The editor the last command opened beside the main window.
    static ItemEditorDialog* openEditor() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* editor = dynamic_cast<ItemEditorDialog*>(widget); editor && editor->isVisible()) return editor;
        return nullptr;
    }
};

}  // namespace

TEST_F(ItemCommandsTest, NewItemOfTheCurrentTabIsFiledInTheCurrentFolder) {
    ASSERT_TRUE(OpenDocument(main, true, &doc));
    MainWindow window(doc);
    window.start();
    auto* tabs = window.findChild<QTabWidget*>();
    tabs->setCurrentIndex(3);  // Notes
    QAction* newItem = command(window, QStringLiteral("&New Item"));
    ASSERT_NE(newItem, nullptr);
    EXPECT_EQ(newItem->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    newItem->trigger();

    QPointer<ItemEditorDialog> editor(openEditor());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Note editing [New]"));
    EXPECT_EQ(editor->selectedFolders(), std::vector<std::u16string>{u"\\Work"});
    editor->titleField()->setText(QStringLiteral("Minutes"));
    editor->okButton()->click();
    EXPECT_EQ(tabs->tabText(3), QStringLiteral("Notes (1)"));  // the lists refill on saving
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor.isNull());  // a modeless editor goes away once saved
}

TEST_F(ItemCommandsTest, EditOpensTheSelectedItemOfTheCurrentList) {
    ASSERT_TRUE(OpenDocument(main, true, &doc));
    MainWindow window(doc);
    window.start();
    auto* tabs = window.findChild<QTabWidget*>();
    tabs->setCurrentIndex(1);  // Schedule
    auto* list = static_cast<QTreeView*>(tabs->currentWidget());
    list->setCurrentIndex(list->model()->index(0, 0));
    command(window, QStringLiteral("&Edit"))->trigger();

    QPointer<ItemEditorDialog> editor(openEditor());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Task editing"));
    EXPECT_EQ(editor->titleField()->text(), QStringLiteral("Plan the week"));
    editor->close();
}

TEST_F(ItemEditorsTest, RepeatOptionsOpenOnTheRuleAndRefuseAZeroCount) {
    CDvVarSet vars;
    vars.SetText(kDvRepeatTypeVar, u"weekly");
    vars.SetText(kDvRepeatWeekdaysVar, u"mon,thu,");
    RepeatOptionsDialog dialog(vars);
    QList<QCheckBox*> days = dialog.findChildren<QCheckBox*>();
    ASSERT_EQ(days.size(), 7);
    QStringList ticked;
    for (QCheckBox* day : days)
        if (day->isChecked()) ticked << day->text();
    EXPECT_EQ(ticked, (QStringList{QStringLiteral("Monday"), QStringLiteral("Thursday")}));
    auto* count = dialog.findChild<QSpinBox*>(QStringLiteral("count"));
    EXPECT_FALSE(count->isEnabled());

    for (QRadioButton* mode : dialog.findChildren<QRadioButton*>())
        if (mode->text() == QStringLiteral("Every...")) mode->setChecked(true);
    ASSERT_TRUE(count->isEnabled());
    count->setValue(0);
    dialog.accept();
    EXPECT_EQ(ui.messages, std::vector<std::u16string>{u"Every 0 day(s)\r\nI can't do that."});
    EXPECT_EQ(vars.GetText(kDvRepeatTypeVar), u"weekly");
    count->setValue(3);
    dialog.accept();
    EXPECT_EQ(vars.GetText(kDvRepeatTypeVar), u"day(s)");
    EXPECT_EQ(vars.GetText(kDvRepeatCountVar), u"3");
}

TEST_F(ItemEditorsTest, ReminderOptionsStoreTheChosenSound) {
    CDvVarSet vars;
    ReminderOptionsDialog dialog(vars);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Reminder options"));
    auto* path = dialog.findChild<QLineEdit*>(QStringLiteral("soundPath"));
    EXPECT_FALSE(path->isEnabled());
    for (QRadioButton* sound : dialog.findChildren<QRadioButton*>())
        if (sound->text() == QStringLiteral("&Custom")) sound->setChecked(true);
    ASSERT_TRUE(path->isEnabled());
    path->setText(QStringLiteral("gong"));
    dialog.accept();
    EXPECT_EQ(vars.GetText(u"dv_reminder_s_sound_path"), u"gong");
}
