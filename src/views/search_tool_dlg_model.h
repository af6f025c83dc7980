#pragma once
// The search tool dialog without widgets: a folder (always with its subfolders), four item type
// boxes, its own live filter panel, six text conditions combined with AND or OR, and the result
// list with its label.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "views/filter_panel_model.h"
#include "views/find_conditions.h"
#include "views/list_ctrl_models.h"

class CDvDoc;

inline constexpr std::u16string_view kDvSearchFolderTooltip = u"Search in selected folder and all its subfolders";

/// "12 items found".
std::u16string DvFindResultLabel(int rows);

class CDvSearchToolDlgModel {
public:
    static constexpr int kConditionCount = 6;

    /// Starts in `currentFolder` ("\" when empty) with the box of `currentTabType` checked, or
    /// every box when the tab shows all types.
    CDvSearchToolDlgModel(CDvDoc& doc, std::u16string_view currentFolder, int currentTabType);

    const std::u16string& Folder() const { return folder_; }
    void SetFolder(std::u16string path);

    /// Item types 1 to 4: "Tasks", "To do(s)", "Notes", "Contacts".
    bool IsTypeChecked(int itemType) const;
    void SetTypeChecked(int itemType, bool checked);
    /// "Select all".
    void SelectAllTypes();

    /// The embedded filter panel, bound to the folder and, when exactly one box is checked, to
    /// that type (else to all types).
    CDvFilterDlgModel& FilterPanel() { return filter_; }

    /// Condition `row` (0 to 5): the field chosen and the text in "Contains:".
    DvFindCondition& Condition(int row) { return conditions_.at(static_cast<size_t>(row)); }
    /// "All strings should match (AND)" when set (the default), else "Any string should match (OR)".
    bool allMustMatch = true;

    /// The field selector's entries: "any part", "title", "note (contents)", "keywords", then the
    /// variable names of the folder's visible columns of each checked type, in type order.
    std::vector<std::u16string> FieldChoices() const;

    /// Empties the results and lists every match in document order.
    void Find();
    CDvAnyItemListCtrlModel& Results() { return results_; }
    /// The number of result rows followed by " items found"; empty before the first Find.
    const std::u16string& ResultLabel() const { return label_; }

private:
    void bindFilter();

    CDvDoc& doc_;
    std::u16string folder_;
    std::array<bool, 4> types_{};
    CDvFilterDlgModel filter_;
    std::array<DvFindCondition, kConditionCount> conditions_;
    CDvAnyItemListCtrlModel results_;
    std::u16string label_;
};
