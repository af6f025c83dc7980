#include "schedule/repeat_rule.h"

#include <cstring>

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

bool isActiveValue(const CDvVar* v) { return v != nullptr && v->Type() == DV_VAR_INT64 && v->AsInt64() == 1; }

bool isActive(const CDvVarSet& vars) { return isActiveValue(vars.Get(kDvRepeatActiveVar)); }

// Only the low 32 bits of the count take part, read as a signed number.
int32_t countOf(const CDvVar& v) { return static_cast<int32_t>(static_cast<uint32_t>(v.AsInt64())); }

// The five names in the order of their bits for DvRepeatRuleReader.
constexpr std::u16string_view kRuleVarNames[] = {kDvRepeatActiveVar, kDvRepeatTypeVar, kDvRepeatCountVar,
                                                 kDvRepeatWeekdaysVar, kDvRepeatMonthDayVar};
enum RuleVar { kActive, kType, kCount, kWeekdays, kMonthDay, kRuleVarCount };

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
    if (const CDvVar* v = vars.Get(kDvRepeatCountVar)) rule.count = countOf(*v);
    if (const CDvVar* v = vars.Get(kDvRepeatWeekdaysVar)) rule.weekdays = v->AsText();
    if (const CDvVar* v = vars.Get(kDvRepeatMonthDayVar)) rule.monthDay = v->AsInt64();
    return rule;
}

std::optional<DvCalendarDay> DvCalendarDay::Of(const DvDateTime& value) {
    dv::CivilTime t;
    if (!value.ToCivil(t)) return std::nullopt;
    // At midnight the stored value is the whole day number on either side of day 0.
    const auto number = static_cast<long long>(DvDateTime::FromFields(t.year, t.month, t.day).value);
    // Day 0, 30 December 1899, was a Saturday (7).
    const int dayOfWeek = static_cast<int>(((number % 7) + 7 + 6) % 7) + 1;
    return DvCalendarDay{number, t.year, t.month, t.day, dayOfWeek};
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

unsigned DvRepeatRuleReader::matchesOf(const std::u16string& name) {
    constexpr std::size_t kFrequentNames = 16;
    // Names of one length mostly differ toward the end ("..._n_active", "..._before_units"), so
    // the last unit settles most comparisons before the whole names are compared.
    for (const auto& [known, bits] : frequent_)
        if (known.size() == name.size() && (name.empty() || known.back() == name.back()) &&
            std::memcmp(known.data(), name.data(), name.size() * sizeof(char16_t)) == 0)
            return bits;
    if (const auto known = matches_.find(name); known != matches_.end()) return known->second;
    unsigned bits = 0;
    for (int i = 0; i < kRuleVarCount; ++i)
        if (dv::equalsNoCase(name, kRuleVarNames[i])) bits |= 1u << i;
    if (frequent_.size() < kFrequentNames)
        frequent_.emplace_back(name, bits);
    else
        matches_.emplace(name, bits);
    return bits;
}

DvRepeatKind DvRepeatRuleReader::kindOf(const std::u16string& text) {
    if (const auto known = kinds_.find(text); known != kinds_.end()) return known->second;
    return kinds_.emplace(text, parseKind(text)).first->second;
}

std::optional<DvRepeatRule> DvRepeatRuleReader::RuleOf(const CDvItem& task) {
    // Most tasks do not repeat, and most of those hold no int64 1 at all: the values lie side by
    // side and settle that without reading a single name.
    bool anyActiveValue = false;
    for (int i = 0; i < task.vars.Count() && !anyActiveValue; ++i) anyActiveValue = isActiveValue(task.vars.ValueAt(i));
    if (!anyActiveValue) return std::nullopt;

    // The first variable of each name wins, as CDvVarSet::Get finds it.
    const CDvVar* found[kRuleVarCount] = {};
    for (int i = 0; i < task.vars.Count(); ++i) {
        const unsigned bits = matchesOf(*task.vars.NameAt(i));
        for (int k = 0; k < kRuleVarCount; ++k)
            if ((bits & (1u << k)) && !found[k]) found[k] = task.vars.ValueAt(i);
    }
    if (!isActiveValue(found[kActive])) return std::nullopt;
    DvRepeatRule rule;
    rule.active = true;
    if (found[kType]) rule.kind = kindOf(found[kType]->AsText());
    if (found[kCount]) rule.count = countOf(*found[kCount]);
    if (found[kWeekdays]) rule.weekdays = found[kWeekdays]->AsText();
    if (found[kMonthDay]) rule.monthDay = found[kMonthDay]->AsInt64();
    return rule;
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
    if (!adjust || !DvIsRepeating(task)) return {task.taskStart, task.taskEnd};
    return DvMovedOccurrence(task.taskStart, task.taskEnd, day);
}

DvOccurrence DvMovedOccurrence(const DvDateTime& start, const DvDateTime& end, const DvDateTime& day) {
    const auto calendarDay = DvCalendarDay::Of(day);
    dv::CivilTime startFields;
    if (!calendarDay || !start.ToCivil(startFields)) return {start, end};
    return DvMovedOccurrence(start, end, *calendarDay, startFields);
}

DvOccurrence DvMovedOccurrence(const DvDateTime& start, const DvDateTime& end, const DvCalendarDay& day,
                               const dv::CivilTime& startFields) {
    const DvDateTime moved = DvDateTime::FromFields(day.year, day.month, day.day, startFields.hour,
                                                    startFields.minute, startFields.second);
    if (!moved.IsValid()) return {start, end};
    if (!end.IsValid()) return {moved, end};  // no length to carry over
    return {moved, moved + (end - start)};
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
