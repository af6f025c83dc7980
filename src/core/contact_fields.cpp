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
