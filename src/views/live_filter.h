#pragma once
// The live filter: a phrase looked for in item titles and a selection of the keywords that occur
// in the current scope, requiring all of them or any. Every view asks ItemPassesFilter of each
// item it lists; the keyword table is rebuilt whenever the main window refreshes its contents.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CDvDoc;
class CDvItem;

/// One keyword of the scope and how many keyword entries of the items in scope hold it.
struct DvKeywordEntry {
    std::u16string keyword;
    int count = 0;
    friend bool operator==(const DvKeywordEntry&, const DvKeywordEntry&) = default;
};

/// "urgent (3)".
std::u16string DvKeywordRowText(const DvKeywordEntry& entry);

class CDvLiveFilter {
public:
    explicit CDvLiveFilter(CDvDoc& doc);

    /// The scope the next rebuild lists keywords for: a folder path and an item type (0 all).
    void Prepare(std::u16string_view folderPath, int itemType);
    const std::u16string& ScopeFolder() const { return scopeFolder_; }
    int ScopeType() const { return scopeType_; }

    bool includeSubfolders = true;  // the scope is the folder and everything below it
    bool allKeywords = false;       // "And": every selected keyword is required; else any one ("OR")
    bool alphabetical = true;       // keyword order: alphabetical, else most frequent first

    bool TextFilterOn() const { return textFilterOn_; }
    void SetTextFilterOn(bool on) { textFilterOn_ = on; }
    const std::u16string& Phrase() const { return phrase_; }
    void SetPhrase(std::u16string phrase);
    bool KeywordFilterOn() const { return keywordFilterOn_; }
    /// Switching only; the caller rebuilds the keyword list.
    void SetKeywordFilterOn(bool on) { keywordFilterOn_ = on; }

    /// The keyword filter is on, or the text filter is on with a phrase.
    bool IsFilterActive() const;

    /// The per-item test of every view. With `checkScope` the item must also lie in the scope
    /// folder and be of the scope type; the views leave it off since they collected by scope.
    bool ItemPassesFilter(const CDvItem& item, bool checkScope = false) const;

    /// Both steps of a rebuild, as RefreshContents and the panel's commands run it.
    void RebuildKeywordList();
    /// Empties the visible list and recomputes the keyword table from the items in scope, sorted;
    /// remembers the selection first when the scope is the one of the previous rebuild. While the
    /// table is not yet shown, the list counts as being rebuilt and every item fails the keyword
    /// test.
    void RebuildKeywordTable();
    /// Shows the table as the visible list and re-selects the remembered keywords.
    void FillKeywordList();

    const std::vector<DvKeywordEntry>& KeywordTable() const { return table_; }
    int RowCount() const { return static_cast<int>(selected_.size()); }
    std::u16string RowText(int row) const;
    bool IsRowSelected(int row) const;
    void SetRowSelected(int row, bool selected);
    /// Selects or clears every row; only while the list shows the whole table.
    void SelectAll(bool selected);
    /// The keywords of the selected rows, in row order.
    std::vector<std::u16string> SelectedKeywords() const;

private:
    bool passesKeywordTest(const CDvItem& item) const;
    bool listIsRebuilding() const { return selected_.size() != table_.size(); }

    CDvDoc& doc_;
    std::u16string scopeFolder_ = u"\\";
    int scopeType_ = 0;
    struct Scope {
        std::u16string folder;
        int itemType;
    };
    std::optional<Scope> lastRebuild_;

    bool textFilterOn_ = false;
    std::u16string phrase_;
    std::u16string lowerPhrase_;
    bool keywordFilterOn_ = false;

    std::vector<DvKeywordEntry> table_;
    std::vector<char> selected_;  // one per visible row
    std::vector<std::u16string> remembered_;
};
