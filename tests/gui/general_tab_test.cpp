#include <QApplication>
#include <QCalendarWidget>
#include <QMouseEvent>
#include <QSlider>
#include <QTextBrowser>

#include "gui/general_tab.h"
#include "gui/qt_ui.h"
#include "gui_fixture.h"

using namespace dvtest;

namespace {

struct GeneralTabTest : GuiFixture {
    std::unique_ptr<MainWindow> window = openWindow();
    GeneralTab* general = child<GeneralTab>(*window);

    QString agendaText() const { return general->browser()->toPlainText(); }

    /// Clicks the browser in the middle of the first occurrence of `text`, as the user would.
    void clickOn(const QString& text) {
        QTextBrowser* browser = general->browser();
        browser->resize(700, 900);
        const QTextCursor found = browser->document()->find(text);
        ASSERT_FALSE(found.isNull()) << text.toStdString();
        QTextCursor middle(browser->document());
        middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
        const QPoint point = browser->cursorRect(middle).center();
        QWidget* viewport = browser->viewport();
        QMouseEvent press(QEvent::MouseButtonPress, point, viewport->mapToGlobal(point), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, point, viewport->mapToGlobal(point), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &press);
        QCoreApplication::sendEvent(viewport, &release);
    }
};

}  // namespace

TEST_F(GeneralTabTest, ShowsTodaysTasksOnTheGeneralTab) {
    ASSERT_NE(general, nullptr);
    EXPECT_EQ(child<QTabWidget>(*window)->currentWidget(), general);
    const QString text = agendaText();
    EXPECT_TRUE(text.startsWith(QStringLiteral(" Your tasks for the next 7 days"))) << text.toStdString();
    const qsizetype today = text.indexOf(QStringLiteral("(today)"));
    const qsizetype nine = text.indexOf(QStringLiteral("Dentist"));
    const qsizetype two = text.indexOf(QStringLiteral("Plan the week"));
    const qsizetype later = text.indexOf(QStringLiteral("Team meeting review"));
    ASSERT_GE(today, 0);
    // Today's tasks by time of day under today's heading; the task two days on comes later.
    EXPECT_LT(today, nine);
    EXPECT_LT(nine, two);
    EXPECT_LT(two, later);
    // The to-do list taken over from the window sits in the tab.
    EXPECT_TRUE(general->isAncestorOf(general->toDoList()));
}

TEST_F(GeneralTabTest, ClickingATaskLinkAsksToOpenItsGuid) {
    QStringList asked;
    QObject::connect(general, &GeneralTab::editItemRequested, [&](const QString& guid) { asked << guid; });
    clickOn(QStringLiteral("Dentist"));
    ASSERT_EQ(asked, QStringList{toQString(dentist)});
    // The window opens the task in its editor.
    QWidget* editor = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowTitle() == QStringLiteral("Task editing")) editor = widget;
    ASSERT_NE(editor, nullptr);
    editor->close();
}

TEST_F(GeneralTabTest, AddLinksNameTheirDay) {
    QList<int> days;
    QObject::connect(general, &GeneralTab::addItemRequested, [&](int day) { days << day; });
    // The first "add..." belongs to today, the first day.
    clickOn(QStringLiteral("add..."));
    ASSERT_EQ(days, QList<int>{0});
    const std::unique_ptr<CDvItem> task = general->agenda().NewTaskOn(days.front());
    EXPECT_TRUE(task->taskStart.IsSameDay(at(5, 0)));
}

TEST_F(GeneralTabTest, TheCalendarMovesTheFirstDay) {
    EXPECT_EQ(general->calendar()->selectedDate(), QDate(2026, 3, 5)) << "the calendar opens on today";
    general->calendar()->setSelectedDate(QDate(2026, 3, 7));
    const QString text = agendaText();
    EXPECT_TRUE(text.startsWith(QStringLiteral(" Your tasks for 7 days, starting from"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Dentist")));
    EXPECT_FALSE(text.contains(QStringLiteral("(today)")));
    EXPECT_TRUE(text.contains(QStringLiteral("Team meeting review")));
    // The time of day stays: a task added on the first day starts at 08:00 on 7 March.
    EXPECT_EQ(general->agenda().NewTaskOn(0)->taskStart, at(7, 8));
}

TEST_F(GeneralTabTest, TheSliderSetsTheDetailLevel) {
    {
        auto lock = doc.Lock();
        setContents(*doc.FindItemByGuid(dentist), "Bring the insurance card");
    }
    general->rebuild();
    EXPECT_FALSE(agendaText().contains(QStringLiteral("insurance card")));
    general->detailSlider()->setValue(2);
    EXPECT_EQ(general->agenda().DetailLevel(), 2);
    EXPECT_TRUE(agendaText().contains(QStringLiteral("insurance card")));
    // Position 0 acts as 1.
    general->detailSlider()->setValue(0);
    EXPECT_EQ(general->agenda().DetailLevel(), 1);
    EXPECT_FALSE(agendaText().contains(QStringLiteral("insurance card")));
}

TEST_F(GeneralTabTest, ListsOnlyTheCurrentFolder) {
    auto* tabs = child<QTabWidget>(*window);
    selectFolder(*window, QStringLiteral("\\Work"));
    ASSERT_EQ(tabs->currentIndex(), 0);
    const QString text = agendaText();
    EXPECT_TRUE(text.contains(QStringLiteral("*Only the contents of '\\Work' is shown")));
    EXPECT_FALSE(text.contains(QStringLiteral("Dentist")));
    EXPECT_TRUE(text.contains(QStringLiteral("Plan the week")));
}
