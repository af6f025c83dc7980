// The commands that change a database: new, passwd. They take the open mark like the desktop
// program, so two writers never work on one database at the same time.
#include <cstdio>

#include "app/database_session.h"
#include "app/new_database_model.h"
#include "app/password_protection.h"
#include "cli/cli.h"
#include "core/doc.h"
#include "platform/text.h"

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

}  // namespace dvcli
