#include "core/contact_fields.h"

#include <string_view>

namespace {

constexpr std::u16string_view kNameFields[] = {u"First name", u"Middle name", u"Last name", u"Nick", u"Company"};
constexpr std::u16string_view kPerPlaceFields[] = {
    u"Title", u"Street address", u"City", u"State", u"ZIP",   u"Country", u"E-mails", u"Tellvo", u"Web",
    u"Phone", u"Mobile phone",   u"Fax",  u"Skype", u"ICQ",   u"MSN",     u"Yahoo",   u"Jabber",
};

}  // namespace

const std::vector<std::u16string>& DvContactFieldNames() {
    static const std::vector<std::u16string> names = [] {
        std::vector<std::u16string> out(std::begin(kNameFields), std::end(kNameFields));
        for (std::u16string_view prefix : {u"[Personal] ", u"[Business] "})
            for (std::u16string_view field : kPerPlaceFields) out.push_back(std::u16string(prefix) + std::u16string(field));
        return out;
    }();
    return names;
}

const std::vector<std::u16string>& DvContactNameFieldNames() {
    static const std::vector<std::u16string> names(std::begin(kNameFields), std::end(kNameFields));
    return names;
}

const std::vector<std::u16string>& DvContactSectionFieldNames() {
    static const std::vector<std::u16string> names(std::begin(kPerPlaceFields), std::end(kPerPlaceFields));
    return names;
}

std::u16string DvComposeContactTitle(std::u16string_view first, std::u16string_view middle, std::u16string_view last,
                                     std::u16string_view company) {
    std::u16string title;
    for (std::u16string_view name : {first, middle, last})
        if (!name.empty()) (title += name) += u' ';
    while (!title.empty() && title.back() == u' ') title.pop_back();
    // Only when no name was given at all: a first name of blanks still counts as given.
    if (first.empty() && middle.empty() && last.empty()) return std::u16string(company);
    return title;
}
