#pragma once
// Case mapping and collation under the user's locale (ICU). Names of variables, folders and
// GUIDs compare through these, so "Phone" and "PHONE" are one name.
#include <string>
#include <string_view>

namespace dv {

/// Lower-cases the whole text under the user's locale (full case mapping).
std::u16string toLowerLocale(std::u16string_view text);
/// The same into `out` (which must not hold `text`), whose storage is reused: for loops over
/// many texts.
void toLowerLocaleInto(std::u16string_view text, std::u16string& out);

/// Whether the lower-case form of `text` contains `lowerPart` (already lower case), usually
/// without making that form.
bool lowerContains(std::u16string_view text, std::u16string_view lowerPart);

/// Collation order of the user's locale: -1, 0 or +1.
int collate(std::u16string_view a, std::u16string_view b);

/// Lower-cases both texts, then collates them: -1, 0 or +1.
int compareNoCase(std::u16string_view a, std::u16string_view b);

/// Bytes whose order (as unsigned bytes, shorter first on a common prefix) is the order of
/// `collate`, and which are equal exactly when `collate` finds the texts equal: for sorting many
/// texts, where collating each pair again would be slow.
std::string collationKey(std::u16string_view text);

/// True when `compareNoCase` finds the two texts equal.
bool equalsNoCase(std::u16string_view a, std::u16string_view b);

/// The ICU name of the locale in use (from LC_ALL / LC_COLLATE / LANG at start).
std::string userLocaleName();

}  // namespace dv
