// The commands that only read a database: info, list, show, agenda. None of them writes to the folder.
#include <cstdio>
#include <string>

#include "cli/cli.h"
#include "cli/json.h"
#include "core/doc.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "schedule/agenda.h"
#include "schedule/date_format.h"
#include "views/collect_items.h"
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
    printText(out);
}

}  // namespace

bool needPositional(const Args& args, size_t n, const char* command) {
    if (args.positional.size() == n) return true;
    std::fprintf(stderr, "dayvault-cli %s: wrong number of arguments (see --help)\n", command);
    return false;
}

namespace {

// The ISO form scripts can read back; a value that is not valid says so rather than vanish.
std::u16string dateText(const DvDateTime& t) {
    if (t.IsNull()) return {};
    std::u16string text = DvIsoText(t, true);
    return text.empty() ? std::u16string(kDvInvalidDateTimeText) : text;
}

}  // namespace

void printListLine(const CDvItem& item) {
    printText(item.guid + u"\t" + DvItemTypeName(item.itemType) + u"\t" + item.title + u"\t" +
              dv::join(item.folders, u";") + u"\n");
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

namespace {

void printAgendaJson(const DvAgendaPage& page) {
    std::string out = "{\"days\": [";
    for (std::size_t d = 0; d < page.days.size(); ++d) {
        const DvAgendaDay& day = page.days[d];
        out += d ? ",\n  " : "\n  ";
        out += "{\"date\": " + jsonString(dv::toUtf8(DvIsoText(day.date, false))) + ", \"entries\": [";
        for (std::size_t e = 0; e < day.entries.size(); ++e) {
            const DvAgendaEntry& entry = day.entries[e];
            out += e ? ", " : "";
            out += "{\"guid\": " + jsonString(dv::toUtf8(entry.guid)) + ", \"title\": " +
                   jsonString(dv::toUtf8(entry.title)) + ", \"start\": " +
                   jsonString(dv::toUtf8(DvIsoText(entry.occurrence.start, true))) + ", \"end\": " +
                   jsonString(dv::toUtf8(DvIsoText(entry.occurrence.end, true))) + "}";
        }
        out += "]}";
    }
    out += page.days.empty() ? "]}\n" : "\n]}\n";
    std::fputs(out.c_str(), stdout);
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
    for (const auto& [name, value] : fields) printText(std::u16string(name) + u": " + value + u"\n");
    printText(u"\nVariables:\n" + item.vars.ListAll(true));
}

}  // namespace

int runInfo(const Args& args) {
    if (!needPositional(args, 1, "info")) return kUsage;
    CDvDoc doc;
    if (const int status = loadDatabase(args.positional[0], doc)) return status;
    printText(doc.PropertiesText());
    return kOk;
}

int runList(const Args& args) {
    if (!needPositional(args, 1, "list")) return kUsage;
    int type = 0;
    if (args.has("--type") && (type = typeOption(args.get("--type"))) < 0) {
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
        printText(item->GetVar(dv::fromUtf8(args.get("--var"))).AsText() + u"\n");
    } else {
        printItem(*item);
    }
    return kOk;
}

int runAgenda(const Args& args) {
    if (!needPositional(args, 1, "agenda")) return kUsage;
    CDvAgendaModel agenda;
    if (args.has("--from")) {
        const auto from = DvParseIsoText(dv::fromUtf8(args.get("--from")));
        if (!from) {
            std::fprintf(stderr, "dayvault-cli agenda: --from takes a date YYYY-MM-DD, not '%s'\n",
                         args.get("--from").c_str());
            return kUsage;
        }
        agenda.startDate = *from;
    }
    if (args.has("--days")) {
        // Ten years: enough for any look ahead, and a mistyped count cannot print for hours.
        const auto days = intOption(args, "--days", 1, 3660, "agenda");
        if (!days) return kUsage;
        agenda.days = static_cast<int>(*days);
    }
    if (args.has("--detail")) {
        // Out-of-range levels clamp, as the slider's do; only a non-number is refused.
        const auto level = intOption(args, "--detail", -1000000, 1000000, "agenda");
        if (!level) return kUsage;
        agenda.SetDetailLevel(static_cast<int>(*level));
    }
    CDvDoc doc;
    if (const int status = loadDatabase(args.positional[0], doc)) return status;
    const auto folder = folderOption(doc, args, "agenda");
    if (!folder) return kNotFound;
    agenda.folder = *folder;
    const DvAgendaPage page = agenda.Build(doc);
    if (args.has("--json")) {
        printAgendaJson(page);
    } else {
        printText(page.Text());
    }
    return kOk;
}

}  // namespace dvcli
