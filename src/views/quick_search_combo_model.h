#pragma once
// The quick search box of the main window, without widgets: half a second after the user stops
// typing it lists up to thirty matches from the current folder, and when fewer than ten were found
// there, matches from the rest of the document under a separator row.
#include <string>
#include <string_view>
#include <vector>

#include "platform/millisecond_clock.h"
#include "views/list_entry.h"

class CDvDoc;

inline constexpr std::u16string_view kDvOutOfScopeRow = u"-- Out of current scope :";
inline constexpr std::u16string_view kDvQuickSearchFocusHint = u"Quick search: simply start entering words.\r\n";

/// The title as a drop-down row shows it: cut to 47 characters and "..." when longer than 50,
/// followed by "  [Task]" (or the item's other type name) for rows after the separator.
std::u16string DvQuickSearchRowText(std::u16string_view title, int itemType, bool outOfScope);

/// The window that owns the box.
class DvQuickSearchListener {
public:
    virtual ~DvQuickSearchListener() = default;
    /// Switch to the item's view and select it.
    virtual void LocateItem(const std::u16string& guid) { (void)guid; }
};

class CDvQuickSearchComboBoxModel {
public:
    static constexpr int kTimerMs = 500;
    static constexpr int kPassResults = 30;      // passes 1 and 2
    static constexpr int kEnoughInScope = 10;    // fewer found in scope: search the rest too
    static constexpr int kFewEntries = 3;        // fewer listed after that: try partial keywords
    static constexpr int kPartialResults = 10;   // pass 3
    static constexpr int kWiderBy = 160;         // pixels added to a narrow drop-down list

    explicit CDvQuickSearchComboBoxModel(CDvDoc& doc, DvQuickSearchListener* owner = nullptr,
                                         const dv::MillisecondClock& clock = dv::millisecondClock());

    /// Stores the folder and item type the first pass searches. Returns true on the first call,
    /// when the owner is to start the 500 ms timer and widen the drop-down list (DropDownWidth).
    bool SetScope(std::u16string folderPath, int itemType);
    const std::u16string& ScopeFolder() const { return scopeFolder_; }
    int ScopeType() const { return scopeType_; }
    /// The drop-down list's width: 160 pixels wider when it is between 11 and 599 pixels.
    static int DropDownWidth(int width);

    /// The user edited the text: a search is pending, unless the program itself is changing it.
    void TextChanged(std::u16string text);
    /// Changes the text without starting a search.
    void SetTextSilently(std::u16string text);
    const std::u16string& Text() const { return text_; }
    bool Pending() const { return pending_; }

    /// One 500 ms tick: runs the pending search. Returns whether it ran.
    bool Tick();
    /// The three passes and the rows of the drop-down list, which is then to be shown. Text
    /// without words empties and hides the list.
    void Fill();

    const std::vector<DvListEntry>& Entries() const { return entries_; }
    const std::vector<std::u16string>& Rows() const { return rows_; }
    bool DropDownShown() const { return dropDownShown_; }

    /// The row the user chose: the owner locates its item; the separator, or a row whose item is
    /// gone, does nothing. Returns whether an item was located.
    bool EntryChosen(int row);

    /// The hint for the status area when the box gets the focus.
    static std::u16string_view FocusHint() { return kDvQuickSearchFocusHint; }

private:
    CDvDoc& doc_;
    DvQuickSearchListener* owner_;
    const dv::MillisecondClock& clock_;
    std::u16string scopeFolder_;
    int scopeType_ = 0;
    bool scopeSet_ = false;
    std::u16string text_;
    bool pending_ = false;
    bool suppress_ = false;
    std::vector<DvListEntry> entries_;
    std::vector<std::u16string> rows_;
    bool dropDownShown_ = false;
};
