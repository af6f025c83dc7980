#pragma once
// Folder path texts as the operations take them from users, the tree and the clipboard.
#include <string>
#include <string_view>

class CDvFolder;

/// Every "/" becomes "\" and trailing separators go, except for the root "\".
std::u16string DvNormalizeFolderPath(std::u16string_view path);
/// The text before the last "\": \A for \A\B, the empty text for \A and for a bare name.
std::u16string DvTextBeforeLastSeparator(std::u16string_view path);
/// The last component: B for \A\B, the empty text for the root.
std::u16string DvFolderPathName(std::u16string_view path);
/// The path of the folder `name` in `parent`: \A\B for \A, and \B (never \\B) for the root.
std::u16string DvJoinFolderPath(std::u16string_view parent, std::u16string_view name);
/// The root path, given as "\" or as the empty text.
bool DvIsRootPath(std::u16string_view path);
/// Both name the same folder: whole components, ignoring case; empty texts name none.
bool DvSameFolderPath(std::u16string_view a, std::u16string_view b);
/// The folder of the tree under `root` whose GUID is `guid` (any case), or nullptr.
CDvFolder* DvFindFolderByGuid(CDvFolder& root, std::u16string_view guid);
