#pragma once
// Column definitions kept in folder variables, per item type, with inheritance down the folder
// tree: visible columns come from the nearest folder that defines them (the root holds the global
// definition), user-defined columns are gathered from the folder and every ancestor.
#include <string>
#include <string_view>
#include <vector>

#include "views/column.h"

class CDvDoc;

enum class DvColumnSet { UserDefined, Visible };

/// Bits of the `flags` of DvColumnsGetCols: which key (one of the first two), and how far up.
inline constexpr unsigned DV_COLUMNS_USER_DEFINED = 1;
inline constexpr unsigned DV_COLUMNS_VISIBLE = 2;
inline constexpr unsigned DV_COLUMNS_ALL_ANCESTORS = 8;
inline constexpr unsigned DV_COLUMNS_STOP_AT_FIRST = 16;

/// Bits of the found-flags of DvColumnsGetCols.
inline constexpr unsigned DV_COLUMNS_FOUND_IN_FOLDER = 1;
inline constexpr unsigned DV_COLUMNS_FOUND = 2;

/// "dv_user_visible_columns_for_" or "dv_user_defined_columns_for_" followed by "task", "todo",
/// "note" or "contact"; empty for any other type.
std::u16string DvColumnsStorageKey(int itemType, DvColumnSet which);

/// For each folder path (paths naming no folder are skipped), appends the columns defined in the
/// folder and, as `flags` ask, in its ancestors, each with its source text ("directly in 'Work'",
/// "inherited from '\'"). Returns whether any definition was found; `found` (optional) receives
/// DV_COLUMNS_FOUND_IN_FOLDER when a given folder itself defines columns, and DV_COLUMNS_FOUND.
bool DvColumnsGetCols(CDvDoc& doc, const std::vector<std::u16string>& folderPaths, int itemType, unsigned flags,
                      std::vector<DvColumn>& out, unsigned* found = nullptr);

/// The nearest definition on the way from the folder to the root, else the type's defaults.
std::vector<DvColumn> DvColumnsGetVisibleCols(CDvDoc& doc, std::u16string_view folderPath, int itemType);

/// The type's built-in columns, then the user-defined ones of the folder and all its ancestors
/// (the folder's own first).
std::vector<DvColumn> DvColumnsGetAvailableCols(CDvDoc& doc, std::u16string_view folderPath, int itemType);

/// Writes `columns` as the folder's own visible columns for the type, or with `reset` removes the
/// folder's definition so that it inherits again. False when the folder or the type's key does
/// not exist.
bool DvColumnsSaveVisibleCols(CDvDoc& doc, std::u16string_view folderPath, int itemType,
                              const std::vector<DvColumn>& columns, bool reset);

/// The same for the folder's own user-defined columns. Every column must be a user column: a
/// built-in one among them saves nothing and reports an internal error.
bool DvColumnsSaveUserDefinedCols(CDvDoc& doc, std::u16string_view folderPath, int itemType,
                                  const std::vector<DvColumn>& columns, bool reset);
