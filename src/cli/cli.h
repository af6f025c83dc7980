#pragma once
// Shared pieces of dayvault-cli: parsed arguments, exit statuses and the command table.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CDvDoc;
class CDvItem;

namespace dvcli {

enum ExitStatus {
    kOk = 0,
    kUsage = 1,
    kNothingChanged = 1,  // a writing command that left the database as it was
    kCannotLoad = 2,
    kWrongPassword = 3,
    kInUse = 4,
    kNotFound = 5,
    kFailed = 6,
};

struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // "--folder" -> the last value given; flags map to ""
    std::map<std::string, std::vector<std::string>> repeated;  // every value of each option, in order
    bool has(const std::string& name) const { return options.count(name) != 0; }
    std::string get(const std::string& name, const std::string& fallback = {}) const {
        auto it = options.find(name);
        return it == options.end() ? fallback : it->second;
    }
    /// Every value given for an option that may be repeated (--field A=x --field B=y).
    std::vector<std::string> getAll(const std::string& name) const {
        auto it = repeated.find(name);
        return it == repeated.end() ? std::vector<std::string>{} : it->second;
    }
};

struct Command {
    const char* name;
    const char* usage;    // after "dayvault-cli NAME "
    const char* summary;  // one line for the tool's help
    const char* details;  // the command's own help
    std::vector<std::string> valueOptions;  // options that take a value
    std::vector<std::string> flagOptions;   // options without a value
    int (*run)(const Args& args);
};

const std::vector<Command>& commands();

/// The main file of DB, a database folder or a main file.
std::filesystem::path mainFileOf(const std::string& db);
/// Loads DB into `doc` for reading; prints the reason and returns the exit status when it cannot.
int loadDatabase(const std::string& db, CDvDoc& doc);
/// Opens DB for writing like the desktop program (open mark, daily backup); refuses while another
/// instance has it open. Returns the exit status on failure.
int openForWriting(const std::string& db, CDvDoc& doc);
/// Saves and closes a database opened with openForWriting.
int saveAndClose(CDvDoc& doc);

/// The item type a --type value names ("task", "todo", "note", "contact"); -1 for any other.
int typeOption(const std::string& text);
/// Reads option `name` as a whole decimal number in [min, max]; says why and gives nothing when
/// it is not one. The option must be present.
std::optional<long long> intOption(const Args& args, const std::string& name, long long min, long long max,
                                   const char* command);
/// The path of the folder that --folder names (the root when absent), with '/' working like the
/// backslash and the letter case the tree has; says why and gives nothing when there is no such
/// folder.
std::optional<std::u16string> folderOption(CDvDoc& doc, const Args& args, const char* command);
/// Prints UTF-16 text as UTF-8, line breaks as the terminal's.
void printText(std::u16string_view text);
/// False (after saying so) unless exactly `n` positional arguments were given.
bool needPositional(const Args& args, size_t n, const char* command);
/// One item as `list` prints it: GUID, type name, title and folders (joined with ';'), separated
/// by tabs.
void printListLine(const CDvItem& item);
/// Items as a JSON array of objects with guid, type, title and folders.
void printJsonItems(const std::vector<CDvItem*>& items);

int runInfo(const Args& args);
int runList(const Args& args);
int runShow(const Args& args);
int runSearch(const Args& args);
int runFind(const Args& args);
int runNew(const Args& args);
int runDemo(const Args& args);
int runPasswd(const Args& args);
int runAgenda(const Args& args);
int runAdd(const Args& args);
int runDateCalc(const Args& args);
int runFolder(const Args& args);
int runItem(const Args& args);

}  // namespace dvcli
