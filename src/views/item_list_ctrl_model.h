#pragma once
// A list view of items without widgets: its columns, its entries in display order, its sort key
// and direction, the rows the user had focused and selected and the row on top, kept across a
// refill by GUID. The typed lists (tasks, to-dos, notes, contacts) fill themselves from the
// current folder; the any-item list shows what its owner (the search tool, the relations views)
// hands it.
#include <string>
#include <string_view>
#include <vector>

#include "core/date_time.h"
#include "views/column.h"
#include "views/list_entry.h"
#include "views/priority_completion.h"
#include "views/row_style.h"

class CDvDoc;
class CDvItem;
class DvViewTest;

inline constexpr std::u16string_view kDvUnsortedHint = u"Now the items are unsorted (they're in original order).";

class CDvItemListCtrlModel {
public:
    /// `itemType` 1 to 4 for a typed list, 0 for the any-item list. Without a view test every
    /// collected item is listed.
    CDvItemListCtrlModel(CDvDoc& doc, int itemType, const DvViewTest* viewTest = nullptr);
    virtual ~CDvItemListCtrlModel() = default;
    CDvItemListCtrlModel(const CDvItemListCtrlModel&) = delete;
    CDvItemListCtrlModel& operator=(const CDvItemListCtrlModel&) = delete;

    int ItemType() const { return itemType_; }
    CDvDoc& Doc() const { return doc_; }

    /// The typed lists take the visible columns of the folder at every fill; the any-item list
    /// has its fixed columns.
    const std::vector<DvColumn>& Columns() const { return columns_; }
    void SetColumns(std::vector<DvColumn> columns) { columns_ = std::move(columns); }

    /// The variable name the list is sorted by; empty: original order.
    const std::u16string& SortKey() const { return sortKey_; }
    void SetSortKey(std::u16string key) { sortKey_ = std::move(key); }
    /// The direction flag: ascending when set, which it is at first.
    bool Ascending() const { return ascending_; }
    void SetAscending(bool ascending) { ascending_ = ascending; }

    /// A typed list's fill from `folderPath` and below: remembers focus, selection and top row,
    /// collects, keeps what passes the view test, sorts when the key names one of the columns,
    /// and restores what it remembered for the GUIDs still listed.
    void Fill(std::u16string_view folderPath);
    /// The any-item list's rows in their original order; the list shows them at once, sorted
    /// when it has a key.
    void SetSourceEntries(std::vector<DvListEntry> entries);
    /// Fills again from the last folder, or from the owner's entries.
    void Refill();

    /// Clicking column `column`: the first column restores the original order and shows the
    /// unsorted hint; another column becomes the key, or reverses the direction when it already
    /// is. Refills. Returns the hint shown (also offered to the advisor), empty when none.
    std::u16string ColumnClick(int column);

    int RowCount() const { return static_cast<int>(entries_.size()); }
    const std::vector<DvListEntry>& Entries() const { return entries_; }
    /// The item of `row` looked up again; nullptr when it is gone or the row does not exist.
    CDvItem* ItemAt(int row) const;
    std::u16string CellText(int row, int column, const DvListOptions& options) const;
    /// Default style for a row whose item is gone.
    DvRowStyle RowStyle(int row, const DvDateTime& now) const;

    // The view's state as the widget reports it; a fill replaces it with the restored state.
    int FocusRow() const { return focusRow_; }
    void SetFocusRow(int row);
    bool IsRowSelected(int row) const;
    void SetRowSelected(int row, bool selected);
    std::vector<int> SelectedRows() const;
    int TopRow() const { return topRow_; }
    void SetTopRow(int row);

protected:
    /// The hint of a click on the first column.
    virtual std::u16string_view UnsortedHint() const { return kDvUnsortedHint; }
    /// What a row whose item is gone shows in its first column.
    virtual std::u16string_view InvalidRowText() const { return {}; }

private:
    struct Remembered {
        std::u16string focus;
        std::vector<std::u16string> selected;
        std::u16string top;
        int topRow = 0;
    };
    Remembered remember() const;
    void show(std::vector<DvListEntry> entries, const Remembered& before);
    bool validRow(int row) const { return row >= 0 && row < RowCount(); }
    /// The key to sort by: the sort key when it names one of the columns, else none.
    std::u16string effectiveKey() const;

    CDvDoc& doc_;
    const int itemType_;
    const DvViewTest* viewTest_;
    std::vector<DvColumn> columns_;
    std::u16string sortKey_;
    bool ascending_ = true;
    std::u16string folder_ = u"\\";
    bool ownerFilled_ = false;         // rows come from the owner's entries, not from a folder
    std::vector<DvListEntry> source_;  // the owner's entries in original order
    std::vector<DvListEntry> entries_;
    int focusRow_ = -1;
    std::vector<char> selected_;  // one per row
    int topRow_ = 0;
};
