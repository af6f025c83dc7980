// The commands that find items: search (the quick search box) and find (the search tool). Both
// only read the database.
#include <cstdio>
#include <string>

#include "cli/cli.h"
#include "core/doc.h"
#include "platform/text.h"
#include "views/find_conditions.h"
#include "views/quick_search_combo_model.h"
#include "views/search_tool_dlg_model.h"

namespace dvcli {
namespace {

constexpr size_t kMaxConditions = 6;

// Short names for the fields the search tool names in words.
std::u16string fieldName(const std::string& given) {
    if (given == "any") return std::u16string(kDvFieldAnyPart);
    if (given == "note" || given == "contents") return std::u16string(kDvFieldContents);
    return dv::fromUtf8(given);
}

// "task,note" as the search tool's four boxes; false for an unknown name.
bool parseTypes(const std::string& list, std::array<bool, 4>& types) {
    types.fill(false);
    for (const std::u16string& part : dv::split(dv::fromUtf8(list), u',')) {
        const int type = typeOption(dv::toUtf8(dv::trimSpaces(part)));
        if (type < 1) return false;
        types[static_cast<size_t>(type - 1)] = true;
    }
    return true;
}

}  // namespace

int runSearch(const Args& args) {
    if (!needPositional(args, 2, "search")) return kUsage;
    int type = 0;
    if (args.has("--type") && (type = typeOption(args.get("--type"))) < 0) {
        std::fprintf(stderr, "dayvault-cli search: unknown type '%s' (task, todo, note or contact)\n",
                     args.get("--type").c_str());
        return kUsage;
    }
    CDvDoc doc;
    if (const int status = loadDatabase(args.positional[0], doc)) return status;
    CDvQuickSearchComboBoxModel box(doc);
    box.SetScope(dv::fromUtf8(args.get("--folder", "\\")), type);
    box.TextChanged(dv::fromUtf8(args.positional[1]));
    box.Fill();
    for (const std::u16string& row : box.Rows()) printText(row + u"\n");
    return kOk;
}

int runFind(const Args& args) {
    if (!needPositional(args, 1, "find")) return kUsage;
    DvFindCriteria criteria;
    criteria.folder = dv::fromUtf8(args.get("--folder", "\\"));
    if (args.has("--types") && !parseTypes(args.get("--types"), criteria.types)) {
        std::fprintf(stderr, "dayvault-cli find: unknown type in '%s' (task, todo, note or contact)\n",
                     args.get("--types").c_str());
        return kUsage;
    }
    const std::vector<std::string> fields = args.getAll("--field");
    if (fields.size() > kMaxConditions) {
        std::fprintf(stderr, "dayvault-cli find: at most %zu conditions\n", kMaxConditions);
        return kUsage;
    }
    for (const std::string& field : fields) {
        const size_t equals = field.find('=');
        if (equals == std::string::npos || equals == 0) {
            std::fprintf(stderr, "dayvault-cli find: a condition is FIELD=TEXT, not '%s'\n", field.c_str());
            return kUsage;
        }
        criteria.conditions.push_back({fieldName(field.substr(0, equals)), dv::fromUtf8(field.substr(equals + 1))});
    }
    criteria.anyCondition = args.has("--any");

    CDvDoc doc;
    if (const int status = loadDatabase(args.positional[0], doc)) return status;
    auto lock = doc.Lock();
    std::vector<CDvItem*> items;
    for (const DvListEntry& entry : DvFind(doc, criteria)) items.push_back(entry.item);
    if (args.has("--json")) {
        printJsonItems(items);
    } else {
        for (const CDvItem* item : items) printListLine(*item);
    }
    std::fprintf(stderr, "%s\n", dv::toUtf8(DvFindResultLabel(static_cast<int>(items.size()))).c_str());
    return kOk;
}

}  // namespace dvcli
