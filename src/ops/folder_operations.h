#pragma once
// Renaming, moving, deleting and reordering folders, keeping the tree and the folder lists of
// the items in step. Every operation runs on the open document unless one is given, and holds
// the document lock for its whole run.
#include <string_view>
#include <vector>

#include "ops/item_links.h"
#include "ops/operation_codes.h"

class CDvDoc;

/// Gives the folder at `oldPath` the name that ends `newPath`, which must have the same parent
/// path, and rewrites the item entries at and below it. With the refresh flag, the tree is
/// rebuilt and the folder selected under its new path. False (after saying why) when refused.
bool DvOperationFolderRename(std::u16string_view oldPath, std::u16string_view newPath, unsigned flags,
                             CDvDoc* doc = nullptr);

/// Rewrites every item entry at or below `oldPath` so that it starts with `newPath` instead
/// (codes DV_OPERATION_MOVE and DV_OPERATION_RENAME; other codes rewrite nothing). Whole
/// components only: \Work to \Job rewrites \Work\A, never \Workshop. The tree is not touched.
bool DvRenameFolderInItems(std::u16string_view oldPath, std::u16string_view newPath, int code, CDvDoc* doc = nullptr);

/// DV_OPERATION_MOVE takes the folder `source`, with its subtree, into `target`;
/// DV_OPERATION_DELETE removes it and, through DvOperationItems, its items (with the
/// subfolders flag). Returns the item operation's result for a delete, otherwise 0.
int DvOperationFolder(std::u16string_view source, int code, std::u16string_view target, unsigned flags,
                      CDvDoc* doc = nullptr);

/// DvOperationFolder on the folder named by the only link of `links` (dragged or pasted).
/// Returns 1 when an operation ran, else 0.
int DvOperationFolderSelection(const std::vector<DvLink>& links, int code, std::u16string_view target, unsigned flags,
                               CDvDoc* doc = nullptr);

/// Moves the folder one place earlier (up) or later (down) among its siblings; the order is
/// stored with the document. False for the root, the first child going up and the last going down.
bool DvMoveFolderUp(std::u16string_view path, unsigned flags, CDvDoc* doc = nullptr);
bool DvMoveFolderDown(std::u16string_view path, unsigned flags, CDvDoc* doc = nullptr);
