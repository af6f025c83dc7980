#pragma once
// The date-format page of the options dialog: a field for the long and one for the short date
// pattern, each with a menu of offered patterns and a preview line.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum class DvPatternOfferKind {
    Clear,       // empties the field: the built-in pattern applies
    Whole,       // replaces the field's text
    Conversion,  // a single conversion, inserted at the caret
};

struct DvPatternOffer {
    int id = 0;  // menu number, from 1
    DvPatternOfferKind kind = DvPatternOfferKind::Clear;
    std::u16string pattern;  // empty for Clear
    std::u16string label;    // pattern + "\t(" + today in that pattern + ")"
    bool separatorBefore = false;
};

/// The offered patterns in menu order, labelled with today's date.
std::vector<DvPatternOffer> DvDatePatternOffers();

/// A line edit's text and selection; the caret sits at `selectionEnd`.
struct DvPatternField {
    std::u16string text;
    std::size_t selectionStart = 0;
    std::size_t selectionEnd = 0;
};

class DvDateFormatPageModel {
public:
    /// How often the previews are redrawn while the page is open.
    static constexpr int kPreviewRefreshMs = 300;

    /// Opens the page on the stored patterns.
    DvDateFormatPageModel(std::u16string longPattern, std::u16string shortPattern);

    DvPatternField& Field(bool longForm) { return longForm ? long_ : short_; }
    const DvPatternField& Field(bool longForm) const { return longForm ? long_ : short_; }

    /// "Preview: " + now in the field's pattern, or in the stored format when the field is empty.
    std::u16string Preview(bool longForm) const;

    /// Applies the offer numbered `id` to a field; false, with nothing changed, for an unknown id.
    bool ApplyOffer(bool longForm, int id);

    /// What OK stores: both fields, by option key.
    void Store(const std::function<void(std::u16string_view key, std::u16string_view value)>& write) const;

private:
    DvPatternField long_;
    DvPatternField short_;
};
