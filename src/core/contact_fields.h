#pragma once
// The contact fields: string variables of a contact item, in the order the column manager offers
// them and the contacts CSV and the HTML export write them.
#include <string>
#include <string_view>
#include <vector>

/// "First name", "Middle name", "Last name", "Nick", "Company", then the seventeen "[Personal] "
/// fields, then the same seventeen with "[Business] ".
const std::vector<std::u16string>& DvContactFieldNames();

/// The common fields shown above the sections: "First name" ... "Company".
const std::vector<std::u16string>& DvContactNameFieldNames();
/// The seventeen fields of one section, without the "[Personal] " or "[Business] " prefix.
const std::vector<std::u16string>& DvContactSectionFieldNames();

/// A contact's title from its names: first, middle and last name, each one present followed by
/// one blank, trailing blanks removed; the company when all three are empty.
std::u16string DvComposeContactTitle(std::u16string_view first, std::u16string_view middle, std::u16string_view last,
                                     std::u16string_view company);
