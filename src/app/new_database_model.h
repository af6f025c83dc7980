#pragma once
// The "New database" dialog without widgets: its two fields, the texts it shows while the user
// types, and what OK does.
#include <filesystem>
#include <string>

class DvNewDatabaseModel {
public:
    std::u16string parentFolder;  // "Create in folder:"
    std::u16string name;          // "Name:"

    static const std::u16string& ExplanationText();
    /// Where the database and its main file will be, or what is still missing.
    std::u16string LocationText() const;

    std::filesystem::path DatabaseFolder() const;
    std::filesystem::path MainFile() const;

    /// OK: creates, saves and opens the new database. False keeps the dialog open (the user has
    /// been told why, or declined to overwrite).
    bool Ok();
};
