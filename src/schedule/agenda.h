#pragma once
// The agenda of the General tab without a widget: day by day, the tasks of the current folder
// that occur on each day (repeats included), as a page of styled runs that the desktop program
// renders and the command-line tool prints, with a small HTML-like text built alongside.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/date_time.h"
#include "schedule/repeat_rule.h"

class CDvDoc;
class CDvItem;

/// How a run looks; the renderer picks fonts and colours for each.
enum class DvAgendaStyle {
    Plain,         // line breaks, the separator, blanks between parts
    Heading,       // the page header: large and emphasised
    Hint,          // the small lines under the header
    DayHeading,    // a day's date: bold
    TodayHeading,  // today's date: bold, in a colour of its own
    Entry,         // a task's times and title: a link to the task
    ImportantEntry,  // the same for a task of priority above 66: emphasised
    Contents,      // a task's plain-text contents at detail level 2 and above
    AddLink,       // "add...": a link that creates a task on that day
};

/// One stretch of text in one style; `link` is the command text when the run is a link.
struct DvAgendaRun {
    std::u16string text;
    DvAgendaStyle style = DvAgendaStyle::Plain;
    std::u16string link;

    friend bool operator==(const DvAgendaRun&, const DvAgendaRun&) = default;
};

/// One task listed under one day.
struct DvAgendaEntry {
    std::u16string guid;
    std::u16string title;    // whole, as stored; the page may show it cut
    DvOccurrence occurrence;  // the times on that day, moved there for a repeating task

    friend bool operator==(const DvAgendaEntry&, const DvAgendaEntry&) = default;
};

struct DvAgendaDay {
    DvDateTime date;  // the start date + i days, keeping the start date's time of day
    bool today = false;
    std::vector<DvAgendaEntry> entries;  // by time of day of the start, earliest first
};

struct DvAgendaPage {
    std::vector<DvAgendaRun> runs;
    std::u16string html;  // the same page with "<b>", "</b><br>", "<br>" and "<hr>"
    std::vector<DvAgendaDay> days;

    /// The runs' texts one after the other: the page as the user reads it.
    std::u16string Text() const;
};

/// A test every listed task must pass besides folder and day: the seam for the live filter.
using DvAgendaFilter = std::function<bool(const CDvItem&)>;

/// What a link of the page asks for.
struct DvAgendaLink {
    enum class Kind { None, Edit, Add };
    Kind kind = Kind::None;
    std::u16string guid;  // Edit: the task to open
    int day = 0;          // Add: the day index, 0 for the first day

    friend bool operator==(const DvAgendaLink&, const DvAgendaLink&) = default;
};

class CDvAgendaModel {
public:
    static constexpr int kDefaultDays = 7;
    static constexpr int kMinDetailLevel = 1;
    static constexpr int kMaxDetailLevel = 6;
    static constexpr std::size_t kMaxLineChars = 100;
    static constexpr std::size_t kMaxContentsChars = 2000;
    static constexpr unsigned kEmphasisedAbovePriority = 66;

    static constexpr std::u16string_view kEditLinkCommand = u"dv_item_edit";
    static constexpr std::u16string_view kAddLinkCommand = u"dv_item_add";

    /// Starts now, for 7 days, at detail level 1, in the root folder, without a filter.
    CDvAgendaModel();

    DvDateTime startDate;  // the first day shown; its time of day goes to tasks added by a link
    int days = kDefaultDays;
    std::u16string folder;  // only tasks in this folder or below it; empty counts as the root
    DvAgendaFilter filter;  // empty: every task passes

    int DetailLevel() const { return detailLevel_; }
    /// Clamps to 1-6; the owner rebuilds the page.
    void SetDetailLevel(int level);

    /// The whole page, collected under the document lock. Reads the clock for "today".
    DvAgendaPage Build(CDvDoc& doc) const;

    /// "dv_item_edit:" + GUID and "dv_item_add:" + day index.
    static std::u16string EditLink(std::u16string_view guid);
    static std::u16string AddLink(int day);
    /// Splits a clicked link at its first ":"; Kind::None for any other command or a day index
    /// that is not a number.
    static DvAgendaLink ParseLink(std::u16string_view command);

    /// The task an "add..." link creates, before the task editing dialog opens on it: start and
    /// end both the start date + `day` days; no GUID yet (the editor gives one on OK).
    std::unique_ptr<CDvItem> NewTaskOn(int day) const;

private:
    int detailLevel_ = kMinDetailLevel;
};
