#include "views/priority_completion.h"

#include <algorithm>

#include "core/item.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace {

constexpr int kChoiceStep = 10;

std::vector<std::u16string> percentSteps() {
    std::vector<std::u16string> out;
    for (int p = 0; p <= 100; p += kChoiceStep) out.push_back(DvPercentText(p));
    return out;
}

// "70%": digits and a percent sign, nothing else.
int readPercent(std::u16string_view text) {
    if (text.size() < 2 || text.back() != u'%') return -1;
    const std::u16string_view digits = text.substr(0, text.size() - 1);
    if (!std::all_of(digits.begin(), digits.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; })) return -1;
    return static_cast<int>(std::min<int64_t>(dv::parseLeadingInt64(digits), 100));
}

}  // namespace

int DvPriorityPercent(const CDvItem& item) {
    if (item.flags & DV_ITEM_FLAG_PRIORITY_LOW) return 0;
    if (item.flags & DV_ITEM_FLAG_PRIORITY_NORMAL) return 50;
    if (item.flags & DV_ITEM_FLAG_PRIORITY_HIGH) return 100;
    return std::min<int>(item.priority, 100);
}

std::u16string_view DvPriorityLevelWord(int percent) {
    if (percent <= 33) return u"low";
    return percent <= 66 ? u"medium" : u"high";
}

std::u16string_view DvCompletionWord(int percent) { return percent == 100 ? u"yes" : u"no"; }

std::u16string DvPercentText(int percent) { return dv::formatInt64(percent) + u"%"; }

DvChoiceList DvPriorityChoices(int percent, bool asPercents) {
    if (asPercents) return {percentSteps(), DvPercentText(percent)};
    return {{u"low", u"medium", u"high"}, std::u16string(DvPriorityLevelWord(percent))};
}

DvChoiceList DvCompletionChoices(int percent, bool asPercents) {
    if (asPercents) return {percentSteps(), DvPercentText(percent)};
    return {{u"no", u"yes"}, std::u16string(DvCompletionWord(percent))};
}

int DvPriorityFromChoice(std::u16string_view choice) {
    if (choice == u"low") return 0;
    if (choice == u"medium") return 50;
    if (choice == u"high") return 100;
    return readPercent(choice);
}

int DvCompletionFromChoice(std::u16string_view choice) {
    if (choice == u"yes") return 100;
    if (choice == u"no") return 0;
    return readPercent(choice);
}
