#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "gui/general_tab.h"
#include "gui/keywords_edit.h"
#include "gui/qt_ui.h"
#include "gui/quick_search_box.h"
#include "gui/search_tool_dialog.h"
#include "gui_fixture.h"

using namespace dvtest;

namespace {

struct SearchTest : GuiFixture {
    std::unique_ptr<MainWindow> window = openWindow();

    QStringList resultTitles(SearchToolDialog& dialog) const {
        QStringList titles;
        QTreeWidget* results = dialog.results();
        for (int row = 0; row < results->topLevelItemCount(); ++row) titles << results->topLevelItem(row)->text(1);
        return titles;
    }

    static void type(QWidget* target, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(target, &press);
        }
    }
};

}  // namespace

TEST_F(SearchTest, TheSearchToolFindsByConditionsAndShowsTheChosenResult) {
    SearchToolDialog* dialog = window->openSearchTool();
    ASSERT_NE(dialog, nullptr);
    // Opened from the General tab on the root folder: every type, every folder.
    EXPECT_EQ(dialog->folderBox()->currentText(), QStringLiteral("\\"));
    for (int type = 1; type <= 4; ++type) EXPECT_TRUE(dialog->typeBox(type)->isChecked());

    struct Case {
        const char* title;
        const char* keywords;
        bool any;
        QStringList found;
    };
    const Case cases[] = {
        {"MEET", "", false, {"Team meeting review", "Minutes of the meeting"}},  // capitals match too
        {"meet", "work", false, {"Team meeting review", "Minutes of the meeting"}},
        {"dentist", "weekly", false, {}},
        {"dentist", "weekly", true, {"Dentist", "Plan the week"}},
        {"", "", false, {"Dentist", "Plan the week", "Team meeting review", "Buy groceries", "Minutes of the meeting"}},
    };
    dialog->fieldBox(0)->setCurrentText(QStringLiteral("title"));
    dialog->fieldBox(1)->setCurrentText(QStringLiteral("keywords"));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.title) + (c.any ? " OR " : " AND ") + c.keywords);
        dialog->textBox(0)->setText(QString::fromLatin1(c.title));
        dialog->textBox(1)->setText(QString::fromLatin1(c.keywords));
        dialog->anyModeButton()->setChecked(c.any);
        dialog->find();
        EXPECT_EQ(resultTitles(*dialog), c.found);
        EXPECT_EQ(dialog->resultLabel()->text(), QStringLiteral("%1 items found").arg(c.found.size()));
    }

    // Opening a result shows it in its list in the main window.
    dialog->textBox(0)->setText(QStringLiteral("minutes"));
    dialog->textBox(1)->setText(QString());
    dialog->find();
    ASSERT_EQ(dialog->results()->topLevelItemCount(), 1);
    emit dialog->results()->itemActivated(dialog->results()->topLevelItem(0), 0);
    EXPECT_EQ(child<QTabWidget>(*window)->currentIndex(), 3);
    EXPECT_EQ(focusedTitle(*window), QStringLiteral("Minutes of the meeting"));
}

TEST_F(SearchTest, TheSearchToolStartsOnTheCurrentFolderAndTab) {
    selectFolder(*window, QStringLiteral("\\Work"));
    child<QTabWidget>(*window)->setCurrentIndex(3);
    SearchToolDialog* dialog = window->openSearchTool();
    EXPECT_EQ(dialog->folderBox()->currentText(), QStringLiteral("\\Work"));
    EXPECT_EQ(dialog->folderBox()->toolTip(), QStringLiteral("Search in selected folder and all its subfolders"));
    EXPECT_FALSE(dialog->typeBox(1)->isChecked());
    EXPECT_TRUE(dialog->typeBox(3)->isChecked());
    dialog->find();
    EXPECT_EQ(resultTitles(*dialog), QStringList{"Minutes of the meeting"});
    // "Select all" widens to every type; the folder still holds its subfolders only.
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Select all")) button->click();
    dialog->find();
    EXPECT_EQ(resultTitles(*dialog), (QStringList{"Plan the week", "Team meeting review", "Minutes of the meeting"}));
}

