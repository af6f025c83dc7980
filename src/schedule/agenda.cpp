#include "schedule/agenda.h"

#include <algorithm>
#include <optional>

#include "core/doc.h"
#include "core/folder.h"
#include "core/item.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "schedule/date_format.h"
#include "views/collect_items.h"
#include "views/shell_sort.h"

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";
constexpr std::u16string_view kEntryIndent = u"  ";
constexpr std::u16string_view kContentsBreak = u"\r\n\t";
constexpr std::u16string_view kCutMark = u"...";

// A task that may occur on a shown day, read once per build: its rule and start are the same on
// every day.
struct Candidate {
    CDvItem* item = nullptr;
    dv::CivilTime start;    // the start broken down
    int secondOfDay = 0;    // its time of day: the sort key
    std::optional<DvRepeatRule> rule;  // for a repeating task
    DvCalendarDay startDay;
    std::u16string editLink;  // once, however many days list the task

    bool occursOn(const DvCalendarDay& day) const {
        return rule ? rule->OccursOn(startDay, day) : startDay.number == day.number;
    }
};

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c < 0xDC00; }

// Cuts to `max` units and marks the cut; a character written as a surrogate pair is never split,
// so a cut line still converts to UTF-8.
std::u16string cutText(std::u16string text, std::size_t max) {
    if (text.size() <= max) return text;
    std::size_t keep = max;
    if (keep > 0 && isHighSurrogate(text[keep - 1])) --keep;
    text.resize(keep);
    text += kCutMark;
    return text;
}

// Appends page text to the HTML-like text: what would read as markup is escaped, and a line
// break becomes a tag.
void appendHtml(std::u16string& out, std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (const char16_t c = text[i]) {
        case u'&': out += u"&amp;"; break;
        case u'<': out += u"&lt;"; break;
        case u'>': out += u"&gt;"; break;
        case u'\r':
            if (i + 1 < text.size() && text[i + 1] == u'\n') {
                out += u"<br>";
                ++i;
                break;
            }
            [[fallthrough]];
        default: out += c;
        }
    }
}

// Time texts of one page. Hours and minutes are all the text shows of a time, so each minute of
// the day is formatted once however many entries share it.
class TimeTexts {
public:
    const std::u16string& of(const DvDateTime& value) {
        dv::CivilTime t;
        // "unknown" and the other odd texts are left to the formatter every time.
        if (!value.ToCivil(t) || t.year == 1899) return scratch_ = format(value);
        std::u16string& text = byMinute_[static_cast<std::size_t>(t.hour * 60 + t.minute)];
        if (text.empty()) text = format(value);
        return text;
    }

private:
    static std::u16string format(const DvDateTime& value) { return DvFormatDateText(value, false, true, false, false); }

    std::vector<std::u16string> byMinute_ = std::vector<std::u16string>(24 * 60);
    std::u16string scratch_;
};

std::u16string dateText(const DvDateTime& value) { return DvFormatDateText(value, true, false, false, false); }

bool isRootScope(std::u16string_view folder) { return folder.empty() || folder == kDvRootPath; }

class PageWriter {
public:
    explicit PageWriter(DvAgendaPage& page) : page_(page) {}

    // Adjacent pieces of one style and link make one run, so a renderer sets each format once.
    void add(std::u16string_view text, DvAgendaStyle style, std::u16string_view link = {}) {
        if (text.empty()) return;
        std::vector<DvAgendaRun>& runs = page_.runs;
        if (!runs.empty() && runs.back().style == style && runs.back().link == link) {
            runs.back().text += text;
            return;
        }
        runs.push_back({std::u16string(text), style, std::u16string(link)});
    }
    // The same for a text made for the page alone, which the run takes over.
    void take(std::u16string&& text, DvAgendaStyle style, std::u16string_view link = {}) {
        if (text.empty()) return;
        std::vector<DvAgendaRun>& runs = page_.runs;
        if (!runs.empty() && runs.back().style == style && runs.back().link == link) {
            runs.back().text += text;
            return;
        }
        runs.push_back({std::move(text), style, std::u16string(link)});
    }

    void html(std::u16string_view tags) { page_.html += tags; }
    void htmlText(std::u16string_view text) { appendHtml(page_.html, text); }

private:
    DvAgendaPage& page_;
};

