#include "views/find_text_model.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>

#include "platform/ui.h"

namespace {

// The folded code point at `i`, advancing `i` past it.
UChar32 foldedAt(std::u16string_view text, size_t& i) {
    UChar32 c;
    const auto length = static_cast<int32_t>(text.size());
    auto at = static_cast<int32_t>(i);
    U16_NEXT(text.data(), at, length, c);
    i = static_cast<size_t>(at);
    return u_foldCase(c, U_FOLD_CASE_DEFAULT);
}

// The length in `haystack` of a match of `needle` starting at `start`, or 0.
size_t matchAt(std::u16string_view haystack, size_t start, std::u16string_view needle) {
    size_t h = start, n = 0;
    while (n < needle.size()) {
        if (h >= haystack.size()) return 0;
        if (foldedAt(haystack, h) != foldedAt(needle, n)) return 0;
    }
    return h - start;
}

}  // namespace

std::optional<DvTextSelection> DvFindNoCase(std::u16string_view haystack, std::u16string_view needle, int from) {
    if (needle.empty()) return std::nullopt;
    for (size_t start = static_cast<size_t>(std::max(from, 0)); start < haystack.size(); ++start) {
        if (U16_IS_TRAIL(haystack[start]) && start > 0 && U16_IS_LEAD(haystack[start - 1])) continue;
        if (const size_t length = matchAt(haystack, start, needle))
            return DvTextSelection{static_cast<int>(start), static_cast<int>(start + length)};
    }
    return std::nullopt;
}

std::u16string& CDvFindTextDlgModel::LastSearchText() {
    static std::u16string last;
    return last;
}

CDvFindTextDlgModel::CDvFindTextDlgModel() : text(LastSearchText()) {}

std::optional<DvTextSelection> CDvFindTextDlgModel::Next(std::u16string_view contents, DvTextSelection selection) {
    const bool sameText = searchedOnce_ && text == searched_;
    const int from = sameText ? std::max(selection.start, selection.end) : 0;
    searched_ = text;
    searchedOnce_ = true;
    LastSearchText() = text;
    auto found = DvFindNoCase(contents, text, from);
    if (!found) dv::ui().Beep();
    return found;
}
