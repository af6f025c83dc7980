#pragma once
// The text of one list cell, the same in every list: by the variable name of its column.
#include <string>
#include <string_view>

#include "views/priority_completion.h"

class CDvItem;

inline constexpr std::u16string_view kDvDeadlineNotDefined = u"Not defined";

/// - dv_created, dv_modified, dv_taskstart: the date and time in the long date format;
/// - dv_taskend: the same, but "Not defined" for a to-do without a deadline;
/// - dv_completion: "40%", or with completion words "yes" / "no";
/// - dv_priority: "70%", or the priority level word ("low", "medium", "high"), which the list
///   draws as a mark instead of writing it;
/// - dv_title: the title (drawn after the type's icon);
/// - anything else: the variable's display text, empty when the item lacks it.
std::u16string DvCellText(const CDvItem& item, std::u16string_view column, const DvListOptions& options);
