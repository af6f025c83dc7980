#pragma once
// The item panel beside the lists, without widgets: a working copy of the selected item, its
// rich-text contents in an editor and its values in a list, written back into the document when
// the user leaves the editor or picks another item.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/item.h"
#include "views/var_list_edit_model.h"

class CDvDoc;

/// The rich-text editor as the panel sees it. The window implements it over its text widget.
class DvItemPanelEditor {
public:
    virtual ~DvItemPanelEditor() = default;
    /// Shows RTF contents (empty: an empty document).
    virtual void LoadRtf(std::span<const uint8_t> rtf) = 0;
    /// The editor's contents as RTF.
    virtual std::string SaveRtf() const = 0;
    /// The editor's own modification mark: set by typing and formatting.
    virtual bool IsModified() const = 0;
    virtual void ClearModified() = 0;
};

enum DvItemPanelTab : int { DV_PANEL_TAB_NOTE = 1, DV_PANEL_TAB_EDIT_VALUES = 2, DV_PANEL_TAB_SHOW_VALUES = 3 };

/// "Note", "Edit values", "Show values"; empty for another number.
std::u16string_view DvItemPanelTabName(int tab);

class CDvItemPanelModel {
public:
    CDvItemPanelModel(CDvDoc& doc, DvItemPanelEditor& editor);
    ~CDvItemPanelModel();

    /// Saves the shown item back, then shows a working copy of the document's item with `guid`,
    /// or empties the panel for an empty GUID or one that names no item.
    void DisplayItem(std::u16string_view guid);
    /// Saves back, then lets the panel edit the document's `item` itself instead of a working
    /// copy; save back then finds the very object shown and only renews its modified stamp.
    void DisplayItemInPlace(CDvItem& item);

    /// Writes the panel's changes into the document. Nothing happens without a change, without
    /// an item, or when the item has meanwhile left the document.
    void SaveBack();

    /// The panel's own flag, the editor's mark or a changed value.
    bool IsModified() const;
    /// Sets the panel's own modified flag (a change made outside the editor and the values list).
    void SetModified() { modified_ = true; }
    bool Loaded() const { return loaded_; }
    /// The item shown (the working copy), or nullptr.
    const CDvItem* Shown() const { return shown_; }

    int CurrentTab() const { return tab_; }
    /// Selects `tab`; an unavailable one gives "Note" and a notice to the advisor. Returns the tab
    /// now current.
    int SelectTab(int tab);
    /// Set by the view that uses the panel. A current tab that becomes unavailable gives way to
    /// "Note" without a notice.
    void SetEditValuesAvailable(bool available);
    void SetShowValuesAvailable(bool available);
    bool EditValuesAvailable() const { return editValuesAvailable_; }
    bool ShowValuesAvailable() const { return showValuesAvailable_; }

    /// The values of the shown item for in-place editing; nullptr while no item is shown or the
    /// list has not been filled (it is filled when "Edit values" is current).
    CDvVarListEditModel* Values() { return values_.get(); }
    /// "name: value" lines of the shown item's values, for "Show values".
    std::u16string ValuesText() const;

private:
    void display(CDvItem* inPlace, std::unique_ptr<CDvItem> copy);
    bool valuesModified() const;
    void fillValues();
    std::vector<DvColumn> valueColumns() const;

    CDvDoc& doc_;
    DvItemPanelEditor& editor_;
    std::unique_ptr<CDvItem> copy_;
    CDvItem* shown_ = nullptr;  // copy_, or the item shown in place
    std::unique_ptr<CDvVarListEditModel> values_;
    std::optional<CDvVarSet> valuesAsLoaded_;  // the values list reports a change against these
    bool loaded_ = false;
    bool modified_ = false;
    int tab_ = DV_PANEL_TAB_NOTE;
    bool editValuesAvailable_ = true;
    bool showValuesAvailable_ = true;
};
