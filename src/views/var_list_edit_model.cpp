#include "views/var_list_edit_model.h"

#include <algorithm>

#include "core/item.h"
#include "platform/text.h"

namespace {

std::u16string displayText(const CDvElement& element, std::u16string_view name) {
    if (element.kind == DvElementKind::Item) return static_cast<const CDvItem&>(element).GetVar(name).AsText();
    return element.GetElementVar(dv::asciiLower(name)).AsText();
}

const std::u16string kNoText;

}  // namespace

CDvVarListEditModel::CDvVarListEditModel(CDvElement& element, std::vector<DvColumn> columns) : element_(element) {
    rows_.reserve(columns.size());
    for (DvColumn& column : columns) {
        std::u16string value = displayText(element_, column.name);
        rows_.push_back({std::move(column.name), std::move(value)});
    }
}

const std::u16string& CDvVarListEditModel::NameAt(int row) const {
    return row >= 0 && row < RowCount() ? rows_[static_cast<size_t>(row)].name : kNoText;
}

const std::u16string& CDvVarListEditModel::ValueAt(int row) const {
    return row >= 0 && row < RowCount() ? rows_[static_cast<size_t>(row)].value : kNoText;
}

void CDvVarListEditModel::SelectRow(int row) {
    if (row >= 0 && row < RowCount()) selected_ = row;
}

bool CDvVarListEditModel::StartEditing(int row) {
    if (row < 0 || row >= RowCount()) return false;
    selected_ = row;
    editRow_ = row;
    editText = rows_[static_cast<size_t>(row)].value;
    return true;
}

bool CDvVarListEditModel::RunRequest(std::u16string_view request) {
    return dv::equalsAsciiNoCase(request, kDvStartEditingRequest) && StartEditing(selected_);
}

void CDvVarListEditModel::KeyPressed(DvVarListKey key) {
    if (!IsEditing()) return;
    const int row = editRow_;
    Commit();
    if (key == DvVarListKey::Up) selected_ = std::max(row - 1, 0);
    if (key == DvVarListKey::Down) selected_ = std::min(row + 1, RowCount() - 1);
}

void CDvVarListEditModel::Commit() {
    if (!IsEditing()) return;
    Row& row = rows_[static_cast<size_t>(editRow_)];
    element_.vars.SetText(row.name, editText);
    row.value = editText;
    editRow_ = -1;
}

void CDvVarListEditModel::CancelEditing() { editRow_ = -1; }
