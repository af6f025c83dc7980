#pragma once
// Changing the open database from the main window's "&Open database" command: the document
// object stays, the database in it is closed (saved) and the other one opened into it.
#include <filesystem>

class CDvDoc;

/// Closes the database in `doc` with saving and opens `mainFile` (a main file or a database
/// folder) into it. When the other database cannot be opened (refused, cancelled, damaged), the
/// previous one is opened again, so the user is never left without a database. True when
/// `mainFile` is open.
bool DvSwitchDatabase(CDvDoc& doc, const std::filesystem::path& mainFile);

/// "&Open database": asks for a file in the documents folder, refuses the database already
/// open ("You are currently working with this database, aborting"), then switches to it.
/// True when the document was opened anew, with the chosen database or, after that failed, with
/// the previous one; false when nothing changed (cancelled or refused).
bool DvOpenDatabaseCommand(CDvDoc& doc);
