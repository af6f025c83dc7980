// The commands that change folders and items: folder, item. Each opens the database for writing,
// runs one operation, and saves only when something changed; otherwise it says so and exits 1.
#include <cstdio>
#include <string>

#include "app/database_session.h"
#include "cli/cli.h"
#include "core/doc.h"
#include "ops/folder_operations.h"
#include "ops/folder_paths.h"
#include "ops/item_operations.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace dvcli {
namespace {

int finish(CDvDoc& doc, bool changed, const char* command) {
    if (changed) return saveAndClose(doc);
    CloseDocument(false, &doc);
    std::fprintf(stderr, "dayvault-cli %s: nothing changed\n", command);
    return kNothingChanged;
}

int usage(const char* command, const char* what) {
    std::fprintf(stderr, "dayvault-cli %s: %s (see --help)\n", command, what);
    return kUsage;
}

// The GUID of the folder at `path`, so that its fate can be told after the tree changed.
std::u16string folderGuid(CDvDoc& doc, std::u16string_view path) {
    const CDvFolder* folder = doc.FindFolder(DvNormalizeFolderPath(path));
    return folder ? folder->guid : std::u16string();
}

bool createPath(CDvDoc& doc, const std::u16string& path) {
    bool existed = false;
    if (!FindOrCreateFolderPath(doc.root, DvNormalizeFolderPath(path), &existed)) return false;
    if (existed) dv::ui().ShowMessage(u"folder with that name already exists. Please enter a different name");
    return !existed;
}

bool renameFolder(CDvDoc& doc, const std::u16string& path, const std::u16string& name) {
    if (!DvIsAcceptableFolderName(name)) {
        dv::ui().ShowMessage(u"Unacceptable folder name");
        return false;
    }
    const std::u16string oldPath = DvNormalizeFolderPath(path);
    return DvOperationFolderRename(oldPath, DvJoinFolderPath(DvTextBeforeLastSeparator(oldPath), name), 0, &doc);
}

bool moveFolder(CDvDoc& doc, const std::u16string& path, const std::u16string& target) {
    const std::u16string guid = folderGuid(doc, path);
    DvOperationFolder(path, DV_OPERATION_MOVE, target, 0, &doc);
    const CDvFolder* moved = guid.empty() ? nullptr : DvFindFolderByGuid(doc.root, guid);
    return moved && !DvSameFolderPath(FolderPath(moved), DvNormalizeFolderPath(path));
}

bool deleteFolder(CDvDoc& doc, const std::u16string& path) {
    const std::u16string guid = folderGuid(doc, path);
    DvOperationFolder(path, DV_OPERATION_DELETE, {}, 0, &doc);
    return !guid.empty() && !DvFindFolderByGuid(doc.root, guid);
}

struct ItemVerb {
    const char* name;
    int code;
    bool needsTarget;
};
constexpr ItemVerb kItemVerbs[] = {
    {"delete", DV_OPERATION_DELETE, false}, {"remove", DV_OPERATION_REMOVE, false}, {"move", DV_OPERATION_MOVE, true},
    {"add", DV_OPERATION_ADD, true},        {"copy", DV_OPERATION_COPY, true},
};

}  // namespace

int runFolder(const Args& args) {
    const auto& p = args.positional;
    if (p.size() < 3) return usage("folder", "give the database, what to do and the folder");
    const std::string& verb = p[1];
    const std::u16string path = dv::fromUtf8(p[2]);
    const size_t wanted = verb == "rename" || verb == "move" ? 4 : 3;
    if (verb != "new" && verb != "rename" && verb != "move" && verb != "delete" && verb != "up" && verb != "down")
        return usage("folder", ("unknown action '" + verb + "'").c_str());
    if (p.size() != wanted) return usage("folder", "wrong number of arguments");
    CDvDoc doc;
    if (const int status = openForWriting(p[0], doc)) return status;
    bool changed = false;
    if (verb == "new")
        changed = createPath(doc, path);
    else if (verb == "rename")
        changed = renameFolder(doc, path, dv::fromUtf8(p[3]));
    else if (verb == "move")
        changed = moveFolder(doc, path, dv::fromUtf8(p[3]));
    else if (verb == "delete")
        changed = deleteFolder(doc, path);
    else if (verb == "up")
        changed = DvMoveFolderUp(path, 0, &doc);
    else
        changed = DvMoveFolderDown(path, 0, &doc);
    return finish(doc, changed, "folder");
}

int runItem(const Args& args) {
    const auto& p = args.positional;
    if (p.size() < 3) return usage("item", "give the database, what to do and at least one GUID");
    const ItemVerb* verb = nullptr;
    for (const auto& v : kItemVerbs)
        if (p[1] == v.name) verb = &v;
    if (!verb) return usage("item", ("unknown action '" + p[1] + "'").c_str());
    if (verb->needsTarget && !args.has("--to")) return usage("item", (std::string(verb->name) + " needs --to").c_str());
    unsigned flags = 0;
    if (args.has("--keep-title")) flags |= DV_OPERATION_FLAG_KEEP_TITLE;
    if (verb->code == DV_OPERATION_REMOVE && args.has("--with-subfolders")) flags |= DV_OPERATION_FLAG_SUBFOLDERS;
    std::vector<std::u16string> guids;
    for (size_t i = 2; i < p.size(); ++i) guids.push_back(dv::fromUtf8(p[i]));

    CDvDoc doc;
    if (const int status = openForWriting(p[0], doc)) return status;
    // Items only go to folders of the tree, as they do when dropped on one.
    const std::u16string target = dv::fromUtf8(args.get("--to"));
    if (verb->needsTarget && !doc.FindFolder(DvNormalizeFolderPath(target))) {
        CloseDocument(false, &doc);
        std::fprintf(stderr, "dayvault-cli item: no folder %s (create it with 'folder DB new')\n",
                     args.get("--to").c_str());
        return kNotFound;
    }
    std::vector<std::u16string> produced;
    const bool changed = DvOperationItems(guids, verb->code, dv::fromUtf8(args.get("--from", "\\")), target, flags,
                                          &doc, &produced) != 0;
    if (verb->code == DV_OPERATION_COPY)
        for (const auto& guid : produced) std::printf("%s\n", dv::toUtf8(guid).c_str());
    return finish(doc, changed, "item");
}

}  // namespace dvcli
