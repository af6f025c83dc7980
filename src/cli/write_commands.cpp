// The commands that change a database: new, passwd, add. They take the open mark like the desktop
// program, so two writers never work on one database at the same time.
#include <cstdio>

#include "app/database_session.h"
#include "app/new_database_model.h"
#include "app/password_protection.h"
#include "app/smart_box_model.h"
#include "cli/cli.h"
#include "core/doc.h"
#include "platform/text.h"
#include "schedule/date_format.h"

namespace dvcli {

int runNew(const Args& args) {
    if (args.positional.size() != 2) {
        std::fprintf(stderr, "dayvault-cli new: give the parent folder and the name (see --help)\n");
        return kUsage;
    }
    DvNewDatabaseModel model;
    model.parentFolder = dv::fromUtf8(args.positional[0]);
    model.name = dv::fromUtf8(args.positional[1]);
    if (!model.Ok()) return kFailed;
    CloseDocument(false);
    std::printf("%s\n", model.MainFile().c_str());
    return kOk;
}

int runPasswd(const Args& args) {
    if (args.positional.size() != 1) {
        std::fprintf(stderr, "dayvault-cli passwd: give the database (see --help)\n");
        return kUsage;
    }
    CDvDoc doc;
    if (const int status = openForWriting(args.positional[0], doc)) return status;
    if (!ChangePassword(doc)) {
        CloseDocument(false, &doc);
        std::fprintf(stderr, "dayvault-cli passwd: no new password given; nothing changed\n");
        return kFailed;
    }
    return saveAndClose(doc);
}

int runAdd(const Args& args) {
    if (args.positional.size() != 2) {
        std::fprintf(stderr, "dayvault-cli add: give the database and the text (see --help)\n");
        return kUsage;
    }
    CDvSmartBoxModel box;
    box.text = dv::fromUtf8(args.positional[1]);
    // --type is the type button; without it none is selected, so only a keyword gives a type.
    box.selectedType = args.has("--type") ? typeOption(args.get("--type")) : 0;
    if (box.selectedType < 0) {
        std::fprintf(stderr, "dayvault-cli add: unknown type '%s' (task, todo, note or contact)\n",
                     args.get("--type").c_str());
        return kUsage;
    }
    if (args.has("--start")) {
        const auto start = DvParseIsoText(dv::fromUtf8(args.get("--start")));
        if (!start) {
            std::fprintf(stderr, "dayvault-cli add: --start takes \"YYYY-MM-DD HH:MM\", not '%s'\n",
                         args.get("--start").c_str());
            return kUsage;
        }
        box.datePicker = box.timePicker = *start;
    }
    // Tried on a scratch item first, so that a text giving no type leaves the database unopened:
    // no open mark, no backup.
    if (CDvItem probe; !box.Parse(probe)) {
        std::fprintf(stderr, "dayvault-cli add: nothing added: %s\n",
                     box.text.empty() ? "the text is empty"
                                      : "the text names no type before a ';' and no --type is given");
        return kUsage;
    }

    CDvDoc doc;
    if (const int status = openForWriting(args.positional[0], doc)) return status;
    const auto folder = folderOption(doc, args, "add");
    if (!folder) {
        CloseDocument(false, &doc);
        return kNotFound;
    }
    box.folder = *folder;
    const DvSmartBoxAdded added = box.Add(doc);
    if (!added) {
        CloseDocument(false, &doc);
        return kFailed;
    }
    const std::string guid = dv::toUtf8(added.item->guid);
    if (const int status = saveAndClose(doc)) return status;
    std::printf("%s\n", guid.c_str());
    return kOk;
}

}  // namespace dvcli
