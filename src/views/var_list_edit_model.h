#pragma once
// The variable list of the properties dialog, without widgets: one row per column record with the
// record's name and the element's value as display text, edited in place one cell at a time.
#include <string>
#include <string_view>
#include <vector>

#include "views/column.h"

class CDvElement;

inline constexpr std::u16string_view kDvVarListNameHeader = u"name";
inline constexpr std::u16string_view kDvVarListValueHeader = u"value";
inline constexpr int kDvVarListNameWidth = 100;
inline constexpr int kDvVarListValueWidth = 600;
/// The deferred request that starts editing the selected row's value.
inline constexpr std::u16string_view kDvStartEditingRequest = u"ga_clce_start_editing";

enum class DvVarListKey { Enter, Up, Down };

class CDvVarListEditModel {
public:
    /// Rows for `columns` (typically the available columns of the item's type) over `element`,
    /// an item or a folder, which is read by variable name (an item's fixed fields included).
    CDvVarListEditModel(CDvElement& element, std::vector<DvColumn> columns);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const std::u16string& NameAt(int row) const;
    /// The value cell as last shown: read when the list was made, the committed text after an edit.
    const std::u16string& ValueAt(int row) const;

    int SelectedRow() const { return selected_; }
    void SelectRow(int row);

    /// A click on a value cell: selects the row and opens the edit box over it holding the cell's
    /// text. False for a row that does not exist.
    bool StartEditing(int row);
    /// The deferred request by name: starts editing the selected row.
    bool RunRequest(std::u16string_view request);
    bool IsEditing() const { return editRow_ >= 0; }
    int EditRow() const { return editRow_; }
    /// The edit box's text while editing.
    std::u16string editText;

    /// Enter commits; Up and Down commit and select the previous or next row.
    void KeyPressed(DvVarListKey key);
    /// Writes the edit box's text into the element's variable of the row's name (as text, so an
    /// existing variable keeps its type) and shows it in the cell.
    void Commit();
    /// Closes the edit box without writing.
    void CancelEditing();

private:
    struct Row {
        std::u16string name;
        std::u16string value;
    };
    CDvElement& element_;
    std::vector<Row> rows_;
    int selected_ = -1;
    int editRow_ = -1;
};
