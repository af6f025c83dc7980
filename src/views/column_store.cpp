#include "views/column_store.h"

#include <algorithm>

#include "core/doc.h"
#include "core/item.h"
#include "platform/text.h"
#include "platform/ui.h"
#include "views/column_defaults.h"

namespace {

constexpr std::u16string_view kNonUserColumnsError =
    u"Internal (minor) error: DvColumnsSaveUserDefinedCols() : non-user columns were passed, aborting";

std::u16string sourceText(const CDvFolder& folder, int depth) {
    return (depth == 0 ? u"directly in '" : u"inherited from '") + folder.title + u"'";
}

bool resolve(const CDvFolder& folder, const std::u16string& key, unsigned flags, int depth, std::vector<DvColumn>& out,
             unsigned& found) {
    if (const std::u16string stored = folder.vars.GetText(key); !stored.empty()) {
        const std::u16string source = sourceText(folder, depth);
        for (DvColumn& c : DvColumnsFromText(stored)) {
            c.source = source;
            out.push_back(std::move(c));
        }
        found |= DV_COLUMNS_FOUND;
        if (depth == 0) found |= DV_COLUMNS_FOUND_IN_FOLDER;
        if (flags & DV_COLUMNS_STOP_AT_FIRST) return true;
    }
    if ((flags & (DV_COLUMNS_ALL_ANCESTORS | DV_COLUMNS_STOP_AT_FIRST)) && folder.Parent())
        return resolve(*folder.Parent(), key, flags, depth + 1, out, found);
    return (found & DV_COLUMNS_FOUND) != 0;
}

bool save(CDvDoc& doc, std::u16string_view folderPath, int itemType, DvColumnSet which,
          const std::vector<DvColumn>& columns, bool reset) {
    const std::u16string key = DvColumnsStorageKey(itemType, which);
    if (key.empty()) return false;
    auto lock = doc.Lock();
    CDvFolder* folder = doc.FindFolder(folderPath);
    if (!folder) return false;
    if (reset)
        folder->vars.Remove(key);
    else
        folder->vars.Set(key, CDvVar::FromString(DvColumnsToText(columns)));
    return true;
}

}  // namespace

std::u16string DvColumnsStorageKey(int itemType, DvColumnSet which) {
    if (itemType < DV_ITEM_TASK || itemType > DV_ITEM_CONTACT) return {};
    const std::u16string_view prefix =
        which == DvColumnSet::Visible ? u"dv_user_visible_columns_for_" : u"dv_user_defined_columns_for_";
    return std::u16string(prefix) + dv::asciiLower(DvItemTypeName(itemType));
}

bool DvColumnsGetCols(CDvDoc& doc, const std::vector<std::u16string>& folderPaths, int itemType, unsigned flags,
                      std::vector<DvColumn>& out, unsigned* found) {
    const std::u16string key = DvColumnsStorageKey(
        itemType, (flags & DV_COLUMNS_VISIBLE) ? DvColumnSet::Visible : DvColumnSet::UserDefined);
    unsigned foundFlags = 0;
    if (!key.empty()) {
        auto lock = doc.Lock();
        for (const std::u16string& path : folderPaths)
            if (const CDvFolder* folder = doc.FindFolder(path)) resolve(*folder, key, flags, 0, out, foundFlags);
    }
    if (found) *found = foundFlags;
    return (foundFlags & DV_COLUMNS_FOUND) != 0;
}

std::vector<DvColumn> DvColumnsGetVisibleCols(CDvDoc& doc, std::u16string_view folderPath, int itemType) {
    std::vector<DvColumn> columns;
    if (!DvColumnsGetCols(doc, {std::u16string(folderPath)}, itemType, DV_COLUMNS_VISIBLE | DV_COLUMNS_STOP_AT_FIRST,
                          columns))
        return DvColumnsDefaultVisible(itemType);
    return columns;
}

std::vector<DvColumn> DvColumnsGetAvailableCols(CDvDoc& doc, std::u16string_view folderPath, int itemType) {
    std::vector<DvColumn> columns = DvColumnsBuiltInAvailable(itemType);
    DvColumnsGetCols(doc, {std::u16string(folderPath)}, itemType, DV_COLUMNS_USER_DEFINED | DV_COLUMNS_ALL_ANCESTORS,
                     columns);
    return columns;
}

bool DvColumnsSaveVisibleCols(CDvDoc& doc, std::u16string_view folderPath, int itemType,
                              const std::vector<DvColumn>& columns, bool reset) {
    return save(doc, folderPath, itemType, DvColumnSet::Visible, columns, reset);
}

bool DvColumnsSaveUserDefinedCols(CDvDoc& doc, std::u16string_view folderPath, int itemType,
                                  const std::vector<DvColumn>& columns, bool reset) {
    if (!std::all_of(columns.begin(), columns.end(), [](const DvColumn& c) { return c.user; })) {
        dv::ui().ShowMessage(kNonUserColumnsError);
        return false;
    }
    return save(doc, folderPath, itemType, DvColumnSet::UserDefined, columns, reset);
}
