#include "views/find_conditions.h"

#include <optional>

#include "core/doc.h"
#include "platform/locale_text.h"
#include "platform/text.h"
#include "views/collect_items.h"
#include "views/live_filter.h"

namespace {

bool holds(std::u16string_view text, std::u16string_view part) { return text.find(part) != text.npos; }

// The lower-case texts of one item's fields, each made when a condition first needs it: a
// search with several conditions on the title lower-cases the title once per item.
class ItemTexts {
public:
    explicit ItemTexts(const CDvItem& item) : item_(item) {}

    const std::u16string& title() { return cached(title_, [&] { return item_.title; }); }
    const std::u16string& contents() { return cached(contents_, [&] { return item_.GetPlainText(); }); }
    const std::u16string& keywords() { return cached(keywords_, [&] { return dv::join(item_.keywords, u" "); }); }

    bool contains(std::u16string_view field, std::u16string_view lowerText) {
        if (field == kDvFieldTitle) return holds(title(), lowerText);
        if (field == kDvFieldContents) return holds(contents(), lowerText);
        if (field == kDvFieldKeywords) return holds(keywords(), lowerText);
        if (field == kDvFieldAnyPart) {
            if (holds(title(), lowerText) || holds(contents(), lowerText) ||
                holds(keywords(), lowerText))
                return true;
            for (int i = 0; i < item_.vars.Count(); ++i)
                if (holds(dv::toLowerLocale(item_.vars.ValueAt(i)->AsText()), lowerText)) return true;
            return false;
        }
        const CDvVar value = item_.GetVar(field);
        return value.Type() != DV_VAR_NONE && holds(dv::toLowerLocale(value.AsText()), lowerText);
    }

private:
    template <class Read>
    const std::u16string& cached(std::optional<std::u16string>& slot, Read read) {
        if (!slot) slot = dv::toLowerLocale(read());
        return *slot;
    }

    const CDvItem& item_;
    std::optional<std::u16string> title_, contents_, keywords_;
};

struct LowerCondition {
    std::u16string_view field;
    std::u16string text;
};

bool accepted(const CDvItem& item, const std::vector<LowerCondition>& given, bool anyCondition) {
    if (given.empty()) return true;
    ItemTexts texts(item);
    for (const LowerCondition& c : given) {
        const bool matches = texts.contains(c.field, c.text);
        if (anyCondition && matches) return true;
        if (!anyCondition && !matches) return false;
    }
    return !anyCondition;
}

}  // namespace

bool DvFindFieldContains(const CDvItem& item, std::u16string_view field, std::u16string_view lowerText) {
    return ItemTexts(item).contains(field, lowerText);
}

std::vector<DvListEntry> DvFind(CDvDoc& doc, const DvFindCriteria& criteria) {
    std::vector<LowerCondition> given;
    for (const DvFindCondition& c : criteria.conditions)
        if (!c.text.empty()) given.push_back({c.field, dv::toLowerLocale(c.text)});

    std::vector<DvListEntry> results;
    auto lock = doc.Lock();
    for (size_t i = 0; i < doc.items.size(); ++i) {
        CDvItem& item = *doc.items[i];
        item.index = static_cast<int>(i);
        if (item.itemType < 1 || item.itemType > 4 || !criteria.types[static_cast<size_t>(item.itemType - 1)]) continue;
        if (!DvItemInFolder(item, criteria.folder, true)) continue;
        if (criteria.filter && !criteria.filter->ItemPassesFilter(item, false)) continue;
        if (accepted(item, given, criteria.anyCondition)) results.push_back(DvMakeListEntry(item));
    }
    return results;
}
