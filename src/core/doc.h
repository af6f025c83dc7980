#pragma once
// The document: variables, the folder tree and every item of one database, loaded from and saved
// to its main file as a whole.
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/folder.h"
#include "core/item.h"
#include "core/var.h"

inline constexpr std::u16string_view kDvMainFileName = u"_main_data.dayvault";
/// The version this program writes into dv_app_version.
inline constexpr double kDvAppVersion = 2.4;

/// Why the last Load failed, for callers that report it in their own way (exit statuses).
enum class DvLoadError { None, Missing, Empty, CannotRead, Cancelled, WrongPassword, DecryptionFailed, Damaged };

class CDvDoc {
public:
    CDvDoc();
    CDvDoc(const CDvDoc&) = delete;
    CDvDoc& operator=(const CDvDoc&) = delete;

    CDvVarSet vars;
    uint32_t reservedWord0 = 0;
    CDvFolder root;
    std::vector<std::unique_ptr<CDvItem>> items;
    std::filesystem::path mainFilePath;  // empty: no document loaded
    std::array<std::u16string, 3> reservedStrings;
    std::array<uint32_t, 3> reservedWords{};
    std::array<uint8_t, 3> reservedBytes{};
    uint32_t readOnly = 0;
    std::u16string password;  // empty: the file is stored unencrypted
    DvLoadError lastLoadError = DvLoadError::None;

    /// The document lock, held by every reader or writer of folders and items.
    std::unique_lock<std::recursive_mutex> Lock() const { return std::unique_lock(mutex_); }

    /// Destroys every item and every folder below the root; the read-only flag becomes 0.
    void Clear();
    void Serialize(CDvArchive& ar);

    /// The whole main file in memory, unencrypted.
    std::vector<uint8_t> ToBytes();
    /// Reads a document from unencrypted main-file bytes; throws CDvArchiveError when damaged.
    void FromBytes(std::span<const uint8_t> bytes);

    /// Loads a main file, or "_main_data.dayvault" in a database folder. On failure the user has
    /// been told why and the document is cleared.
    bool Load(const std::filesystem::path& path);
    /// Saves to `path` (the main file path when empty), replacing the file atomically.
    bool Save(const std::filesystem::path& path = {});

    /// The first item whose GUID equals `guid` ignoring case; renumbers the items on the way.
    CDvItem* FindItemByGuid(std::u16string_view guid, int* index = nullptr);
    /// Sets each item's index to its position in the array.
    void RenumberItems();
    double GetVersion() const;
    /// The text of the database properties dialog.
    std::u16string PropertiesText() const;

    CDvFolder* FindFolder(std::u16string_view path) { return ::FindFolder(root, path); }

private:
    bool fail(DvLoadError error);
    bool readMainFile(const std::filesystem::path& path);
    bool decryptIfProtected(std::vector<uint8_t>& bytes, std::u16string& pw);
    bool encodeForDisk(std::vector<uint8_t>& bytes);
    void upgradeAfterLoad();

    mutable std::recursive_mutex mutex_;
    size_t lastStoredBytes_ = 0;  // the size of the last document read or written, to size the next save
};

/// The folder colour at `path`, inheriting from ancestors when asked.
std::optional<uint32_t> FolderColour(CDvDoc& doc, std::u16string_view path, bool inherit);

/// The one open document of the process. Shows "error #18adf3 : DvGetCurDoc :: document not
/// loaded yet" when no document is loaded, and returns it all the same.
CDvDoc& DvGetCurDoc();
/// The same object without the message, for code that checks `mainFilePath` itself.
CDvDoc& DvCurDocSilently();
