#include "schedule/repeat_rule.h"

#include "core/item.h"
#include "platform/locale_text.h"
#include "platform/numbers.h"

namespace {

struct KindName {
    std::u16string_view text;
    DvRepeatKind kind;
};

constexpr KindName kKindNames[] = {
    {u"day(s)", DvRepeatKind::Days},     {u"week(s)", DvRepeatKind::Weeks}, {u"year(s)", DvRepeatKind::Years},
    {u"weekly", DvRepeatKind::Weekly},   {u"monthly", DvRepeatKind::Monthly}, {u"none", DvRepeatKind::None},
};

DvRepeatKind parseKind(std::u16string_view stored) {
    const std::u16string lower = dv::toLowerLocale(stored);
    for (const auto& k : kKindNames)
        if (lower == k.text) return k.kind;
    return DvRepeatKind::Unknown;
}

// Divisibility in the arithmetic sense: 0 divides only 0, and a negative interval counts like its
// magnitude. A count of 0 cannot come from the dialog; with this reading such a task keeps its
// start day and nothing else, instead of dividing by zero.
bool divides(long long divisor, long long n) { return divisor == 0 ? n == 0 : n % divisor == 0; }

bool isActive(const CDvVarSet& vars) {
    const CDvVar* v = vars.Get(kDvRepeatActiveVar);
    return v != nullptr && v->Type() == DV_VAR_INT64 && v->AsInt64() == 1;
}

}  // namespace

std::u16string_view DvRepeatKindText(DvRepeatKind kind) {
    for (const auto& k : kKindNames)
        if (k.kind == kind) return k.text;
    return {};
}

std::u16string_view DvWeekdayToken(int dayOfWeek) {
    static constexpr std::u16string_view kTokens[] = {u"sun", u"mon", u"tue", u"wed", u"thu", u"fri", u"sat"};
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? kTokens[dayOfWeek - 1] : std::u16string_view();
}

DvRepeatRule DvRepeatRule::Read(const CDvVarSet& vars) {
    DvRepeatRule rule;
    rule.active = isActive(vars);
    if (const CDvVar* v = vars.Get(kDvRepeatTypeVar)) rule.kind = parseKind(v->AsText());
    // Only the low 32 bits of the count take part, read as a signed number.
    if (const CDvVar* v = vars.Get(kDvRepeatCountVar))
        rule.count = static_cast<int32_t>(static_cast<uint32_t>(v->AsInt64()));
    if (const CDvVar* v = vars.Get(kDvRepeatWeekdaysVar)) rule.weekdays = v->AsText();
    if (const CDvVar* v = vars.Get(kDvRepeatMonthDayVar)) rule.monthDay = v->AsInt64();
    return rule;
}

std::optional<DvCalendarDay> DvCalendarDay::Of(const DvDateTime& value) {
    dv::CivilTime t;
    if (!value.ToCivil(t)) return std::nullopt;
    const DvDateTime midnight = DvDateTime::FromFields(t.year, t.month, t.day);
    // At midnight the stored value is the whole day number on either side of day 0.
    return DvCalendarDay{static_cast<long long>(midnight.value), t.year, t.month, t.day, midnight.DayOfWeek()};
}

bool DvRepeatRule::OccursOn(const DvDateTime& start, const DvDateTime& day) const {
    const auto s = DvCalendarDay::Of(start);
    const auto q = DvCalendarDay::Of(day);
    return s && q && OccursOn(*s, *q);
}

bool DvRepeatRule::OccursOn(const DvCalendarDay& s, const DvCalendarDay& q) const {
    // The asked day is taken at the start's time of day, so comparing dates is comparing
    // moments: the start day itself qualifies whatever the time of `day`.
    const long long days = q.number - s.number;
    if (days < 0) return false;
    switch (kind) {
        case DvRepeatKind::Days: return divides(count, days);
        case DvRepeatKind::Weeks: return divides(static_cast<long long>(count) * 7, days);
        case DvRepeatKind::Years:
            // 29 February therefore comes back only in leap years.
            return q.month == s.month && q.day == s.day && divides(count, q.year - s.year);
        case DvRepeatKind::Weekly:
            return weekdays.find(DvWeekdayToken(q.dayOfWeek)) != std::u16string::npos;
        case DvRepeatKind::Monthly:
            // A month without that day has no occurrence; nothing moves to its last day.
            return q.day == monthDay;
        case DvRepeatKind::None:
        case DvRepeatKind::Unknown: return false;
    }
    return false;
}

bool DvIsRepeating(const CDvItem& task) { return isActive(task.vars); }

bool DvOccursOnRepeatDay(const CDvItem& task, const DvDateTime& day) {
    if (!isActive(task.vars)) return false;
    return DvRepeatRule::Read(task.vars).OccursOn(task.taskStart, day);
}

bool DvOccursOnDay(const CDvItem& task, const DvDateTime& day, bool includeRepeats) {
    if (!DvIsRepeating(task)) return day.IsSameDay(task.taskStart);
    return includeRepeats && DvOccursOnRepeatDay(task, day);
}

DvOccurrence DvOccurrenceTimes(const CDvItem& task, const DvDateTime& day, bool adjust) {
    DvOccurrence stored{task.taskStart, task.taskEnd};
    if (!adjust || !DvIsRepeating(task)) return stored;
    const DvDateTime start = DvDateTime::Combine(day, task.taskStart);
    if (!start.IsValid()) return stored;
    if (!task.taskEnd.IsValid()) return {start, task.taskEnd};  // no length to carry over
    return {start, start + (task.taskEnd - task.taskStart)};
}

std::u16string DvRepeatSummary(bool repeatingTicked, const CDvVarSet& vars) {
    if (!repeatingTicked) return {};
    const DvRepeatRule rule = DvRepeatRule::Read(vars);
    switch (rule.kind) {
        case DvRepeatKind::Days:
        case DvRepeatKind::Weeks:
        case DvRepeatKind::Years:
            // The count the rule test uses, so the line says what the task will do.
            return u"Repeating: active. Every " + dv::formatInt64(rule.count) + u" " +
                   std::u16string(DvRepeatKindText(rule.kind)) + u"...";
        case DvRepeatKind::Weekly: {
            std::u16string_view days = rule.weekdays;
            while (!days.empty() && (days.back() == u',' || days.back() == u' ')) days.remove_suffix(1);
            return u"Repeating: active. Weekly (" + std::u16string(days) + u").";
        }
        case DvRepeatKind::Monthly:
            return u"Repeating: active. Every " + dv::formatInt64(rule.monthDay) + u" day of month.";
        case DvRepeatKind::None:
        case DvRepeatKind::Unknown: return {};
    }
    return {};
}

void DvApplyTaskRepeatChoices(CDvItem& task, bool repeating, bool autoRemove) {
    task.vars.Set(kDvRepeatActiveVar, CDvVar::FromInt64(repeating ? 1 : 0));
    if (autoRemove)
        task.flags |= DV_ITEM_FLAG_TEMPORARY;
    else
        task.flags &= ~DV_ITEM_FLAG_TEMPORARY;
}
