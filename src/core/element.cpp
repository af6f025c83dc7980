#include "core/element.h"

#include "core/archive.h"
#include "platform/guid.h"
#include "platform/locale_text.h"
#include "platform/text.h"

namespace {

char16_t asciiLowerUnit(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

// GUID texts are ASCII hex digits, so ASCII case folding is the whole rule; it also keeps lookups
// by GUID over many items cheap and free of collation surprises.
bool equalsGuidText(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (asciiLowerUnit(a[i]) != asciiLowerUnit(b[i])) return false;
    return true;
}

}  // namespace

CDvElement::CDvElement(DvElementKind elementKind)
    : created(DvDateTime::Now()), modified(created), kind(elementKind) {}

void CDvElement::NewGuid() { guid = dv::newGuidText(); }

bool CDvElement::HasGuid(std::u16string_view text) const { return !text.empty() && equalsGuidText(guid, text); }

void CDvElement::Touch() { modified = DvDateTime::Now(); }

void CDvElement::SetKeywordsFromText(std::u16string_view text) {
    keywords.clear();
    for (const auto& part : dv::split(dv::toLowerLocale(text), u',')) {
        // Only parts empty before trimming are dropped: " " becomes an empty keyword.
        if (part.empty()) continue;
        keywords.emplace_back(dv::trimSpaces(part));
    }
}

std::u16string CDvElement::KeywordsText() const { return dv::join(keywords, u","); }

CDvVar CDvElement::GetElementVar(std::u16string_view lowerName) const {
    if (lowerName == u"dv_title") return CDvVar::FromString(title);
    if (lowerName == u"dv_guid") return CDvVar::FromString(guid);
    if (lowerName == u"dv_created") return CDvVar::FromDouble(created.value);
    if (lowerName == u"dv_modified") return CDvVar::FromDouble(modified.value);
    if (lowerName == u"dv_keywords") return CDvVar::FromString(KeywordsText());
    const CDvVar* own = vars.Get(lowerName);
    return own ? *own : CDvVar();
}

void CDvElement::SerializeElement(CDvArchive& ar) {
    ar.Io(title);
    ar.Io(guid);
    ar.Io(keywords);
    ar.Io(created);
    ar.Io(modified);
    vars.Serialize(ar);
}

bool DvLooksLikeGuid(std::u16string_view text) { return text.size() == 38 && text.front() == u'{'; }
