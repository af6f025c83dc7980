#pragma once
// The search tool's search: items of the checked types in a folder and its subfolders that pass
// the tool's own live filter and meet text conditions, each on one field, all of them (AND) or
// any (OR).
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "views/list_entry.h"

class CDvDoc;
class CDvItem;
class CDvLiveFilter;

inline constexpr std::u16string_view kDvFieldAnyPart = u"any part";
inline constexpr std::u16string_view kDvFieldTitle = u"title";
inline constexpr std::u16string_view kDvFieldContents = u"note (contents)";
inline constexpr std::u16string_view kDvFieldKeywords = u"keywords";

/// One text condition: the text must occur, ignoring case, in the field. A condition whose text
/// is empty is not given.
struct DvFindCondition {
    std::u16string field{kDvFieldAnyPart};
    std::u16string text;
};

/// Whether `lowerText` occurs in the item's field: "title", "note (contents)" (the plain-text
/// contents), "keywords" (joined with single spaces), "any part" (any of those or the display
/// text of any of the item's variables), or else the display text of the variable of that name
/// (never when the item lacks it); all in lower case.
bool DvFindFieldContains(const CDvItem& item, std::u16string_view field, std::u16string_view lowerText);

struct DvFindCriteria {
    std::u16string folder{u"\\"};                  // searched with all its subfolders
    std::array<bool, 4> types{true, true, true, true};  // tasks, to-dos, notes, contacts
    std::vector<DvFindCondition> conditions;
    bool anyCondition = false;              // OR; AND otherwise
    const CDvLiveFilter* filter = nullptr;  // the tool's own filter panel; none lets all pass
};

/// The accepted items in document order. Without a given condition every item in scope that
/// passes the filter is accepted.
std::vector<DvListEntry> DvFind(CDvDoc& doc, const DvFindCriteria& criteria);