TEST_F(SearchTest, TheToolsOwnKeywordFilterNarrowsTheResults) {
    SearchToolDialog* dialog = window->openSearchTool();
    CDvFilterDlgModel& panel = dialog->model().FilterPanel();
    for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
        if (box->text() == QStringLiteral("Keywords filter active")) box->setChecked(true);
    ASSERT_TRUE(panel.Filter().KeywordFilterOn());
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("filterKeywords"));
    ASSERT_NE(list, nullptr);
    list->findItems(QStringLiteral("health (1)"), Qt::MatchExactly).value(0)->setSelected(true);
    dialog->find();
    EXPECT_EQ(resultTitles(*dialog), QStringList{"Dentist"});
    // The main window's filter is another one: its views are untouched.
    EXPECT_TRUE(child<GeneralTab>(*window)->page().Text().find(u"Plan the week") != std::u16string::npos);
}

TEST_F(SearchTest, QuickSearchListsMatchesAfterTheTimerAndShowsTheChosenOne) {
    selectFolder(*window, QStringLiteral("\\Work"));
    auto* box = child<QuickSearchBox>(*window);
    ASSERT_NE(box, nullptr);
    type(box->lineEdit(), QStringLiteral("meeting"));
    EXPECT_EQ(box->count(), 0) << "nothing before the timer";
    ASSERT_TRUE(pumpEventsUntil([box] { return box->count() > 0; })) << "the box's timer searches";
    ASSERT_GE(box->count(), 3);
    EXPECT_TRUE(box->resultPopup()->isVisible());
    // Two matches in \Work, fewer than ten: the rest of the document follows the separator.
    EXPECT_EQ(box->itemText(2), QStringLiteral("-- Out of current scope :"));
    EXPECT_EQ(box->lineEdit()->text(), QStringLiteral("meeting")) << "the rows leave the typed text alone";
    QStringList rows;
    for (int row = 0; row < 2; ++row) rows << box->itemText(row);
    rows.sort();
    EXPECT_EQ(rows, (QStringList{"Minutes of the meeting", "Team meeting review"}));

    const int minutesRow = box->findText(QStringLiteral("Minutes of the meeting"));
    box->choose(2);  // the separator does nothing
    EXPECT_EQ(child<QTabWidget>(*window)->currentIndex(), 0);
    box->choose(minutesRow);
    EXPECT_EQ(child<QTabWidget>(*window)->currentIndex(), 3);
    EXPECT_EQ(focusedTitle(*window), QStringLiteral("Minutes of the meeting"));
}

TEST_F(SearchTest, QuickSearchShowsAnItemOutsideTheFolderByWideningToTheRoot) {
    selectFolder(*window, QStringLiteral("\\Work"));
    auto* box = child<QuickSearchBox>(*window);
    type(box->lineEdit(), QStringLiteral("groceries"));
    box->tick();
    const int row = box->findText(QStringLiteral("Buy groceries  [ToDo]"));
    ASSERT_GE(row, 0);
    box->choose(row);
    EXPECT_EQ(window->currentFolder(), QStringLiteral("\\"));
    EXPECT_EQ(focusedTitle(*window), QStringLiteral("Buy groceries"));
}

TEST_F(SearchTest, KeywordsBoxHintsAtCommasAndCompletesUndoably) {
    KeywordsEdit edit;
    edit.setContext(&doc, {u"\\Home"});
    struct Case {
        const char* text;
        bool hint;
    };
    for (const Case& c : {Case{"one two three four", true}, Case{"one two three, four", false}, Case{"one two three", false}}) {
        SCOPED_TRACE(c.text);
        edit.setText(QString::fromLatin1(c.text));
        EXPECT_EQ(edit.hint().isEmpty(), !c.hint);
    }
    edit.setText(QStringLiteral("urgent, hea"));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::ControlModifier, QStringLiteral(" "));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::ControlModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(edit.lineEdit(), &press);
    QCoreApplication::sendEvent(edit.lineEdit(), &release);
    EXPECT_EQ(edit.text(), QStringLiteral("urgent, health")) << "the only candidate replaces the fragment";
    edit.lineEdit()->undo();
    EXPECT_EQ(edit.text(), QStringLiteral("urgent, hea"));

    // Several candidates: a menu, here answered with its second entry.
    edit.setText(QStringLiteral("w"));
    edit.setMenuChoiceForTesting(1);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(edit.lineEdit(), &down);
    ASSERT_GE(edit.lastMenu().size(), 2u);
    EXPECT_EQ(edit.text(), toQString(edit.lastMenu()[1]));
}
