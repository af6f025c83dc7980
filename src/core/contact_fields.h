#pragma once
// The contact fields: string variables of a contact item, in the order the column manager offers
// them and the contacts CSV and the HTML export write them.
#include <string>
#include <vector>

/// "First name", "Middle name", "Last name", "Nick", "Company", then the seventeen "[Personal] "
/// fields, then the same seventeen with "[Business] ".
const std::vector<std::u16string>& DvContactFieldNames();
