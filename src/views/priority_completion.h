#pragma once
// Priority and completion as the lists and the editors' drop-downs show them: percentages, or,
// with the options off, three priority levels and a yes/no completion.
#include <string>
#include <string_view>
#include <vector>

class CDvItem;

/// The options (dv_opt_b_priority_as_percents, dv_opt_b_completed_as_percents) that decide
/// between percentages and words; read by the caller, so that a changed option shows at the
/// next refill.
struct DvListOptions {
    bool priorityAsPercents = false;
    bool completedAsPercents = false;
};

/// The priority percent, reading legacy priority bits as GetPriority would, without storing.
int DvPriorityPercent(const CDvItem& item);

/// "low" up to 33 percent, "medium" up to 66, "high" above.
std::u16string_view DvPriorityLevelWord(int percent);
/// "yes" at 100 percent, otherwise "no".
std::u16string_view DvCompletionWord(int percent);

/// `percent` followed by "%".
std::u16string DvPercentText(int percent);

/// A drop-down's entries and the entry to preselect.
struct DvChoiceList {
    std::vector<std::u16string> choices;
    std::u16string preselected;
};

/// With percentages "0%", "10%", ... "100%", preselecting the item's percentage (which need not
/// be one of the steps); otherwise "low", "medium", "high" preselected by level.
DvChoiceList DvPriorityChoices(int percent, bool asPercents);
/// With percentages "0%" ... "100%" preselecting the current one; otherwise "no" and "yes",
/// preselecting "yes" at 100 percent.
DvChoiceList DvCompletionChoices(int percent, bool asPercents);

/// The percentage a chosen priority text stands for: "70%" is 70 (at most 100), "low" 0,
/// "medium" 50, "high" 100; -1 for any other text.
int DvPriorityFromChoice(std::u16string_view choice);
/// "40%" is 40 (at most 100), "yes" 100, "no" 0; -1 for any other text.
int DvCompletionFromChoice(std::u16string_view choice);
