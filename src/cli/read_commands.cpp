// The commands that only read a database: info, list, show. None of them writes to the folder.
#include <cstdio>
#include <string>

#include "cli/cli.h"
#include "cli/json.h"
#include "core/doc.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "app/list_options.h"
#include "platform/locale_text.h"
#include "views/cell_text.h"
#include "views/column_defaults.h"
#include "views/column_store.h"
#include "views/list_fill.h"
#include "views/live_filter.h"
#include "views/view_test.h"

namespace dvcli {
namespace {

std::u16string dateText(const DvDateTime& t) {
    if (t.status == DvDateTimeStatus::Null) return {};
    dv::CivilTime c;
    if (!t.ToCivil(c)) return u"Invalid DateTime";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day, c.hour, c.minute,
                  c.second);
    return dv::fromAscii(buf);
}

void printItem(const CDvItem& item) {
    const std::pair<const char16_t*, std::u16string> fields[] = {
        {u"Title", item.title},
        {u"GUID", item.guid},
        {u"Type", DvItemTypeName(item.itemType)},
        {u"Folders", dv::join(item.folders, u";")},
        {u"Keywords", item.KeywordsText()},
        {u"Created", dateText(item.created)},
        {u"Modified", dateText(item.modified)},
        {u"Task start", dateText(item.taskStart)},
        {u"Task end", dateText(item.taskEnd)},
        {u"Priority", dv::formatInt64(item.priority)},
        {u"Completion", dv::formatInt64(item.completion)},
        {u"Flags", dv::formatInt64(item.flags)},
        {u"Contents", dv::formatInt64(item.contents.Size()) + u" bytes"},
    };
    for (const auto& [name, value] : fields) print(std::u16string(name) + u": " + value + u"\n");
    print(u"\nVariables:\n" + item.vars.ListAll(true));
}

// The keyword filter over the folder's keywords with the given ones selected. False when, in
// all-keywords mode, one of them occurs nowhere in the folder, so that no item can pass.
bool selectKeywords(CDvLiveFilter& filter, const std::string& list, bool all) {
    filter.SetKeywordFilterOn(true);
    filter.allKeywords = all;
    filter.RebuildKeywordList();
    bool everyOneFound = true;
    for (const std::u16string& part : dv::split(dv::toLowerLocale(dv::fromUtf8(list)), u',')) {
        const std::u16string_view keyword = dv::trimSpaces(part);
        if (keyword.empty()) continue;
        bool found = false;
        for (int row = 0; row < filter.RowCount(); ++row)
            if (filter.KeywordTable()[static_cast<size_t>(row)].keyword == keyword) {
                filter.SetRowSelected(row, true);
                found = true;
            }
        if (!found) {
            std::fprintf(stderr, "dayvault-cli list: no item in the folder has the keyword '%s'\n",
                         dv::toUtf8(keyword).c_str());
            everyOneFound = false;
        }
    }
    return everyOneFound || !all;
}

// The visible columns of the list (the any-item list's without a type) as a header of display
// names and one line of cell texts per item, separated by tabs.
void printColumns(CDvDoc& doc, const std::u16string& folder, int type, const std::vector<DvListEntry>& entries) {
    const std::vector<DvColumn> columns = type ? DvColumnsGetVisibleCols(doc, folder, type) : DvColumnsAnyItemList();
    const DvListOptions options = DvCurrentListOptions();
    std::u16string out;
    for (size_t c = 0; c < columns.size(); ++c) out += (c ? u"\t" : u"") + columns[c].displayName;
    out += u"\n";
    for (const DvListEntry& entry : entries) {
        for (size_t c = 0; c < columns.size(); ++c)
            out += (c ? u"\t" : u"") + DvCellText(*entry.item, columns[c].name, options);
        out += u"\n";
    }
    print(out);
}

}  // namespace

void print(std::u16string_view text) {
    std::u16string t(text);
    dv::replaceAll(t, u"\r\n", u"\n");
    std::fputs(dv::toUtf8(t).c_str(), stdout);
}

