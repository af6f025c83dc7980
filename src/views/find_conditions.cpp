#include "views/find_conditions.h"

#include <optional>

#include "core/doc.h"
#include "platform/locale_text.h"
#include "platform/text.h"
#include "views/collect_items.h"
#include "views/live_filter.h"

namespace {

// One item's fields as the conditions read them; the keywords are joined once per item, when a
// condition first needs them.
class ItemTexts {
public:
    explicit ItemTexts(const CDvItem& item) : item_(item) {}

    bool contains(std::u16string_view field, std::u16string_view lowerText) {
        if (field == kDvFieldTitle) return dv::lowerContains(item_.title, lowerText);
        if (field == kDvFieldContents) return dv::lowerContains(item_.GetPlainText(), lowerText);
        if (field == kDvFieldKeywords) return dv::lowerContains(keywords(), lowerText);
        if (field == kDvFieldAnyPart) {
            if (dv::lowerContains(item_.title, lowerText) || dv::lowerContains(item_.GetPlainText(), lowerText) ||
                dv::lowerContains(keywords(), lowerText))
                return true;
            for (int i = 0; i < item_.vars.Count(); ++i)
                if (dv::lowerContains(item_.vars.ValueAt(i)->AsText(), lowerText)) return true;
            return false;
        }
        const CDvVar value = item_.GetVar(field);
        return value.Type() != DV_VAR_NONE && dv::lowerContains(value.AsText(), lowerText);
    }

private:
    const std::u16string& keywords() {
        if (!keywords_) keywords_ = dv::join(item_.keywords, u" ");
        return *keywords_;
    }

    const CDvItem& item_;
    std::optional<std::u16string> keywords_;
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
