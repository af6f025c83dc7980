// dayvault-cli: the database from a terminal or a script.
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/cli.h"
#include "app/startup.h"
#include "cli/cli_ui.h"

namespace dvcli {
namespace {

void printToolHelp(FILE* out) {
    std::fprintf(out,
                 "Usage: dayvault-cli COMMAND [ARGUMENTS...]\n\n"
                 "Works with a Dayvault database from the command line. DB is a database folder or\n"
                 "its main file (_main_data.dayvault).\n\nCommands:\n");
    for (const auto& c : commands()) std::fprintf(out, "  %-8s %s\n", c.name, c.summary);
    std::fprintf(out,
                 "\nRun 'dayvault-cli COMMAND --help' for the options of a command.\n\n"
                 "A protected database takes its password from DAYVAULT_PASSWORD, from --password-file FILE\n"
                 "(its first line), or from a prompt when standard input is a terminal.\n\n"
                 "Exit status: 0 success, 1 usage error, 2 the database cannot be loaded, 3 wrong password,\n"
                 "4 the database is open in another instance, 5 no such item or folder, 6 the change failed.\n");
}

void printCommandHelp(const Command& c, FILE* out) {
    std::fprintf(out, "Usage: dayvault-cli %s %s\n\n%s\n", c.name, c.usage, c.details);
}

bool contains(const std::vector<std::string>& list, const std::string& s) {
    for (const auto& x : list)
        if (x == s) return true;
    return false;
}

// Returns false (after saying why) on an unknown option or a missing option value.
bool parseArgs(const Command& c, int argc, char** argv, Args& args) {
    for (int i = 0; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--", 0) != 0 || a == "--") {
            args.positional.push_back(a);
            continue;
        }
        if (contains(c.flagOptions, a)) {
            args.options[a] = "";
        } else if (contains(c.valueOptions, a)) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "dayvault-cli %s: option %s needs a value\n", c.name, a.c_str());
                return false;
            }
            args.options[a] = argv[++i];
            args.repeated[a].push_back(args.options[a]);
        } else {
            std::fprintf(stderr, "dayvault-cli %s: unknown option %s\n", c.name, a.c_str());
            return false;
        }
    }
    return true;
}

const Command* findCommand(const char* name) {
    for (const auto& c : commands())
        if (std::strcmp(c.name, name) == 0) return &c;
    return nullptr;
}

}  // namespace
}  // namespace dvcli

int main(int argc, char** argv) {
    using namespace dvcli;
    std::setlocale(LC_ALL, "");
    CliUi ui;
    DvUseOptionsForDateFormats();
    if (argc < 2) {
        printToolHelp(stderr);
        return kUsage;
    }
    if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h") || !std::strcmp(argv[1], "help")) {
        printToolHelp(stdout);
        return kOk;
    }
    const Command* command = findCommand(argv[1]);
    if (!command) {
        std::fprintf(stderr, "dayvault-cli: unknown command '%s'\n\n", argv[1]);
        printToolHelp(stderr);
        return kUsage;
    }
    for (int i = 2; i < argc; ++i)
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            printCommandHelp(*command, stdout);
            return kOk;
        }
    Args args;
    if (!parseArgs(*command, argc - 2, argv + 2, args)) return kUsage;
    ui.passwordFile = args.get("--password-file");
    ui.newPasswordFile = args.get("--new-password-file");
    return command->run(args);
}
