#pragma once
// The built-in column sets: what a list shows when no folder defines its columns, and what the
// column manager offers before any user-defined field.
#include <vector>

#include "views/column.h"

/// The visible columns of a type's list when no folder on the path to the root defines them; none
/// for type 0 or an unknown type. Source "built-in".
std::vector<DvColumn> DvColumnsDefaultVisible(int itemType);

/// The columns every type offers, then the type's own (for contacts, every contact field). Source
/// "built-in"; user-defined columns are not included.
std::vector<DvColumn> DvColumnsBuiltInAvailable(int itemType);

/// The fixed columns of the any-item list (search results, relations): type, title, folders,
/// stamps and keywords.
std::vector<DvColumn> DvColumnsAnyItemList();
