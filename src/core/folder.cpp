#include "core/folder.h"

#include <algorithm>

#include "core/archive.h"
#include "platform/locale_text.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace {

// A folder record is at least its element (five empty strings and counts, two date-times, the
// variable count) plus its own fixed fields: a lower bound for hostile child counts.
constexpr size_t kMinStoredFolderBytes = 60;
constexpr int kMaxStoredDepth = 256;

// A path as PathDepth compares it, read in place: '/' reads as '\', and a '\' follows the last
// component when the path does not end in a separator. No copy is made, since every view
// collection compares every item's folders this way.
class ComparedPath {
public:
    explicit ComparedPath(std::u16string_view path)
        : path_(path), trailing_(path.empty() || (path.back() != u'\\' && path.back() != u'/')) {}
    size_t size() const { return path_.size() + (trailing_ ? 1 : 0); }
    char16_t operator[](size_t i) const {
        if (i == path_.size()) return u'\\';
        return path_[i] == u'/' ? u'\\' : path_[i];
    }

private:
    std::u16string_view path_;
    bool trailing_;
};

bool isAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

bool sameCharNoCase(char16_t a, char16_t b) {
    if (a == b) return true;
    if (a < 0x80 && b < 0x80) return isAsciiLetter(a) && (a | 0x20) == (b | 0x20);
    return dv::equalsNoCase(std::u16string_view(&a, 1), std::u16string_view(&b, 1));
}

// Per-character comparison under the locale: the folder path must be a prefix of the other.
// Every view collection runs this for every item, so plain ASCII never reaches the collator.
bool startsWithNoCase(const ComparedPath& text, const ComparedPath& prefix) {
    if (prefix.size() > text.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (!sameCharNoCase(prefix[i], text[i])) return false;
    return true;
}

void serializeTree(CDvFolder& folder, CDvArchive& ar, int depth);

}  // namespace

CDvFolder::CDvFolder() : CDvElement(DvElementKind::Folder) {}

CDvFolder::CDvFolder(const CDvFolder& other)
    : CDvElement(other),
      flags(other.flags),
      colour(other.colour),
      reservedStrings(other.reservedStrings),
      reservedWords(other.reservedWords),
      reservedBytes(other.reservedBytes) {
    for (const auto& child : other.children_) AddChild(*child);
}

CDvFolder* CDvFolder::AddChild(const CDvFolder& folder) { return AdoptChild(std::make_unique<CDvFolder>(folder)); }

CDvFolder* CDvFolder::AdoptChild(std::unique_ptr<CDvFolder> folder) {
    folder->parent_ = this;
    children_.push_back(std::move(folder));
    return children_.back().get();
}

CDvFolder* CDvFolder::InsertChild(std::unique_ptr<CDvFolder> folder, size_t position) {
    folder->parent_ = this;
    position = std::min(position, children_.size());
    return children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(position), std::move(folder))->get();
}

int CDvFolder::ChildIndex(const CDvFolder* child) const {
    for (size_t i = 0; i < children_.size(); ++i)
        if (children_[i].get() == child) return static_cast<int>(i);
    return -1;
}

std::unique_ptr<CDvFolder> CDvFolder::DetachChild(const CDvFolder* child) {
    const auto it = std::find_if(children_.begin(), children_.end(), [&](const auto& c) { return c.get() == child; });
    if (it == children_.end()) return nullptr;
    std::unique_ptr<CDvFolder> taken = std::move(*it);
    children_.erase(it);
    taken->parent_ = nullptr;
    return taken;
}

void CDvFolder::RemoveAllChildren() { children_.clear(); }

CDvFolder* CDvFolder::FindChild(std::u16string_view name) const {
    const bool byGuid = dv::startsWith(name, u"{");
    for (const auto& child : children_) {
        const std::u16string& key = byGuid ? child->guid : child->title;
        if (dv::equalsNoCase(key, name)) return child.get();
    }
    return nullptr;
}

void CDvFolder::Serialize(CDvArchive& ar) { serializeTree(*this, ar, 0); }

