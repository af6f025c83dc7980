#include "views/item_list_ctrl_model.h"

#include <algorithm>
#include <unordered_map>

#include "core/doc.h"
#include "platform/ui.h"
#include "views/cell_text.h"
#include "views/column_defaults.h"
#include "views/column_store.h"
#include "views/item_compare.h"
#include "views/list_fill.h"
#include "views/view_test.h"

CDvItemListCtrlModel::CDvItemListCtrlModel(CDvDoc& doc, int itemType, const DvViewTest* viewTest)
    : doc_(doc), itemType_(itemType), viewTest_(viewTest) {
    if (itemType_ == 0) columns_ = DvColumnsAnyItemList();
}

std::u16string CDvItemListCtrlModel::effectiveKey() const {
    return !sortKey_.empty() && DvFindColumn(columns_, sortKey_) >= 0 ? sortKey_ : std::u16string();
}

void CDvItemListCtrlModel::Fill(std::u16string_view folderPath) {
    folder_ = folderPath;
    ownerFilled_ = false;
    const Remembered before = remember();
    auto lock = doc_.Lock();
    if (itemType_ != 0) columns_ = DvColumnsGetVisibleCols(doc_, folder_, itemType_);
    const DvViewTest everything;
    show(DvCollectListEntries(doc_, folder_, itemType_, viewTest_ ? *viewTest_ : everything, effectiveKey(), ascending_),
         before);
}

void CDvItemListCtrlModel::SetSourceEntries(std::vector<DvListEntry> entries) {
    source_ = std::move(entries);
    ownerFilled_ = true;
    Refill();
}

void CDvItemListCtrlModel::Refill() {
    if (!ownerFilled_) {
        Fill(std::u16string(folder_));
        return;
    }
    const Remembered before = remember();
    auto lock = doc_.Lock();
    std::vector<DvListEntry> entries;
    entries.reserve(source_.size());
    for (const DvListEntry& entry : source_) {
        // Items deleted since the owner listed them are skipped, like every consumer does.
        CDvItem* item = DvResolveEntry(doc_, entry);
        if (!item) continue;
        DvListEntry current = entry;
        current.item = item;
        current.index = item->index;
        entries.push_back(std::move(current));
    }
    const std::u16string key = effectiveKey();
    if (!key.empty()) DvSortListEntries(entries, key, ascending_);
    show(std::move(entries), before);
}

std::u16string CDvItemListCtrlModel::ColumnClick(int column) {
    if (column < 0 || static_cast<size_t>(column) >= columns_.size()) return {};
    std::u16string hint;
    if (column == 0) {
        sortKey_.clear();
        hint = UnsortedHint();
    } else {
        const std::u16string& name = columns_[static_cast<size_t>(column)].name;
        if (!sortKey_.empty() && DvFindColumn({columns_[static_cast<size_t>(column)]}, sortKey_) == 0)
            ascending_ = !ascending_;
        else
            sortKey_ = name;
    }
    Refill();
    if (!hint.empty()) dv::ui().OfferAdvisor(hint);
    return hint;
}

CDvItem* CDvItemListCtrlModel::ItemAt(int row) const {
    return validRow(row) ? DvResolveEntry(doc_, entries_[static_cast<size_t>(row)]) : nullptr;
}

std::u16string CDvItemListCtrlModel::CellText(int row, int column, const DvListOptions& options) const {
    if (!validRow(row) || column < 0 || static_cast<size_t>(column) >= columns_.size()) return {};
    auto lock = doc_.Lock();
    const CDvItem* item = ItemAt(row);
    if (!item) return column == 0 ? std::u16string(InvalidRowText()) : std::u16string();
    return DvCellText(*item, columns_[static_cast<size_t>(column)].name, options);
}

DvRowStyle CDvItemListCtrlModel::RowStyle(int row, const DvDateTime& now) const {
    auto lock = doc_.Lock();
    const CDvItem* item = ItemAt(row);
    return item ? DvRowStyleOf(*item, now) : DvRowStyle{};
}

// ---- view state

void CDvItemListCtrlModel::SetFocusRow(int row) { focusRow_ = validRow(row) ? row : -1; }

bool CDvItemListCtrlModel::IsRowSelected(int row) const {
    return validRow(row) && selected_[static_cast<size_t>(row)];
}

void CDvItemListCtrlModel::SetRowSelected(int row, bool selected) {
    if (validRow(row)) selected_[static_cast<size_t>(row)] = selected ? 1 : 0;
}

std::vector<int> CDvItemListCtrlModel::SelectedRows() const {
    std::vector<int> rows;
    for (int row = 0; row < RowCount(); ++row)
        if (selected_[static_cast<size_t>(row)]) rows.push_back(row);
    return rows;
}

void CDvItemListCtrlModel::SetTopRow(int row) { topRow_ = std::clamp(row, 0, std::max(RowCount() - 1, 0)); }

CDvItemListCtrlModel::Remembered CDvItemListCtrlModel::remember() const {
    Remembered r;
    if (validRow(focusRow_)) r.focus = entries_[static_cast<size_t>(focusRow_)].guid;
    for (int row : SelectedRows()) r.selected.push_back(entries_[static_cast<size_t>(row)].guid);
    if (validRow(topRow_)) r.top = entries_[static_cast<size_t>(topRow_)].guid;
    r.topRow = topRow_;
    return r;
}

void CDvItemListCtrlModel::show(std::vector<DvListEntry> entries, const Remembered& before) {
    entries_ = std::move(entries);
    std::unordered_map<std::u16string, int> rowOf;
    rowOf.reserve(entries_.size());
    for (size_t row = 0; row < entries_.size(); ++row)
        if (!entries_[row].guid.empty()) rowOf.try_emplace(entries_[row].guid, static_cast<int>(row));
    const auto find = [&rowOf](const std::u16string& guid) {
        const auto it = guid.empty() ? rowOf.end() : rowOf.find(guid);
        return it == rowOf.end() ? -1 : it->second;
    };
    focusRow_ = find(before.focus);
    selected_.assign(entries_.size(), 0);
    for (const std::u16string& guid : before.selected)
        if (const int row = find(guid); row >= 0) selected_[static_cast<size_t>(row)] = 1;
    // The former top row goes on top again; when it is no longer listed the view keeps its
    // scroll position, so it does not jump.
    const int top = find(before.top);
    SetTopRow(top >= 0 ? top : before.topRow);
}
