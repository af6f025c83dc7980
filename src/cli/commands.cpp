#include <cstdio>

#include "cli/cli.h"
#include "app/database_session.h"
#include "core/doc.h"
#include "core/open_mark.h"
#include "platform/files.h"

namespace dvcli {

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"info", "DB", "show the database properties",
         "Prints the database properties: the version that wrote it, the main file size, the\n"
         "number of items of each type and every document variable.",
         {"--password-file"}, {}, runInfo},
        {"list",
         "DB [--folder PATH] [--type task|todo|note|contact] [--text PHRASE] [--keywords K1,K2 [--all-keywords]]\n"
         "       [--hide-completed] [--sort VARIABLE [--descending]] [--columns | --json]",
         "list the items of a folder and its subfolders",
         "Lists the items in the folder PATH and below it (the root \\ when omitted), in document\n"
         "order, one per line: GUID, type, title and folders (joined with ';'), separated by tabs.\n\n"
         "  --folder PATH      a folder path such as \\Work\\Projects ('/' works too)\n"
         "  --type TYPE        only items of this type: task, todo, note or contact\n"
         "  --text PHRASE      only items whose title contains PHRASE (ignoring case)\n"
         "  --keywords K1,K2   only items with any of these keywords\n"
         "  --all-keywords     ... with all of them\n"
         "  --hide-completed   leave out tasks and to-dos at 100% completion\n"
         "  --sort VARIABLE    sort by a variable such as dv_title, dv_taskend or a user field, as the\n"
         "                     list views do (missing values first, numbers in text as numbers)\n"
         "  --descending       sort the other way round\n"
         "  --columns          the columns the list view shows for the folder and type (the search\n"
         "                     results' columns without --type), under a header, separated by tabs\n"
         "  --json             an array of objects with guid, type, title and folders",
         {"--folder", "--type", "--text", "--keywords", "--sort", "--password-file"},
         {"--json", "--all-keywords", "--hide-completed", "--descending", "--columns"},
         runList},
        {"search", "DB WORDS [--folder PATH] [--type task|todo|note|contact]", "quick search by relevance",
         "Prints the rows of the quick search for WORDS: up to 30 matches in the folder PATH (the\n"
         "root \\ when omitted) and below it, best first; when fewer than 10 match there, the row\n"
         "'-- Out of current scope :' follows with matches from the rest of the database, each\n"
         "followed by its type in brackets. Titles longer than 50 characters are cut.\n\n"
         "  --folder PATH   the folder searched first\n"
         "  --type TYPE     search only this type in that folder",
         {"--folder", "--type", "--password-file"}, {}, runSearch},
        {"find", "DB [--folder PATH] [--types task,todo,note,contact] [--field FIELD=TEXT]... [--any] [--json]",
         "find items by conditions on their fields",
         "Lists the items in the folder PATH and below it whose fields contain the given texts,\n"
         "ignoring case, in document order and printed like 'list'. The number of items found is\n"
         "written to standard error.\n\n"
         "  --folder PATH         the folder searched with all its subfolders (the root when omitted)\n"
         "  --types LIST          item types to search, separated by commas (all when omitted)\n"
         "  --field FIELD=TEXT    a condition, up to six: FIELD is 'any part' (or any), title,\n"
         "                        'note (contents)' (or note), keywords, or a variable name\n"
         "  --any                 an item meeting any condition is found (all of them otherwise)\n"
         "  --json                an array of objects with guid, type, title and folders",
         {"--folder", "--types", "--field", "--password-file"}, {"--any", "--json"}, runFind},
        {"show", "DB GUID [--var NAME]", "show one item",
         "Prints every fixed field of the item with that GUID and all its variables. With --var,\n"
         "prints only the value of NAME as the program reads it: a variable, or a built-in name\n"
         "such as dv_title, dv_folders or dv_contents_plain_text.",
         {"--var", "--password-file"}, {}, runShow},
        {"new", "PARENT NAME", "create a new database",
         "Creates the database folder PARENT/NAME with its backups folder and an empty main file.\n"
         "An existing folder is left alone.",
         {}, {}, runNew},
        {"passwd", "DB [--new-password-file FILE]", "set, change or remove the password",
         "Sets a new password for DB and saves it encrypted; an empty password removes the\n"
         "protection. On a terminal the new password is asked twice; scripts give it in FILE\n"
         "(its first line). Refused while another instance has the database open.",
         {"--password-file", "--new-password-file"}, {}, runPasswd},
    };
    return table;
}

std::filesystem::path mainFileOf(const std::string& db) {
    std::filesystem::path path = db;
    if (dv::isDirectory(path)) path /= dv::fs::path(u8"_main_data.dayvault");
    return path;
}

namespace {

int loadFailure(const std::string& db, const CDvDoc& doc) {
    switch (doc.lastLoadError) {
    case DvLoadError::WrongPassword:
        return kWrongPassword;  // the reason is already on standard error
    case DvLoadError::Missing:
        std::fprintf(stderr, "dayvault-cli: cannot load %s: no such database\n", db.c_str());
        return kCannotLoad;
    case DvLoadError::Cancelled:
        std::fprintf(stderr, "dayvault-cli: cannot load %s: the database is protected; give its password in "
                             "DAYVAULT_PASSWORD or --password-file\n", db.c_str());
        return kCannotLoad;
    default:
        std::fprintf(stderr, "dayvault-cli: cannot load %s\n", db.c_str());
        return kCannotLoad;
    }
}

}  // namespace

int loadDatabase(const std::string& db, CDvDoc& doc) {
    return doc.Load(mainFileOf(db)) ? kOk : loadFailure(db, doc);
}

int openForWriting(const std::string& db, CDvDoc& doc) {
    const std::filesystem::path path = mainFileOf(db);
    if (IsOpenMarkFresh(path, 40)) {
        AccessDeniedDialog(path);  // shows the "Access denied" text; no one can answer it here
        return kInUse;
    }
    return OpenDocument(path, false, &doc) ? kOk : loadFailure(db, doc);
}

int saveAndClose(CDvDoc& doc) { return CloseDocument(true, &doc) ? kOk : kFailed; }

}  // namespace dvcli
