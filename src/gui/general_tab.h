#pragma once
// The General tab: the agenda of the coming days with a link on every task and an "add..." link on
// every day, the month calendar that picks the agenda's first day, the detail-level slider, and the
// to-do list beside them.
#include <QWidget>

#include "schedule/agenda.h"

class QCalendarWidget;
class QLabel;
class QSlider;
class QTextBrowser;
class QTextDocument;
class CDvDoc;

class GeneralTab final : public QWidget {
    Q_OBJECT
public:
    /// `toDoList` is the list widget of the to-dos; the tab takes it over.
    GeneralTab(CDvDoc& doc, QWidget* toDoList, QWidget* parent = nullptr);

    CDvAgendaModel& agenda() { return agenda_; }
    /// Writes the whole page again from the document.
    void rebuild();
    /// The page as last built (texts, links, the HTML-like text).
    const DvAgendaPage& page() const { return page_; }

    QTextBrowser* browser() const { return browser_; }
    QCalendarWidget* calendar() const { return calendar_; }
    QSlider* detailSlider() const { return slider_; }
    QWidget* toDoList() const { return toDoList_; }

    /// A link of the page as clicked: "dv_item_edit:" + GUID or "dv_item_add:" + day index.
    void openLink(const QString& command);
    /// Shows or hides the month calendar (the window's calendar pane).
    void setCalendarVisible(bool visible);

signals:
    /// Open the task with this GUID.
    void editItemRequested(const QString& guid);
    /// Create a task on the agenda's day `day` (0 the first day); agenda().NewTaskOn(day) builds it.
    void addItemRequested(int day);

private:
    void startDatePicked();
    static void render(const DvAgendaPage& page, QTextDocument& document);

    CDvDoc& doc_;
    CDvAgendaModel agenda_;
    DvAgendaPage page_;
    QTextBrowser* browser_;
    QCalendarWidget* calendar_;
    QSlider* slider_;
    QLabel* sliderLabel_;
    QWidget* toDoList_;
};
