#include "schedule/agenda.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "core/doc.h"
#include "core/folder.h"
#include "core/item.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "schedule/date_format.h"
#include "views/collect_items.h"

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";
constexpr std::u16string_view kEntryIndent = u"  ";
constexpr std::u16string_view kContentsBreak = u"\r\n\t";
constexpr std::u16string_view kCutMark = u"...";

// A task in scope, read once per build: the rule and the start are the same on every day.
struct Candidate {
    CDvItem* item = nullptr;
    std::size_t order = 0;  // place in the document, which breaks ties of the time of day
    int secondOfDay = 0;    // the start's time of day: the sort key
    bool repeating = false;
    DvRepeatRule rule;
    DvCalendarDay startDay;
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

std::u16string htmlText(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        switch (c) {
        case u'&': out += u"&amp;"; break;
        case u'<': out += u"&lt;"; break;
        case u'>': out += u"&gt;"; break;
        default: out += c;
        }
    }
    dv::replaceAll(out, kLineBreak, u"<br>");
    return out;
}

std::u16string timeText(const DvDateTime& value) { return DvFormatDateText(value, false, true, false, false); }

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

    void html(std::u16string_view text) { page_.html += text; }

private:
    DvAgendaPage& page_;
};

std::vector<Candidate> collectCandidates(CDvDoc& doc, std::u16string_view scope, const DvAgendaFilter& filter) {
    std::vector<Candidate> out;
    for (std::size_t i = 0; i < doc.items.size(); ++i) {
        CDvItem& item = *doc.items[i];
        // Most of a large database is not tasks: the cheap test goes first.
        if (item.itemType != DV_ITEM_TASK) continue;
        if (!DvItemInFolder(item, scope, true)) continue;
        // A start that cannot be broken down lies on no day, repeating or not.
        dv::CivilTime start;
        if (!item.taskStart.ToCivil(start)) continue;
        if (filter && !filter(item)) continue;
        Candidate c;
        c.item = &item;
        c.order = i;
        c.secondOfDay = start.hour * 3600 + start.minute * 60 + start.second;
        c.repeating = DvIsRepeating(item);
        if (c.repeating) c.rule = DvRepeatRule::Read(item.vars);
        c.startDay = *DvCalendarDay::Of(item.taskStart);
        out.push_back(std::move(c));
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
    std::unordered_map<long long, std::size_t> dayIndexByNumber;
    for (int i = 0; i < dayCount; ++i) {
        dates.push_back(startDate + DvDateTimeSpan::FromDays(i));
        calendarDays.push_back(DvCalendarDay::Of(dates.back()));
        if (calendarDays.back()) dayIndexByNumber.emplace(calendarDays.back()->number, dates.size() - 1);
    }
    long long lastDayNumber = 0;
    for (const auto& d : calendarDays)
        if (d) lastDayNumber = std::max(lastDayNumber, d->number);

    // Which candidates each day lists, before ordering.
    std::vector<std::vector<const Candidate*>> listed(dates.size());
    auto lock = doc.Lock();
    const std::vector<Candidate> candidates = collectCandidates(doc, scope, filter);
    std::vector<const Candidate*> repeating;
    for (const Candidate& c : candidates) {
        if (c.repeating) {
            if (c.startDay.number <= lastDayNumber) repeating.push_back(&c);
            continue;
        }
        // A task that does not repeat is listed on its start day only, however long it lasts.
        if (const auto at = dayIndexByNumber.find(c.startDay.number); at != dayIndexByNumber.end())
            listed[at->second].push_back(&c);
    }
    for (std::size_t i = 0; i < dates.size(); ++i) {
        if (!calendarDays[i]) continue;
        for (const Candidate* c : repeating)
            if (c->rule.OccursOn(c->startDay, *calendarDays[i])) listed[i].push_back(c);
        // Document order among tasks that start at the same time, whichever list they came from.
        std::sort(listed[i].begin(), listed[i].end(), [](const Candidate* a, const Candidate* b) {
            return a->secondOfDay != b->secondOfDay ? a->secondOfDay < b->secondOfDay : a->order < b->order;
        });
    }

    for (std::size_t i = 0; i < dates.size(); ++i) {
        DvAgendaDay day;
        day.date = dates[i];
        day.today = dates[i].IsSameDay(now);
        const std::u16string dayHeading = dateText(dates[i]) + (day.today ? u" (today)" : u"");
        w.add(dayHeading, day.today ? DvAgendaStyle::TodayHeading : DvAgendaStyle::DayHeading);
        w.add(kLineBreak, DvAgendaStyle::Plain);
        w.html(u"<b>" + htmlText(dayHeading) + u"</b><br>");

        for (const Candidate* c : listed[i]) {
            CDvItem& task = *c->item;
            DvAgendaEntry entry{task.guid, task.title, DvOccurrenceTimes(task, dates[i], true)};
            const std::u16string line =
                cutText(std::u16string(kEntryIndent) + timeText(entry.occurrence.start) + u" - " +
                            timeText(entry.occurrence.end) + u" " + task.title,
                        kMaxLineChars);
            const std::u16string_view linkText = std::u16string_view(line).substr(kEntryIndent.size());
            const DvAgendaStyle style =
                task.GetPriority() > kEmphasisedAbovePriority ? DvAgendaStyle::ImportantEntry : DvAgendaStyle::Entry;
            std::u16string contents;
            if (detailLevel_ >= 2 && !task.GetPlainText().empty()) {
                contents = cutText(task.GetPlainText(), kMaxContentsChars);
                dv::replaceAll(contents, kLineBreak, kContentsBreak);
                contents.insert(0, kContentsBreak);
            }
            w.add(kEntryIndent, DvAgendaStyle::Plain);
            w.add(linkText, style, EditLink(task.guid));
            w.add(contents, DvAgendaStyle::Contents);
            w.add(kLineBreak, DvAgendaStyle::Plain);
            w.html(htmlText(line + contents) + u"<br>");
            day.entries.push_back(std::move(entry));
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

std::u16string CDvAgendaModel::AddLink(int day) { return std::u16string(kAddLinkCommand) + u":" + dv::formatInt64(day); }

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