// Every task in scope that can occur between the two day numbers, in document order. The cheap
// tests come first: most of a large database is not tasks, or starts after the shown days.
std::vector<Candidate> collectCandidates(CDvDoc& doc, std::u16string_view scope, const DvAgendaFilter& filter,
                                         long long firstDay, long long lastDay) {
    std::vector<Candidate> out;
    DvRepeatRuleReader rules;
    for (const auto& owned : doc.items) {
        CDvItem& item = *owned;
        if (item.itemType != DV_ITEM_TASK) continue;
        // A start that cannot be broken down lies on no day, repeating or not; nor does anything
        // occur before its start.
        const auto startDay = DvCalendarDay::Of(item.taskStart);
        if (!startDay || startDay->number > lastDay) continue;
        std::optional<DvRepeatRule> rule = rules.RuleOf(item);
        // A task that does not repeat occurs on its start day only, however long it lasts.
        if (!rule && startDay->number < firstDay) continue;
        if (!DvItemInFolder(item, scope, true)) continue;
        if (filter && !filter(item)) continue;
        dv::CivilTime start;
        item.taskStart.ToCivil(start);
        out.push_back({&item, start, start.hour * 3600 + start.minute * 60 + start.second, std::move(rule),
                       *startDay, CDvAgendaModel::EditLink(item.guid)});
    }
    return out;
}

}  // namespace

std::u16string DvAgendaPage::Text() const {
    std::u16string out;
    for (const DvAgendaRun& run : runs) out += run.text;
    return out;
}

CDvAgendaModel::CDvAgendaModel() : startDate(DvDateTime::Now()), folder(kDvRootPath) {}

void CDvAgendaModel::SetDetailLevel(int level) {
    detailLevel_ = std::clamp(level, kMinDetailLevel, kMaxDetailLevel);
}

