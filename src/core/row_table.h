#pragma once
// The row table text: a list of rows of text fields in one string, as stored in the variables
// that hold column definitions, relations and subscriptions. Rows are joined by "|", fields by
// ","; the characters that would break the layout are written as "&...;" escapes.
#include <string>
#include <string_view>
#include <vector>

using DvRowTable = std::vector<std::vector<std::u16string>>;

/// Escapes every field, joins each row with "," and the rows with "|".
std::u16string DvRowTableToText(const DvRowTable& rows);

/// Splits at "|" and ",", undoing the escapes. The empty text is no rows; an empty row reads as
/// one empty field, so readers that need several fields skip it.
DvRowTable DvRowTableFromText(std::u16string_view text);
