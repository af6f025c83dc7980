#include "schedule/date_format_page.h"

#include <algorithm>
#include <utility>

#include "core/date_time.h"
#include "schedule/date_format.h"

namespace {

struct OfferRow {
    DvPatternOfferKind kind;
    const char16_t* pattern;
    bool separatorBefore;
};

using enum DvPatternOfferKind;

constexpr OfferRow kOffers[] = {
    {Clear, u"", false},
    {Whole, u"%Y-%m-%d", true}, {Whole, u"%Y-%B-%d", false}, {Whole, u"%Y-%b-%d", false},
    {Whole, u"%Y-%b-%d %A", false},
    {Whole, u"%m-%d-%Y", true}, {Whole, u"%B-%d-%Y", false}, {Whole, u"%b-%d-%Y", false},
    {Whole, u"%d-%m-%Y", true}, {Whole, u"%d-%B-%Y", false}, {Whole, u"%d-%b-%Y", false},
    {Whole, u"%A %d-%b-%Y", false},
    {Conversion, u"%Y", true}, {Conversion, u"%y", false}, {Conversion, u"%m", false}, {Conversion, u"%b", false},
    {Conversion, u"%B", false}, {Conversion, u"%d", false}, {Conversion, u"%a", false}, {Conversion, u"%A", false},
};

}  // namespace

std::vector<DvPatternOffer> DvDatePatternOffers() {
    const DvDateTime today = DvDateTime::Now();
    std::vector<DvPatternOffer> out;
    int id = 1;
    for (const OfferRow& row : kOffers) {
        DvPatternOffer offer{id++, row.kind, row.pattern, {}, row.separatorBefore};
        offer.label = row.kind == Clear ? u"clear (system default)"
                                        : offer.pattern + u"\t(" + DvFormatPattern(today, offer.pattern) + u")";
        out.push_back(std::move(offer));
    }
    return out;
}

DvDateFormatPageModel::DvDateFormatPageModel(std::u16string longPattern, std::u16string shortPattern) {
    long_.text = std::move(longPattern);
    short_.text = std::move(shortPattern);
    long_.selectionStart = long_.selectionEnd = long_.text.size();
    short_.selectionStart = short_.selectionEnd = short_.text.size();
}

std::u16string DvDateFormatPageModel::Preview(bool longForm) const {
    const DvDateTime now = DvDateTime::Now();
    const std::u16string& pattern = Field(longForm).text;
    return u"Preview: " + (pattern.empty() ? DvFormatDate(now, longForm, false) : DvFormatPattern(now, pattern));
}

bool DvDateFormatPageModel::ApplyOffer(bool longForm, int id) {
    if (id < 1 || id > static_cast<int>(std::size(kOffers))) return false;
    const OfferRow& row = kOffers[id - 1];
    DvPatternField& field = Field(longForm);
    if (row.kind == Conversion) {
        const std::size_t size = field.text.size();
        const std::size_t from = std::min({field.selectionStart, field.selectionEnd, size});
        const std::size_t to = std::min(std::max(field.selectionStart, field.selectionEnd), size);
        const std::u16string_view pattern = row.pattern;
        field.text.replace(from, to - from, pattern);
        field.selectionStart = field.selectionEnd = from + pattern.size();
    } else {
        field.text = row.pattern;
        field.selectionStart = field.selectionEnd = field.text.size();
    }
    return true;
}

void DvDateFormatPageModel::Store(
    const std::function<void(std::u16string_view key, std::u16string_view value)>& write) const {
    write(kDvOptLongDate, long_.text);
    write(kDvOptShortDate, short_.text);
}
