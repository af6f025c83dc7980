#pragma once
// Shared pieces of dayvault-cli: parsed arguments, exit statuses and the command table.
#include <map>
#include <string>
#include <vector>

class CDvDoc;

namespace dvcli {

enum ExitStatus { kOk = 0, kUsage = 1, kCannotLoad = 2, kWrongPassword = 3 };

struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // "--folder" -> value; flags map to ""
    bool has(const std::string& name) const { return options.count(name) != 0; }
    std::string get(const std::string& name, const std::string& fallback = {}) const {
        auto it = options.find(name);
        return it == options.end() ? fallback : it->second;
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

/// Loads DB (a database folder or a main file) into `doc`; prints the reason and returns false
/// when it cannot.
bool loadDatabase(const std::string& db, CDvDoc& doc);

int runInfo(const Args& args);
int runList(const Args& args);
int runShow(const Args& args);

}  // namespace dvcli
