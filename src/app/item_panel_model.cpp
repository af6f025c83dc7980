#include "app/item_panel_model.h"

#include <algorithm>

#include "app/list_options.h"
#include "core/doc.h"
#include "core/folder.h"
#include "platform/text.h"
#include "platform/ui.h"
#include "views/cell_text.h"
#include "views/column_store.h"

namespace {

// The program's own values (title, stamps, task times...) are fields of the item, not variables:
// they are shown, but edited in the item's editor, where their rules apply.
bool isFixedField(std::u16string_view name) { return dv::startsWith(dv::asciiLower(name), u"dv_"); }

std::u16string folderOf(const CDvItem& item) {
    return item.folders.empty() ? std::u16string(kDvRootPath) : item.folders.front();
}

}  // namespace

std::u16string_view DvItemPanelTabName(int tab) {
    switch (tab) {
    case DV_PANEL_TAB_NOTE:
        return u"Note";
    case DV_PANEL_TAB_EDIT_VALUES:
        return u"Edit values";
    case DV_PANEL_TAB_SHOW_VALUES:
        return u"Show values";
    default:
        return {};
    }
}

CDvItemPanelModel::CDvItemPanelModel(CDvDoc& doc, DvItemPanelEditor& editor) : doc_(doc), editor_(editor) {}

CDvItemPanelModel::~CDvItemPanelModel() = default;

void CDvItemPanelModel::DisplayItem(std::u16string_view guid) {
    if (shown_) SaveBack();
    std::unique_ptr<CDvItem> copy;
    if (!guid.empty()) {
        auto lock = doc_.Lock();
        if (const CDvItem* item = doc_.FindItemByGuid(guid)) copy = std::make_unique<CDvItem>(*item);
    }
    display(nullptr, std::move(copy));
}

void CDvItemPanelModel::DisplayItemInPlace(CDvItem& item) {
    if (shown_) SaveBack();
    display(&item, nullptr);
}

void CDvItemPanelModel::display(CDvItem* inPlace, std::unique_ptr<CDvItem> copy) {
    values_.reset();
    valuesAsLoaded_.reset();
    copy_ = std::move(copy);
    shown_ = inPlace ? inPlace : copy_.get();
    if (!shown_) {
        editor_.LoadRtf({});
        editor_.ClearModified();
        modified_ = false;
        return;
    }
    loaded_ = true;
    editor_.LoadRtf(shown_->contents.Bytes());
    editor_.ClearModified();
    valuesAsLoaded_ = shown_->vars;
    if (tab_ == DV_PANEL_TAB_EDIT_VALUES) fillValues();
    modified_ = false;
}

bool CDvItemPanelModel::valuesModified() const {
    return shown_ && valuesAsLoaded_ && !(shown_->vars == *valuesAsLoaded_);
}

bool CDvItemPanelModel::IsModified() const { return modified_ || editor_.IsModified() || valuesModified(); }

void CDvItemPanelModel::SaveBack() {
    if (!IsModified() || !shown_ || !loaded_) return;
    auto lock = doc_.Lock();
    if (editor_.IsModified()) {
        shown_->InvalidatePlainText();
        const std::string rtf = editor_.SaveRtf();
        shown_->contents.Assign({reinterpret_cast<const uint8_t*>(rtf.data()), rtf.size()});
        editor_.ClearModified();
    }
    if (CDvItem* target = doc_.FindItemByGuid(shown_->guid)) {
        // An edited item is a modified one, whichever way it is written: lists sort and exports
        // pick changes by this stamp.
        shown_->Touch();
        if (target != shown_) *target = *shown_;
    }
    modified_ = false;
    editor_.ClearModified();
    valuesAsLoaded_ = shown_->vars;
}

int CDvItemPanelModel::SelectTab(int tab) {
    const bool available = (tab == DV_PANEL_TAB_NOTE) || (tab == DV_PANEL_TAB_EDIT_VALUES && editValuesAvailable_) ||
                           (tab == DV_PANEL_TAB_SHOW_VALUES && showValuesAvailable_);
    if (!available) {
        tab_ = DV_PANEL_TAB_NOTE;
        dv::ui().OfferAdvisor(u"Tab '" + std::u16string(DvItemPanelTabName(tab)) +
                              u"' is not available in this view or nothing is selected. Some tabs are only "
                              u"available in 'Contacts' view.");
        return tab_;
    }
    tab_ = tab;
    if (tab_ == DV_PANEL_TAB_EDIT_VALUES && shown_ && !values_) fillValues();
    return tab_;
}

void CDvItemPanelModel::SetEditValuesAvailable(bool available) {
    editValuesAvailable_ = available;
    if (!available && tab_ == DV_PANEL_TAB_EDIT_VALUES) tab_ = DV_PANEL_TAB_NOTE;
}

void CDvItemPanelModel::SetShowValuesAvailable(bool available) {
    showValuesAvailable_ = available;
    if (!available && tab_ == DV_PANEL_TAB_SHOW_VALUES) tab_ = DV_PANEL_TAB_NOTE;
}

std::vector<DvColumn> CDvItemPanelModel::valueColumns() const {
    auto lock = doc_.Lock();
    return DvColumnsGetAvailableCols(doc_, folderOf(*shown_), shown_->itemType);
}

void CDvItemPanelModel::fillValues() {
    std::vector<DvColumn> columns = valueColumns();
    std::erase_if(columns, [](const DvColumn& c) { return isFixedField(c.name); });
    values_ = std::make_unique<CDvVarListEditModel>(*shown_, std::move(columns));
}

std::u16string CDvItemPanelModel::ValuesText() const {
    if (!shown_) return {};
    // The values read as the lists show them: dates in the date format, priority and completion
    // as the options say.
    const DvListOptions options = DvCurrentListOptions();
    std::u16string text;
    for (const DvColumn& column : valueColumns()) {
        const std::u16string value = DvCellText(*shown_, column.name, options);
        if (value.empty()) continue;
        text += (column.displayName.empty() ? column.name : column.displayName) + u": " + value + u"\n";
    }
    return text;
}
