#pragma once
// Backups of a database's main file, kept in its "backups" folder: a rolling copy refreshed while
// the database is open, and one dated copy for each day on which it was opened.
#include <filesystem>

/// The database folder's "backups" folder.
std::filesystem::path DvBackupsFolder(const std::filesystem::path& mainFile);

/// At every open: today's dated copy unless it exists, then prunes one old dated folder. Silent
/// on failure: a backup problem never stops the open.
void DailyBackup(const std::filesystem::path& mainFile);

/// Copies the main file to "backup " + its name in the backups folder, overwriting.
void RollingBackup(const std::filesystem::path& mainFile);
