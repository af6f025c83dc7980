#include "views/search_tool_dlg_model.h"

#include <algorithm>

#include "platform/numbers.h"
#include "views/column_store.h"

std::u16string DvFindResultLabel(int rows) { return dv::formatInt64(rows) + u" items found"; }

CDvSearchToolDlgModel::CDvSearchToolDlgModel(CDvDoc& doc, std::u16string_view currentFolder, int currentTabType)
    : doc_(doc), folder_(currentFolder.empty() ? std::u16string(u"\\") : std::u16string(currentFolder)),
      filter_(doc), results_(doc) {
    if (currentTabType >= 1 && currentTabType <= 4)
        types_[static_cast<size_t>(currentTabType - 1)] = true;
    else
        types_.fill(true);
    bindFilter();
}

void CDvSearchToolDlgModel::SetFolder(std::u16string path) {
    folder_ = std::move(path);
    bindFilter();
}

bool CDvSearchToolDlgModel::IsTypeChecked(int itemType) const {
    return itemType >= 1 && itemType <= 4 && types_[static_cast<size_t>(itemType - 1)];
}

void CDvSearchToolDlgModel::SetTypeChecked(int itemType, bool checked) {
    if (itemType < 1 || itemType > 4) return;
    types_[static_cast<size_t>(itemType - 1)] = checked;
    bindFilter();
}

void CDvSearchToolDlgModel::SelectAllTypes() {
    types_.fill(true);
    bindFilter();
}

void CDvSearchToolDlgModel::bindFilter() {
    int type = 0;
    if (std::count(types_.begin(), types_.end(), true) == 1)
        type = static_cast<int>(std::find(types_.begin(), types_.end(), true) - types_.begin()) + 1;
    filter_.Filter().Prepare(folder_, type);
    filter_.Filter().RebuildKeywordList();
}

std::vector<std::u16string> CDvSearchToolDlgModel::FieldChoices() const {
    std::vector<std::u16string> choices{std::u16string(kDvFieldAnyPart), std::u16string(kDvFieldTitle),
                                        std::u16string(kDvFieldContents), std::u16string(kDvFieldKeywords)};
    for (int type = 1; type <= 4; ++type) {
        if (!IsTypeChecked(type)) continue;
        for (const DvColumn& column : DvColumnsGetVisibleCols(doc_, folder_, type)) choices.push_back(column.name);
    }
    return choices;
}

void CDvSearchToolDlgModel::Find() {
    DvFindCriteria criteria;
    criteria.folder = folder_;
    criteria.types = types_;
    criteria.conditions.assign(conditions_.begin(), conditions_.end());
    criteria.anyCondition = !allMustMatch;
    criteria.filter = &filter_.Filter();
    results_.SetSourceEntries(DvFind(doc_, criteria));
    label_ = DvFindResultLabel(results_.RowCount());
}
