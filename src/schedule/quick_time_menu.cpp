#include "schedule/quick_time_menu.h"

#include <utility>

#include "platform/numbers.h"
#include "platform/ui.h"
#include "schedule/date_format.h"

namespace {

std::vector<int> countsFrom(int first, int last, int step) {
    std::vector<int> out;
    for (int n = first; n <= last; n += step) out.push_back(n);
    return out;
}

struct RelativeSubmenu {
    const char16_t* prefix;
    std::vector<int> counts;  // the entries, each labelled by its count
    double daysEach;
};

}  // namespace

DvQuickTimeMenu::DvQuickTimeMenu(std::optional<DvDateTime> base) {
    const DvDateTime now = DvDateTime::Now();
    const DvDateTime from = base.value_or(now);
    const std::u16string suffix = base ? u"from start date&&time" : u"from now";

    std::vector<int> minutes = {1, 3};
    for (int n : countsFrom(5, 60, 5)) minutes.push_back(n);
    const RelativeSubmenu relative[] = {
        {u"(Minutes) ", minutes, 1.0 / 1440},
        {u"(Hours) ", countsFrom(0, 23, 1), 1.0 / 24},
        {u"(days) ", countsFrom(0, 29, 1), 1.0},
    };
    for (const RelativeSubmenu& r : relative) {
        std::vector<std::u16string> labels;
        std::vector<DvDateTime> values;
        for (int n : r.counts) {
            labels.push_back(dv::formatInt64(n));
            values.push_back(from + DvDateTimeSpan::FromDays(n * r.daysEach));
        }
        addSubmenu(r.prefix + suffix, std::move(labels), std::move(values));
    }

    const DvDateTime tomorrow = now + DvDateTimeSpan::FromDays(1);
    const std::pair<const char16_t*, DvDateTime> atHour[] = {{u"Today at", now}, {u"Tomorow at", tomorrow}};
    for (const auto& [title, day] : atHour) {
        std::vector<std::u16string> labels;
        std::vector<DvDateTime> values;
        for (int hour = 0; hour < 24; ++hour) {
            DvDateTime at = day;
            at.SetTime(hour, 0, 0);
            labels.push_back(DvLocaleTimeText(at));
            values.push_back(at);
        }
        addSubmenu(title, std::move(labels), std::move(values));
    }
}

void DvQuickTimeMenu::addSubmenu(std::u16string title, std::vector<std::u16string> labels,
                                 std::vector<DvDateTime> values) {
    submenus_.push_back({std::move(title), static_cast<int>(values_.size()), std::move(labels)});
    values_.insert(values_.end(), values.begin(), values.end());
}

DvQuickTimeChoice DvQuickTimeMenu::Choose(int entry) const {
    if (entry < 0) return {};
    if (static_cast<size_t>(entry) >= values_.size()) {
        dv::ui().ShowMessage(u"err#17ds4");
        return {};
    }
    return {entry, values_[static_cast<size_t>(entry)]};
}

bool DvWriteQuickTimeChoice(const DvQuickTimeChoice& choice, DvDateTime& dateField, DvDateTime* timeField) {
    if (!choice.Chosen()) return false;
    dateField = choice.value;
    if (timeField) *timeField = choice.value;
    return true;
}