bool needPositional(const Args& args, size_t n, const char* command) {
    if (args.positional.size() == n) return true;
    std::fprintf(stderr, "dayvault-cli %s: wrong number of arguments (see --help)\n", command);
    return false;
}

int parseTypeOption(const std::string& text) {
    static constexpr std::pair<const char*, int> kTypes[] = {{"task", 1}, {"todo", 2}, {"note", 3}, {"contact", 4}};
    for (const auto& [option, type] : kTypes)
        if (text == option) return type;
    return -1;
}

void printListLine(const CDvItem& item) {
    print(item.guid + u"\t" + DvItemTypeName(item.itemType) + u"\t" + item.title + u"\t" + dv::join(item.folders, u";") +
          u"\n");
}

void printJsonItems(const std::vector<CDvItem*>& items) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) {
        const CDvItem& item = *items[i];
        out += i ? ",\n " : "\n ";
        out += "{\"guid\": " + jsonString(dv::toUtf8(item.guid)) + ", \"type\": " +
               jsonString(dv::toUtf8(DvItemTypeName(item.itemType))) + ", \"title\": " +
               jsonString(dv::toUtf8(item.title)) + ", \"folders\": [";
        for (size_t f = 0; f < item.folders.size(); ++f)
            out += (f ? ", " : "") + jsonString(dv::toUtf8(item.folders[f]));
        out += "]}";
    }
    out += items.empty() ? "]\n" : "\n]\n";
    std::fputs(out.c_str(), stdout);
}

int runInfo(const Args& args) {
    if (!needPositional(args, 1, "info")) return kUsage;
    CDvDoc doc;
    if (const int status = loadDatabase(args.positional[0], doc)) return status;
    print(doc.PropertiesText());
    return kOk;
}

int runList(const Args& args) {
    if (!needPositional(args, 1, "list")) return kUsage;
    int type = 0;
    if (args.has("--type") && (type = parseTypeOption(args.get("--type"))) < 0) {
        std::fprintf(stderr, "dayvault-cli list: unknown type '%s' (task, todo, note or contact)\n",
                     args.get("--type").c_str());
        return kUsage;
    }
    CDvDoc doc;
    if (const int status = loadDatabase(args.positional[0], doc)) return status;
    const std::u16string folder = dv::fromUtf8(args.get("--folder", "\\"));
    auto lock = doc.Lock();

    CDvLiveFilter filter(doc);
    filter.Prepare(folder, type);
    if (args.has("--text")) {
        filter.SetTextFilterOn(true);
        filter.SetPhrase(dv::fromUtf8(args.get("--text")));
    }
    std::vector<DvListEntry> entries;
    if (!args.has("--keywords") || selectKeywords(filter, args.get("--keywords"), args.has("--all-keywords"))) {
        DvViewTest test(&filter);
        test.hideCompleted = args.has("--hide-completed");
        entries = DvCollectListEntries(doc, folder, type, test, dv::fromUtf8(args.get("--sort")),
                                       !args.has("--descending"));
    }

    if (args.has("--columns")) {
        printColumns(doc, folder, type, entries);
        return kOk;
    }
    std::vector<CDvItem*> items;
    for (const DvListEntry& entry : entries) items.push_back(entry.item);
    if (args.has("--json")) {
        printJsonItems(items);
    } else {
        for (const CDvItem* item : items) printListLine(*item);
    }
    return kOk;
}

int runShow(const Args& args) {
    if (!needPositional(args, 2, "show")) return kUsage;
    CDvDoc doc;
    if (const int status = loadDatabase(args.positional[0], doc)) return status;
    const CDvItem* item = doc.FindItemByGuid(dv::fromUtf8(args.positional[1]));
    if (!item) {
        std::fprintf(stderr, "dayvault-cli show: no item with GUID %s\n", args.positional[1].c_str());
        return kNotFound;
    }
    if (args.has("--var")) {
        print(item->GetVar(dv::fromUtf8(args.get("--var"))).AsText() + u"\n");
    } else {
        printItem(*item);
    }
    return kOk;
}

}  // namespace dvcli
