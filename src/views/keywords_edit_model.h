#pragma once
// The keywords edit box without a widget: keywords typed as one text separated by commas, a hint
// for people who separate them with spaces, and auto-complete from the keywords already in use.
#include <string>
#include <string_view>
#include <vector>

#include "views/text_selection.h"

class CDvDoc;

/// The part of `text` auto-complete works on: the selection when there is one; otherwise the text
/// from the last comma before the caret up to the caret, without the commas and spaces around it
/// (an empty range at the caret when nothing is left).
DvTextSelection DvKeywordFragment(std::u16string_view text, DvTextSelection selection);

/// Auto-complete candidates for `fragment`: first the keywords of items sharing a folder scope with
/// `itemFolders` (one of those folders contains one of the item's, subfolders included), at most
/// 200; then an empty entry that separates the passes; then, while fewer than 200 entries were
/// collected, up to 100 more from every item. A keyword counts when, in lower case, it is not empty,
/// contains the lower-case fragment and is not yet a candidate. Each pass is sorted on its own.
std::vector<std::u16string> DvKeywordCandidates(const CDvDoc& doc, const std::vector<std::u16string>& itemFolders,
                                                std::u16string_view fragment);

enum class DvAutoCompleteOutcome {
    NothingFound,  // the previous selection is back
    Replaced,      // the only candidate replaced the fragment
    MenuOffered,   // Menu() lists the candidates; ChooseCandidate or DismissMenu follows
};

class CDvKeywordsEditModel {
public:
    static constexpr std::u16string_view kCommaHint =
        u"Do you remember, that you should separate keywords with commas, not spaces?";

    /// The hint for a text as typed: three or more spaces and no comma. Empty otherwise.
    static std::u16string_view HintFor(std::u16string_view text);

    std::u16string text;
    DvTextSelection selection;

    /// The Down arrow or Ctrl+Space. `itemFolders` are the folders of the item being edited.
    DvAutoCompleteOutcome AutoComplete(const CDvDoc& doc, const std::vector<std::u16string>& itemFolders);
    /// The fragment of the last auto-complete, as it lay in the text before any replacement; a
    /// binding replaces it through the widget so that the replacement can be undone.
    DvTextSelection Fragment() const { return fragment_; }
    /// The candidates offered; an empty entry is drawn as a separator.
    const std::vector<std::u16string>& Menu() const { return menu_; }
    /// A menu entry chosen: it replaces the fragment. The separator does nothing.
    void ChooseCandidate(int index);
    /// The menu closed without a choice: the previous selection is back.
    void DismissMenu();

private:
    void replaceFragment(const std::u16string& candidate);

    DvTextSelection previous_;
    DvTextSelection fragment_;
    std::vector<std::u16string> menu_;
};
