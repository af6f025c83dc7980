#include "ops/folder_paths.h"

#include <algorithm>

#include "core/folder.h"

std::u16string DvNormalizeFolderPath(std::u16string_view path) {
    std::u16string out(path);
    std::replace(out.begin(), out.end(), u'/', u'\\');
    while (out.size() > 1 && out.back() == u'\\') out.pop_back();
    return out;
}

std::u16string DvTextBeforeLastSeparator(std::u16string_view path) {
    const size_t last = path.rfind(u'\\');
    return last == std::u16string_view::npos ? std::u16string() : std::u16string(path.substr(0, last));
}

std::u16string DvFolderPathName(std::u16string_view path) {
    const size_t last = path.rfind(u'\\');
    return std::u16string(last == std::u16string_view::npos ? path : path.substr(last + 1));
}

std::u16string DvJoinFolderPath(std::u16string_view parent, std::u16string_view name) {
    std::u16string out(parent);
    if (out.empty() || out.back() != u'\\') out += u'\\';
    out += name;
    return out;
}

bool DvIsRootPath(std::u16string_view path) { return path.empty() || path == kDvRootPath; }

bool DvSameFolderPath(std::u16string_view a, std::u16string_view b) {
    return !a.empty() && !b.empty() && PathDepth(a, b) == 0;
}

CDvFolder* DvFindFolderByGuid(CDvFolder& root, std::u16string_view guid) {
    if (root.HasGuid(guid)) return &root;
    for (const auto& child : root.Children())
        if (CDvFolder* found = DvFindFolderByGuid(*child, guid)) return found;
    return nullptr;
}
