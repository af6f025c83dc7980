#pragma once
// The folder tree. Folders act as tags: an item lists the paths of its folders, and the document
// holds one tree under a root titled "\".
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/element.h"

class CDvArchive;

class CDvFolder : public CDvElement {
public:
    static constexpr uint32_t kOwnColour = 1;  // folder flag: the folder has its own colour

    CDvFolder();
    /// Copies the folder and its whole subtree; the copy has no parent.
    CDvFolder(const CDvFolder& other);
    CDvFolder& operator=(const CDvFolder&) = delete;

    uint32_t flags = 0;
    uint32_t colour = 0;  // 0x00BBGGRR, used when kOwnColour is set
    std::array<std::u16string, 3> reservedStrings;
    std::array<uint32_t, 3> reservedWords{};
    std::array<uint8_t, 3> reservedBytes{};

    CDvFolder* Parent() const { return parent_; }
    const std::vector<std::unique_ptr<CDvFolder>>& Children() const { return children_; }
    bool IsRoot() const { return parent_ == nullptr; }

    /// Appends a copy of `folder` as the last child and returns it.
    CDvFolder* AddChild(const CDvFolder& folder);
    /// Appends `folder` itself (a new or detached node) as the last child.
    CDvFolder* AdoptChild(std::unique_ptr<CDvFolder> folder);
    /// Puts `folder` (a new or detached node) among the children at `position`, or last when the
    /// position lies beyond them.
    CDvFolder* InsertChild(std::unique_ptr<CDvFolder> folder, size_t position);
    /// The child's place in the display order, or -1 when it is not a child of this folder.
    int ChildIndex(const CDvFolder* child) const;
    /// Takes `child` out of the children, keeping its subtree; nullptr when it is not a child.
    std::unique_ptr<CDvFolder> DetachChild(const CDvFolder* child);
    /// Destroys the whole subtree under this folder.
    void RemoveAllChildren();
    /// The first child whose GUID (for a name beginning with "{") or title equals `name`,
    /// ignoring case.
    CDvFolder* FindChild(std::u16string_view name) const;

    /// The stored form: element, fields, child count, children recursively.
    void Serialize(CDvArchive& ar);
    /// Upgrades this folder and its subtree as read from a document of `version`.
    void Upgrade(double version);

private:
    CDvFolder* parent_ = nullptr;
    std::vector<std::unique_ptr<CDvFolder>> children_;
};

inline constexpr std::u16string_view kDvRootPath = u"\\";

/// "\" for the root, otherwise \A\B; by GUID texts when `byGuid`. Empty for no folder.
std::u16string FolderPath(const CDvFolder* folder, bool byGuid = false);

/// The folder at `path` below `root` ("" and "\" give the root), or nullptr.
CDvFolder* FindFolder(CDvFolder& root, std::u16string_view path);

/// A name is acceptable when not empty, free of "\" and "/", and not beginning with "{".
bool DvIsAcceptableFolderName(std::u16string_view name);

/// Returns the child of `parent` named `name` (setting `existed`), or appends a new folder with a
/// fresh GUID. Shows "#349sdhj3, Unacceptable folder name" and returns nullptr for a bad name.
CDvFolder* CreateFolder(CDvFolder& parent, std::u16string_view name, bool* existed = nullptr);

/// Like FindFolder from `start`, creating each missing component. `existed` tells whether the
/// whole path was already there. nullptr when a component cannot be created.
CDvFolder* FindOrCreateFolderPath(CDvFolder& start, std::u16string_view path, bool* existed = nullptr);

/// Whether the stored folder path `path` lies in the folder `folderPath`, and how deep (0 the
/// folder itself, 1 a direct subfolder), or -1. Whole components, ignoring case.
int PathDepth(std::u16string_view folderPath, std::u16string_view path);

/// The folder's own colour, or with `inherit` the nearest coloured ancestor's; none otherwise.
std::optional<uint32_t> FolderColour(const CDvFolder* folder, bool inherit);
