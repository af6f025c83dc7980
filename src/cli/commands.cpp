#include <algorithm>
#include <cstdio>

#include "cli/cli.h"
#include "app/database_session.h"
#include "core/doc.h"
#include "core/open_mark.h"
#include "platform/files.h"
#include "platform/text.h"

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
        {"agenda", "DB [--from YYYY-MM-DD] [--days N] [--folder PATH] [--detail N] [--json]",
         "show the tasks of the coming days",
         "Prints the agenda page: day by day, the tasks of the folder PATH and below it that occur\n"
         "on that day (repeating tasks on each day they repeat, a task lasting several days on its\n"
         "start day), by time of day.\n\n"
         "  --from DATE     the first day (today when omitted)\n"
         "  --days N        how many days, 1 to 3660 (7 when omitted)\n"
         "  --folder PATH   a folder path such as \\Work\\Projects ('/' works too)\n"
         "  --detail N      1 shows one line per task, 2 to 6 add each task's contents\n"
         "  --json          {\"days\": [{\"date\", \"entries\": [{\"guid\", \"title\", \"start\", \"end\"}]}]}\n"
         "                  with the times of each day's occurrence",
         {"--from", "--days", "--folder", "--detail", "--password-file"}, {"--json"}, runAgenda},
        {"add", "DB TEXT [--type task|todo|note|contact] [--folder PATH] [--start \"YYYY-MM-DD HH:MM\"] [--contents FILE]",
         "add an item as the smart box does",
         "Adds one item from one line of text, as the smart box does, saves, and prints the new\n"
         "item's GUID. A keyword before the first ';' picks the type (\"task;Call the dentist\"),\n"
         "otherwise --type does; a text that gives no type adds nothing (exit status 1).\n"
         "A task starts at --start (now + 30 minutes when omitted) and lasts 15 minutes.\n"
         "Refused while another instance has the database open.\n\n"
         "  --type TYPE     the type when the text has no keyword: task, todo, note or contact\n"
         "  --folder PATH   the item's folder (the root when omitted); it must exist\n"
         "  --start TIME    a task's start, \"YYYY-MM-DD HH:MM\"\n"
         "  --contents FILE the item's contents: an .rtf file is stored as it is, any other\n"
         "                  file is read as UTF-8 text, one paragraph per line (a file that\n"
         "                  is not UTF-8 adds nothing, exit status 1)",
         {"--type", "--folder", "--start", "--contents", "--password-file"}, {}, runAdd},
        {"datecalc", "between FROM TO [--time] | add BASE [--years N ...] [--subtract] [--time]",
         "days between two dates, or a date moved by a span",
         "The date calculator. Dates are YYYY-MM-DD, optionally followed by HH:MM[:SS].\n\n"
         "  between FROM TO   the time from FROM to TO in days and in other units\n"
         "  add BASE          BASE moved by --years, --months (30 days), --weeks, --days, --hours,\n"
         "                    --minutes and --seconds; back with --subtract\n"
         "  --time            take the times into account (otherwise every date counts from\n"
         "                    00:00 and hours, minutes and seconds are ignored)",
         {"--years", "--months", "--weeks", "--days", "--hours", "--minutes", "--seconds"},
         {"--subtract", "--time"}, runDateCalc},
        {"folder", "DB new|rename|move|delete|up|down PATH [NEWNAME|TARGET]", "create, rename, move, delete or reorder a folder",
         "Changes the folder tree of DB and saves it; exits 1 when nothing changed. PATH is a\n"
         "folder path such as \\Work\\Projects ('/' works too).\n\n"
         "  new PATH            creates the folder, with each missing folder on the way\n"
         "  rename PATH NAME    gives the folder a new name; its items follow\n"
         "  move PATH TARGET    moves the folder, with its subfolders, into TARGET\n"
         "  delete PATH         deletes the folder and its subfolders; items filed only there\n"
         "                      are deleted, the others lose those folders\n"
         "  up PATH, down PATH  moves the folder one place among its siblings",
         {"--password-file"}, {}, runFolder},
        {"item", "DB delete|remove|move|add|copy GUID... [--from PATH] [--to PATH] [--keep-title] [--with-subfolders]",
         "delete, remove, move, add or copy items",
         "Runs one operation on the items with these GUIDs and saves DB; exits 1 when nothing\n"
         "changed. --from plays the folder you are looking at (the root \\ when omitted), --to\n"
         "the folder items go to, which must be in the folder tree (exit 5 otherwise).\n\n"
         "  delete              deletes the items completely\n"
         "  remove              takes the items out of --from; an item left in no folder is\n"
         "                      deleted; --with-subfolders also takes them out of its subfolders\n"
         "  move --to PATH      an item in one folder moves whatever it was; one in several\n"
         "                      moves its --from entry\n"
         "  add --to PATH       files the items under one more folder\n"
         "  copy --to PATH      copies titled \"Copy of ...\" (the same title with --keep-title);\n"
         "                      prints the new GUIDs",
         {"--from", "--to", "--password-file"}, {"--keep-title", "--with-subfolders"}, runItem},
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

int typeOption(const std::string& text) {
    struct TypeName {
        const char* option;
        int type;
    };
    static constexpr TypeName kTypes[] = {
        {"task", DV_ITEM_TASK}, {"todo", DV_ITEM_TODO}, {"note", DV_ITEM_NOTE}, {"contact", DV_ITEM_CONTACT}};
    for (const auto& t : kTypes)
        if (text == t.option) return t.type;
    return -1;
}

std::optional<long long> intOption(const Args& args, const std::string& name, long long min, long long max,
                                   const char* command) {
    const std::string text = args.get(name);
    std::size_t at = text.size() > 1 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    // Eighteen digits always fit in a long long; the range check does the rest.
    bool ok = at < text.size() && text.size() - at <= 18;
    for (std::size_t i = at; ok && i < text.size(); ++i) ok = text[i] >= '0' && text[i] <= '9';
    const long long value = ok ? std::stoll(text) : 0;
    if (!ok || value < min || value > max) {
        std::fprintf(stderr, "dayvault-cli %s: %s takes a whole number from %lld to %lld, not '%s'\n", command,
                     name.c_str(), min, max, text.c_str());
        return std::nullopt;
    }
    return value;
}

std::optional<std::u16string> folderOption(CDvDoc& doc, const Args& args, const char* command) {
    if (!args.has("--folder")) return std::u16string(kDvRootPath);
    std::u16string path = dv::fromUtf8(args.get("--folder"));
    std::replace(path.begin(), path.end(), u'/', u'\\');
    auto lock = doc.Lock();
    if (const CDvFolder* folder = doc.FindFolder(path)) return FolderPath(folder);
    std::fprintf(stderr, "dayvault-cli %s: no folder %s\n", command, args.get("--folder").c_str());
    return std::nullopt;
}

void printText(std::u16string_view text) {
    std::u16string t(text);
    dv::replaceAll(t, u"\r\n", u"\n");
    std::fputs(dv::toUtf8(t).c_str(), stdout);
}

}  // namespace dvcli
