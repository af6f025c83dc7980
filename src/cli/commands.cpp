#include <cstdio>

#include "cli/cli.h"
#include "core/doc.h"
#include "platform/files.h"

namespace dvcli {

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"info", "DB", "show the database properties",
         "Prints the database properties: the version that wrote it, the main file size, the\n"
         "number of items of each type and every document variable.",
         {}, {}, runInfo},
        {"list", "DB [--folder PATH] [--type task|todo|note|contact] [--json]",
         "list the items of a folder and its subfolders",
         "Lists the items in the folder PATH and below it (the root \\ when omitted), in document\n"
         "order, one per line: GUID, type, title and folders (joined with ';'), separated by tabs.\n\n"
         "  --folder PATH   a folder path such as \\Work\\Projects ('/' works too)\n"
         "  --type TYPE     only items of this type: task, todo, note or contact\n"
         "  --json          an array of objects with guid, type, title and folders",
         {"--folder", "--type"}, {"--json"}, runList},
        {"show", "DB GUID [--var NAME]", "show one item",
         "Prints every fixed field of the item with that GUID and all its variables. With --var,\n"
         "prints only the value of NAME as the program reads it: a variable, or a built-in name\n"
         "such as dv_title, dv_folders or dv_contents_plain_text.",
         {"--var"}, {}, runShow},
    };
    return table;
}

bool loadDatabase(const std::string& db, CDvDoc& doc) {
    std::filesystem::path path = db;
    if (dv::isDirectory(path)) path /= dv::fs::path(u8"_main_data.dayvault");
    if (!dv::fileExists(path)) {
        std::fprintf(stderr, "dayvault-cli: cannot load %s: no such database\n", db.c_str());
        return false;
    }
    if (!doc.Load(path)) {
        std::fprintf(stderr, "dayvault-cli: cannot load %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace dvcli
