#include "views/contact_details.h"

#include <initializer_list>
#include <string_view>

#include "core/item.h"

namespace {

// Values of the named variables that have text, joined by ", ".
std::u16string joinValues(const CDvItem& contact, std::u16string_view prefix,
                          std::initializer_list<std::u16string_view> fields) {
    std::u16string out;
    for (std::u16string_view field : fields) {
        // Company is one field for both parts: contacts have no personal or business company.
        const std::u16string name =
            field == u"Company" ? std::u16string(field) : std::u16string(prefix) + std::u16string(field);
        const std::u16string value = contact.vars.GetText(name);
        if (value.empty()) continue;
        if (!out.empty()) out += u", ";
        out += value;
    }
    return out;
}

void appendPart(std::u16string& out, std::u16string_view heading, const std::u16string& values) {
    if (values.empty()) return;
    out += heading;
    out += values;
}

}  // namespace

std::u16string DvContactDetailsText(const CDvItem& contact) {
    const auto reach = [&contact](std::u16string_view prefix) {
        return joinValues(contact, prefix, {u"E-mails", u"Tellvo", u"Mobile phone", u"Phone", u"Web", u"Company"});
    };
    std::u16string out;
    appendPart(out, u"Personal: ", reach(u"[Personal] "));
    appendPart(out, u"\r\nBusiness: ", reach(u"[Business] "));
    appendPart(out, u"\r\nPersonal address: ",
               joinValues(contact, u"[Personal] ", {u"Street address", u"ZIP", u"City", u"State", u"Country"}));
    appendPart(out, u"\r\nnote:", contact.GetPlainText());
    return out;
}
