#pragma once
// The live filter panel of the main window (and of the search tool) without widgets: its
// commands, which controls are enabled, their tooltips, the options menu, and the 200 ms timer
// that turns a burst of changes into one refresh and blinks the status label.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "views/live_filter.h"

class CDvDoc;

/// The owner of the panel; the main window answers a refresh request with RefreshContents.
class DvFilterListener {
public:
    virtual ~DvFilterListener() = default;
    virtual void FilterRefreshRequested() {}
};

enum class DvFilterControl { TextCheck, Phrase, KeywordCheck, KeywordList, Or, And, Options };

enum class DvFilterMenuCommand { SelectAll, UnselectAll, Separator, SortByPopularity, SortAlphabetically };

struct DvFilterMenuEntry {
    DvFilterMenuCommand command;
    std::u16string_view text;  // empty for the separator
    friend bool operator==(const DvFilterMenuEntry&, const DvFilterMenuEntry&) = default;
};

class CDvFilterDlgModel {
public:
    static constexpr int kTickMs = 200;
    static constexpr int kBlinkTicks = 3;
    static constexpr std::u16string_view kInactiveLabel = u"Filter inactive";
    static constexpr std::u16string_view kActiveLabel = u"Filter active";

    /// Starts in the initial state: "OR", both filters off, keywords sorted alphabetically.
    explicit CDvFilterDlgModel(CDvDoc& doc, DvFilterListener* owner = nullptr);
    /// The main window's panel: works on the window's own filter, which every view consults.
    CDvFilterDlgModel(CDvLiveFilter& filter, DvFilterListener* owner);
    CDvFilterDlgModel(const CDvFilterDlgModel&) = delete;
    CDvFilterDlgModel& operator=(const CDvFilterDlgModel&) = delete;

    CDvLiveFilter& Filter() { return filter_; }
    const CDvLiveFilter& Filter() const { return filter_; }

    // The user's commands; each sets the changed flag as the panel's rules say.
    void SetTextFilterActive(bool on);
    void SetPhrase(std::u16string phrase);
    void SetKeywordFilterActive(bool on);
    /// "And" (true) or "OR" (false).
    void SetAllKeywordsMode(bool all);
    void SetRowSelected(int row, bool selected);

    /// ">>": "select all", "unselect all", a separator, and the sort order not in use.
    std::vector<DvFilterMenuEntry> OptionsMenu() const;
    void RunMenuCommand(DvFilterMenuCommand command);

    bool IsEnabled(DvFilterControl control) const;
    std::u16string Tooltip(DvFilterControl control) const;

    /// One 200 ms tick: a pending change becomes one refresh request; every third tick the
    /// status label blinks while a filter is active.
    void Tick();
    const std::u16string& StatusText() const { return status_; }
    bool Changed() const { return changed_; }

private:
    std::unique_ptr<CDvLiveFilter> own_;  // the search tool's panel keeps a filter of its own
    CDvLiveFilter& filter_;
    DvFilterListener* owner_;
    bool changed_ = false;
    int ticks_ = 0;
    bool blinkShown_ = false;
    std::u16string status_{kInactiveLabel};
};
