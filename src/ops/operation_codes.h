#pragma once
// The operation codes and flags shared by the folder and item operations and by undo.

/// What an operation does to the items or the folder it is given.
enum DvOperationCode : int {
    DV_OPERATION_DELETE = 1,  // delete completely
    DV_OPERATION_REMOVE = 2,  // remove from the current folder
    DV_OPERATION_MOVE = 3,
    DV_OPERATION_ADD = 4,  // add to a further folder
    DV_OPERATION_COPY = 5,
    DV_OPERATION_RENAME = 6,  // rewrite folder paths after a rename; no item operation
};

/// Bits of the operation flags.
inline constexpr unsigned DV_OPERATION_FLAG_REFRESH = 1;     // refresh the main window afterwards
inline constexpr unsigned DV_OPERATION_FLAG_SUBFOLDERS = 2;  // losing a folder also loses the entries below it
inline constexpr unsigned DV_OPERATION_FLAG_KEEP_TITLE = 4;  // copies keep their title
