#pragma once
// The find-text box over a displayed item's contents, without widgets: a forward search that
// ignores letter case, continuing after the current selection, or starting again from the top
// once the text to find has changed.
#include <optional>
#include <string>
#include <string_view>

#include "views/text_selection.h"

/// The first occurrence of `needle` in `haystack` at or after `from`, comparing code points by
/// their simple case folding (so positions and lengths are those of `haystack`); empty when there
/// is none or `needle` is empty.
std::optional<DvTextSelection> DvFindNoCase(std::u16string_view haystack, std::u16string_view needle, int from);

class CDvFindTextDlgModel {
public:
    /// Offers the last text searched for in this run of the program.
    CDvFindTextDlgModel();

    std::u16string text;  // the search box

    /// "Next" over `contents` (the displayed text) whose current selection is `selection`: from
    /// the selection's end, or from the top when the text differs from the last one searched.
    /// The occurrence found is to be selected and scrolled into view; nothing found beeps.
    std::optional<DvTextSelection> Next(std::u16string_view contents, DvTextSelection selection);

    /// The text of the last search, kept for the program's lifetime.
    static std::u16string& LastSearchText();

private:
    std::u16string searched_;  // what the previous Next of this box looked for
    bool searchedOnce_ = false;
};
