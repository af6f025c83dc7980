#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QTextBrowser>
#include <QToolButton>

#include "gui/filter_pane.h"
#include "gui/general_tab.h"
#include "gui/qt_ui.h"
#include "gui_fixture.h"

using namespace dvtest;

namespace {

struct FilterPaneTest : GuiFixture {
    std::unique_ptr<MainWindow> window = openWindow();
    FilterPane* pane = child<FilterPane>(*window);
    GeneralTab* general = child<GeneralTab>(*window);
    QCheckBox* textCheck = findCheck("Text filter active");
    QCheckBox* keywordCheck = findCheck("Keywords filter active");
    QLineEdit* phrase = child<QLineEdit>(*pane, "filterPhrase");
    QListWidget* keywords = child<QListWidget>(*pane, "filterKeywords");
    int refreshes = 0;

    FilterPaneTest() {
        QObject::connect(pane, &FilterPane::refreshRequested, [this] { ++refreshes; });
    }

    QCheckBox* findCheck(const char* text) const {
        for (QCheckBox* box : pane->findChildren<QCheckBox*>())
            if (box->text() == QLatin1String(text)) return box;
        return nullptr;
    }
    QString agendaText() const { return general->browser()->toPlainText(); }
    QStringList keywordRows() const {
        QStringList rows;
        for (int row = 0; row < keywords->count(); ++row) rows << keywords->item(row)->text();
        return rows;
    }
    void selectKeyword(const QString& row, bool selected = true) {
        const auto found = keywords->findItems(row, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << row.toStdString();
        found.front()->setSelected(selected);
    }
};

}  // namespace

TEST_F(FilterPaneTest, APhraseNarrowsTheViewsOnceTheTimerTicks) {
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(textCheck && phrase);
    EXPECT_FALSE(phrase->isEnabled());
    textCheck->setChecked(true);
    ASSERT_TRUE(phrase->isEnabled());
    // Typed letter by letter, within one tick.
    for (const char* typed : {"m", "me", "mee"}) phrase->setText(QString::fromLatin1(typed));
    EXPECT_TRUE(agendaText().contains(QStringLiteral("Dentist"))) << "nothing is refilled before the tick";
    ASSERT_TRUE(pumpEventsUntil([this] { return refreshes > 0; })) << "the pane's timer refreshes";
    EXPECT_EQ(refreshes, 1) << "a burst of changes is one refresh";
    const QString text = agendaText();
    EXPECT_FALSE(text.contains(QStringLiteral("Dentist")));
    EXPECT_FALSE(text.contains(QStringLiteral("Plan the week")));
    EXPECT_TRUE(text.contains(QStringLiteral("Team meeting review")));
    // Switching the text filter off lets everything through again.
    textCheck->setChecked(false);
    pane->tick();
    EXPECT_TRUE(agendaText().contains(QStringLiteral("Dentist")));
}

TEST_F(FilterPaneTest, TooltipsAndControlsFollowTheFilters) {
    auto* orButton = pane->findChildren<QRadioButton*>().value(0);
    auto* options = child<QToolButton>(*pane);
    struct Case {
        QWidget* widget;
        const char* off;
        const char* on;
    };
    const Case cases[] = {
        {phrase, "Enter phrase to be found in items titles ('text filtering' must be active)",
         "Enter phrase to be found in items titles"},
        {keywords, "(Un)select keywords ('keywords filtering' must be active)", "(Un)select keywords"},
        {orButton, "Any of the above keywords can be present ('keywords filtering' must be active)",
         "Any of the above keywords can be present"},
        {options, "More options... ('keywords filtering' must be active)", "More options..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.on);
        EXPECT_EQ(c.widget->toolTip(), QString::fromLatin1(c.off));
        EXPECT_FALSE(c.widget->isEnabled());
    }
    textCheck->setChecked(true);
    keywordCheck->setChecked(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.on);
        EXPECT_EQ(c.widget->toolTip(), QString::fromLatin1(c.on));
        EXPECT_TRUE(c.widget->isEnabled());
    }
    EXPECT_EQ(textCheck->toolTip(), QStringLiteral("Activate text filtering (searching in titles)"));
}

TEST_F(FilterPaneTest, SelectedKeywordsNarrowTheViews) {
    keywordCheck->setChecked(true);
    // The General tab's scope is every type in the root folder, alphabetically.
    EXPECT_EQ(keywordRows(), (QStringList{"health (1)", "home (1)", "weekly (1)", "work (3)"}));
    pane->tick();
    EXPECT_FALSE(agendaText().contains(QStringLiteral("Dentist"))) << "OR with nothing selected lists nothing";
    selectKeyword(QStringLiteral("work (3)"));
    pane->tick();
    QString text = agendaText();
    EXPECT_FALSE(text.contains(QStringLiteral("Dentist")));
    EXPECT_TRUE(text.contains(QStringLiteral("Plan the week")));
    EXPECT_TRUE(text.contains(QStringLiteral("Team meeting review")));
    // "And" with a second keyword: only the task carrying both.
    pane->findChildren<QRadioButton*>().value(1)->setChecked(true);
    selectKeyword(QStringLiteral("weekly (1)"));
    pane->tick();
    text = agendaText();
    EXPECT_TRUE(text.contains(QStringLiteral("Plan the week")));
    EXPECT_FALSE(text.contains(QStringLiteral("Team meeting review")));
    // The label blinks while a filter is in force: shown and blank in turn every third tick.
    QStringList shown;
    for (int tick = 0; tick < 2 * CDvFilterDlgModel::kBlinkTicks; ++tick) {
        pane->tick();
        shown << child<QLabel>(*pane, "filterStatus")->text();
    }
    EXPECT_EQ(shown.count(QStringLiteral("Filter active")), CDvFilterDlgModel::kBlinkTicks);
    EXPECT_EQ(shown.count(QString()), CDvFilterDlgModel::kBlinkTicks);
}

TEST_F(FilterPaneTest, TheKeywordListFollowsTheFolderAndKeepsItsSelectionOnARefresh) {
    keywordCheck->setChecked(true);
    selectKeyword(QStringLiteral("work (3)"));
    window->refreshContents();
    ASSERT_EQ(keywords->selectedItems().size(), 1);
    EXPECT_EQ(keywords->selectedItems().front()->text(), QStringLiteral("work (3)"));
    selectFolder(*window, QStringLiteral("\\Home"));
    EXPECT_EQ(keywordRows(), (QStringList{"health (1)", "home (1)"}));
    EXPECT_TRUE(keywords->selectedItems().isEmpty());
}

TEST_F(FilterPaneTest, SortByPopularityPutsTheCommonestKeywordFirst) {
    keywordCheck->setChecked(true);
    selectKeyword(QStringLiteral("weekly (1)"));
    pane->runMenuCommand(DvFilterMenuCommand::SortByPopularity);
    EXPECT_EQ(keywordRows().value(0), QStringLiteral("work (3)"));
    ASSERT_EQ(keywords->selectedItems().size(), 1);
    EXPECT_EQ(keywords->selectedItems().front()->text(), QStringLiteral("weekly (1)"));
}

TEST_F(FilterPaneTest, ThePaneCanBeHiddenAndStaysHiddenInTheDocument) {
    QAction* toggle = nullptr;
    for (QAction* action : window->menuBar()->findChildren<QAction*>())
        if (action->text() == QStringLiteral("Toogle &Live filter visibility")) toggle = action;
    ASSERT_NE(toggle, nullptr);
    ASSERT_TRUE(pane->isVisible());
    toggle->trigger();
    EXPECT_FALSE(pane->isVisible());
    window->exitProcedure();
    window.reset();

    CDvDoc saved;
    ASSERT_TRUE(saved.Load(main));
    const CDvVar* panes = saved.vars.Get(u"dv_recent_visiblewins");
    ASSERT_NE(panes, nullptr);
    EXPECT_EQ(panes->AsInt64(), MainWindow::kPaneCalendar);

    window = openWindow();
    EXPECT_FALSE(child<FilterPane>(*window)->isVisible());
    EXPECT_TRUE(child<GeneralTab>(*window)->calendar()->isVisible());
}
