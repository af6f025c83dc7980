#pragma once
// Opening, saving and closing the one open database, with the open mark that keeps a second
// instance off it and the daily backup taken at each open.
#include <filesystem>
#include <string>

class CDvDoc;

/// Choices of the "Access denied" dialog.
enum class DvAccessChoice { Cancel = 0, TryAgain = 1, ReadOnly = 2, OpenAnother = 3 };

/// Runs the "Access denied" dialog for a database another instance holds. "Try again" checks the
/// mark again at once and only returns once the mark is no longer fresh.
DvAccessChoice AccessDeniedDialog(const std::filesystem::path& mainFile);

/// Opens `mainFile` into `doc` (the current document unless given).
bool OpenDocument(const std::filesystem::path& mainFile, bool restoreView, CDvDoc* doc = nullptr);
/// Saves the document unless it is read-only (then only the advisor hears of it).
bool SaveDocument(CDvDoc* doc = nullptr);
/// Saves when asked, removes the open mark, and clears the document.
bool CloseDocument(bool save, CDvDoc* doc = nullptr);

/// Creates the folder and its "backups" subfolder; false when the folder is not there afterwards.
bool CreateDatabaseFolder(const std::filesystem::path& folder);

/// Where the file chooser of "Open another document" starts; set by start-up.
void DvSetDocumentsFolderForChooser(const std::filesystem::path& folder);
