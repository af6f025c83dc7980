#pragma once
// What items and folders share: title, identity, variables, stamps and keywords.
#include <cstdint>
#include <string>
#include <vector>

#include "core/date_time.h"
#include "core/var.h"

enum class DvElementKind : int32_t { Folder = 1, Item = 2 };

class CDvElement {
public:
    explicit CDvElement(DvElementKind kind);
    virtual ~CDvElement() = default;
    CDvElement(const CDvElement&) = default;
    CDvElement& operator=(const CDvElement&) = default;
    CDvElement(CDvElement&&) = default;
    CDvElement& operator=(CDvElement&&) = default;

    std::u16string title;
    std::u16string guid;
    CDvVarSet vars;
    DvDateTime created;
    DvDateTime modified;
    std::vector<std::u16string> keywords;  // lower case, in the order typed
    DvElementKind kind;

    void NewGuid();
    /// True when `text` equals the GUID text ignoring case; an empty text matches nothing.
    bool HasGuid(std::u16string_view text) const;
    void Touch();

    /// Lower-cases the text, splits it at ",", drops empty parts and trims spaces from each.
    void SetKeywordsFromText(std::u16string_view text);
    std::u16string KeywordsText() const;

    /// The element names: dv_title, dv_guid, dv_created, dv_modified, dv_keywords, then the
    /// variables. `lowerName` is already lower-cased.
    CDvVar GetElementVar(std::u16string_view lowerName) const;

    /// Title, GUID, keywords, created, modified, variables.
    void SerializeElement(CDvArchive& ar);

protected:
    friend bool operator==(const CDvElement&, const CDvElement&) = default;
};

/// A text is taken for a GUID when it is 38 characters long and begins with "{".
bool DvLooksLikeGuid(std::u16string_view text);
