#pragma once
// A range of a one-line or rich text, as the edit boxes select it.

/// A selection in a text, in UTF-16 units; `end` is where the caret is.
struct DvTextSelection {
    int start = 0;
    int end = 0;
    bool Empty() const { return start == end; }
    friend bool operator==(const DvTextSelection&, const DvTextSelection&) = default;
};