DvAgendaPage CDvAgendaModel::Build(CDvDoc& doc) const {
    DvAgendaPage page;
    PageWriter w(page);
    const DvDateTime now = DvDateTime::Now();
    const std::u16string scope = isRootScope(folder) ? std::u16string(kDvRootPath) : folder;
    const int dayCount = std::max(days, 0);
    const std::u16string count = dv::formatInt64(dayCount);

    std::u16string heading = startDate.IsSameDay(now)
                                 ? u" Your tasks for the next " + count + u" days"
                                 : u" Your tasks for " + count + u" days, starting from " + dateText(startDate);
    w.add(heading + u"\r\nAgenda view.", DvAgendaStyle::Heading);
    w.add(u"\r\n*To easily add/edit items, you may rather want to switch to 'Schedule' view", DvAgendaStyle::Hint);
    if (!isRootScope(folder)) w.add(u"\r\n*Only the contents of '" + folder + u"' is shown", DvAgendaStyle::Hint);
    w.add(u"\r\n___________________________\r\n\r\n\r\n", DvAgendaStyle::Plain);

    std::vector<DvDateTime> dates;
    std::vector<std::optional<DvCalendarDay>> calendarDays;
    for (int i = 0; i < dayCount; ++i) {
        dates.push_back(startDate + DvDateTimeSpan::FromDays(i));
        calendarDays.push_back(DvCalendarDay::Of(dates.back()));
    }
    long long firstDayNumber = 0, lastDayNumber = -1;  // no day at all: an empty range
    for (const auto& d : calendarDays) {
        if (!d) continue;
        if (lastDayNumber < firstDayNumber) firstDayNumber = lastDayNumber = d->number;
        firstDayNumber = std::min(firstDayNumber, d->number);
        lastDayNumber = std::max(lastDayNumber, d->number);
    }

    auto lock = doc.Lock();
    const std::vector<Candidate> candidates = collectCandidates(doc, scope, filter, firstDayNumber, lastDayNumber);
    // Each day's tasks in document order, as collecting gives them, then sorted the way the task
    // list sorts by the start's time of day: its Shell sort decides the order of equal times.
    std::vector<std::vector<const Candidate*>> listed(dates.size());
    std::size_t entryCount = 0;
    for (std::size_t i = 0; i < dates.size(); ++i) {
        if (!calendarDays[i]) continue;
        for (const Candidate& c : candidates)
            if (c.occursOn(*calendarDays[i])) listed[i].push_back(&c);
        DvShellSort(listed[i], [](const Candidate* a, const Candidate* b) { return a->secondOfDay - b->secondOfDay; });
        entryCount += listed[i].size();
    }
    page.runs.reserve(page.runs.size() + 4 * entryCount + 5 * dates.size());
    page.html.reserve(80 * entryCount + 40 * dates.size());

    TimeTexts times;
    for (std::size_t i = 0; i < dates.size(); ++i) {
        DvAgendaDay day;
        day.date = dates[i];
        day.today = dates[i].IsSameDay(now);
        const std::u16string dayHeading = dateText(dates[i]) + (day.today ? u" (today)" : u"");
        w.add(dayHeading, day.today ? DvAgendaStyle::TodayHeading : DvAgendaStyle::DayHeading);
        w.add(kLineBreak, DvAgendaStyle::Plain);
        w.html(u"<b>");
        w.htmlText(dayHeading);
        w.html(u"</b><br>");

        day.entries.reserve(listed[i].size());
        for (const Candidate* c : listed[i]) {
            CDvItem& task = *c->item;
            const DvOccurrence occurrence =
                c->rule ? DvMovedOccurrence(task.taskStart, task.taskEnd, *calendarDays[i], c->start)
                        : DvOccurrence{task.taskStart, task.taskEnd};
            // The whole line, indent included, is cut at a hundred; the link is the line past the
            // indent.
            std::u16string text;
            text.reserve(16 + task.title.size());
            text += times.of(occurrence.start);
            text += u" - ";
            text += times.of(occurrence.end);
            text += u' ';
            text += task.title;
            text = cutText(std::move(text), kMaxLineChars - kEntryIndent.size());
            std::u16string contents;
            if (detailLevel_ >= 2 && !task.GetPlainText().empty()) {
                contents = cutText(task.GetPlainText(), kMaxContentsChars);
                dv::replaceAll(contents, kLineBreak, kContentsBreak);
                contents.insert(0, kContentsBreak);
            }
            w.html(kEntryIndent);
            w.htmlText(text);
            w.htmlText(contents);
            w.html(u"<br>");
            const DvAgendaStyle style =
                task.GetPriority() > kEmphasisedAbovePriority ? DvAgendaStyle::ImportantEntry : DvAgendaStyle::Entry;
            w.add(kEntryIndent, DvAgendaStyle::Plain);
            w.take(std::move(text), style, c->editLink);
            w.take(std::move(contents), DvAgendaStyle::Contents);
            w.add(kLineBreak, DvAgendaStyle::Plain);
            day.entries.push_back({task.guid, task.title, occurrence});
        }
        w.html(u"<hr>");

        w.add(u" ", DvAgendaStyle::Plain);
        w.add(u"add...", DvAgendaStyle::AddLink, AddLink(static_cast<int>(i)));
        w.add(u"\r\n\r\n", DvAgendaStyle::Plain);
        w.html(u"<br>");
        page.days.push_back(std::move(day));
    }
    return page;
}

std::u16string CDvAgendaModel::EditLink(std::u16string_view guid) {
    return std::u16string(kEditLinkCommand) + u":" + std::u16string(guid);
}

std::u16string CDvAgendaModel::AddLink(int day) {
    return std::u16string(kAddLinkCommand) + u":" + dv::formatInt64(day);
}

DvAgendaLink CDvAgendaModel::ParseLink(std::u16string_view command) {
    const std::size_t colon = command.find(u':');
    if (colon == std::u16string_view::npos) return {};
    const std::u16string_view name = command.substr(0, colon);
    const std::u16string_view argument = command.substr(colon + 1);
    if (name == kEditLinkCommand) return {DvAgendaLink::Kind::Edit, std::u16string(argument), 0};
    if (name != kAddLinkCommand) return {};
    // A day index is a handful of digits; anything else was not written by this page.
    if (argument.empty() || argument.size() > 6) return {};
    int day = 0;
    for (char16_t c : argument) {
        if (c < u'0' || c > u'9') return {};
        day = day * 10 + (c - u'0');
    }
    return {DvAgendaLink::Kind::Add, {}, day};
}

std::unique_ptr<CDvItem> CDvAgendaModel::NewTaskOn(int day) const {
    auto task = std::make_unique<CDvItem>();
    task->itemType = DV_ITEM_TASK;
    task->taskStart = task->taskEnd = startDate + DvDateTimeSpan::FromDays(day);
    return task;
}