namespace {

void serializeTree(CDvFolder& folder, CDvArchive& ar, int depth) {
    if (depth > kMaxStoredDepth) throw CDvArchiveError(CDvArchiveError::Kind::Damaged, "folder tree too deep");
    folder.SerializeElement(ar);
    ar.Io(folder.flags);
    ar.Io(folder.colour);
    for (auto& s : folder.reservedStrings) ar.Io(s);
    for (auto& w : folder.reservedWords) ar.Io(w);
    for (auto& b : folder.reservedBytes) ar.Io(b);
    if (ar.IsStoring()) {
        ar.WriteUInt32(static_cast<uint32_t>(folder.Children().size()));
        for (const auto& child : folder.Children()) serializeTree(*child, ar, depth + 1);
        return;
    }
    folder.RemoveAllChildren();
    const uint32_t count = ar.ReadUInt32();
    ar.CheckCount(count, kMinStoredFolderBytes);
    for (uint32_t i = 0; i < count; ++i) {
        CDvFolder* child = folder.AdoptChild(std::make_unique<CDvFolder>());
        serializeTree(*child, ar, depth + 1);
    }
}

}  // namespace

void CDvFolder::Upgrade(double version) {
    if (version < 1.0) {
        if (!(flags & kOwnColour)) flags = 0;
        reservedWords = {};
        reservedBytes = {};
    }
    if (version < 1.6) std::replace(title.begin(), title.end(), u'/', u' ');
    for (auto& child : children_) child->Upgrade(version);
}

std::u16string FolderPath(const CDvFolder* folder, bool byGuid) {
    if (!folder) return {};
    if (folder->IsRoot()) return std::u16string(kDvRootPath);
    const std::u16string parentPath = FolderPath(folder->Parent(), byGuid);
    if (parentPath.empty()) return {};
    const std::u16string& name = byGuid ? folder->guid : folder->title;
    return parentPath == kDvRootPath ? parentPath + name : parentPath + u'\\' + name;
}

CDvFolder* FindFolder(CDvFolder& root, std::u16string_view path) {
    CDvFolder* at = &root;
    for (const auto& component : dv::split(path, u'\\')) {
        if (component.empty()) continue;
        at = at->FindChild(component);
        if (!at) return nullptr;
    }
    return at;
}

bool DvIsAcceptableFolderName(std::u16string_view name) {
    return !name.empty() && name.find_first_of(u"\\/") == std::u16string_view::npos && name.front() != u'{';
}

CDvFolder* CreateFolder(CDvFolder& parent, std::u16string_view name, bool* existed) {
    if (existed) *existed = false;
    if (!DvIsAcceptableFolderName(name)) {
        dv::ui().ShowMessage(u"#349sdhj3, Unacceptable folder name");
        return nullptr;
    }
    if (CDvFolder* child = parent.FindChild(name)) {
        if (existed) *existed = true;
        return child;
    }
    CDvFolder folder;
    folder.title = name;
    folder.NewGuid();
    return parent.AddChild(folder);
}

CDvFolder* FindOrCreateFolderPath(CDvFolder& start, std::u16string_view path, bool* existed) {
    if (start.IsRoot() && start.title.empty()) start.title = kDvRootPath;
    if (existed) *existed = true;
    CDvFolder* at = &start;
    for (const auto& component : dv::split(path, u'\\')) {
        if (component.empty()) continue;
        if (CDvFolder* child = at->FindChild(component)) {
            at = child;
            continue;
        }
        if (existed) *existed = false;
        at = CreateFolder(*at, component);
        if (!at) return nullptr;
    }
    return at;
}

int PathDepth(std::u16string_view folderPath, std::u16string_view path) {
    const ComparedPath folder(folderPath);
    const ComparedPath other(path);
    if (!startsWithNoCase(other, folder)) return -1;
    int depth = 0;
    for (size_t i = folder.size(); i < other.size(); ++i) depth += other[i] == u'\\';
    return depth;
}

std::optional<uint32_t> FolderColour(const CDvFolder* folder, bool inherit) {
    for (const CDvFolder* at = folder; at; at = inherit ? at->Parent() : nullptr)
        if (at->flags & CDvFolder::kOwnColour) return at->colour;
    return std::nullopt;
}
