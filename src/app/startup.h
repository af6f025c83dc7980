#pragma once
// Where databases live and what happens between the start of the process and the main window.
#include <filesystem>

/// The user's documents folder + "My Dayvault Documents" (the program's folder in portable mode);
/// created when asked. Empty when it is still not a folder afterwards.
std::filesystem::path DocumentsFolder(bool create);
/// The default database folder and its main file.
std::filesystem::path DefaultDatabaseFolder();
std::filesystem::path DefaultMainFile();

/// Date texts follow the long and short date formats of the options file.
void DvUseOptionsForDateFormats();

/// The start-up sequence up to the main window: options, first run, the move of an old
/// single-file database, the autostart entry, and the choice and opening of the document.
/// A database named by the caller (a main file or its folder) is opened instead of the last one.
/// False when the program must end (the user has been told why).
bool InitInstance(const std::filesystem::path& requested = {});
