#include "core/row_table.h"

#include "platform/text.h"

namespace {

// "&" goes first on writing and last on reading, so an escape-like text typed into a field
// ("&#44;") comes back as typed instead of turning into the character it names.
std::u16string escapeField(std::u16string_view field) {
    std::u16string out(field);
    dv::replaceAll(out, u"&", u"&amp;");
    dv::replaceAll(out, u"\r", u"&#13;");
    dv::replaceAll(out, u"\n", u"&#10;");
    dv::replaceAll(out, u",", u"&#44;");
    return out;
}

std::u16string unescapeField(std::u16string field) {
    dv::replaceAll(field, u"&#13;", u"\r");
    dv::replaceAll(field, u"&#10;", u"\n");
    dv::replaceAll(field, u"&#44;", u",");
    dv::replaceAll(field, u"&amp;", u"&");
    return field;
}

}  // namespace

std::u16string DvRowTableToText(const DvRowTable& rows) {
    std::vector<std::u16string> rowTexts;
    rowTexts.reserve(rows.size());
    for (const auto& fields : rows) {
        std::vector<std::u16string> escaped;
        escaped.reserve(fields.size());
        for (const auto& field : fields) escaped.push_back(escapeField(field));
        std::u16string row = dv::join(escaped, u",");
        dv::replaceAll(row, u"|", u"&#124;");
        rowTexts.push_back(std::move(row));
    }
    return dv::join(rowTexts, u"|");
}

DvRowTable DvRowTableFromText(std::u16string_view text) {
    DvRowTable rows;
    if (text.empty()) return rows;
    for (std::u16string row : dv::split(text, u'|')) {
        dv::replaceAll(row, u"&#124;", u"|");
        std::vector<std::u16string> fields;
        for (auto& field : dv::split(row, u',')) fields.push_back(unescapeField(std::move(field)));
        rows.push_back(std::move(fields));
    }
    return rows;
}
