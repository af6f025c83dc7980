// dayvault-cli demo: a sample database to try the program on.
#include <cstdio>

#include "app/database_session.h"
#include "app/demo_database.h"
#include "cli/cli.h"
#include "core/doc.h"
#include "platform/files.h"

namespace dvcli {

int runDemo(const Args& args) {
    if (!needPositional(args, 1, "demo")) return kUsage;
    const std::filesystem::path folder = args.positional[0];
    const std::filesystem::path main = folder / std::filesystem::path(std::u16string(kDvMainFileName));
    if (dv::fileExists(main)) {
        std::fprintf(stderr, "dayvault-cli demo: %s already holds a database; nothing changed\n",
                     folder.string().c_str());
        return kFailed;
    }
    if (!CreateDatabaseFolder(folder)) {
        std::fprintf(stderr, "dayvault-cli demo: cannot create the folder %s\n", folder.string().c_str());
        return kFailed;
    }
    CDvDoc doc;
    DvFillDemoDatabase(doc, DvDateTime::Now());
    if (!doc.Save(main)) return kFailed;
    std::printf("%s\n", main.string().c_str());
    return kOk;
}

}  // namespace dvcli
