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

namespace dvcli {
namespace {

bool needPositional(const Args& args, size_t n, const char* command) {
    if (args.positional.size() == n) return true;
    std::fprintf(stderr, "dayvault-cli %s: wrong number of arguments (see --help)\n", command);
    return false;
}

// The ISO form scripts can read back; a value that is not valid says so rather than vanish.
std::u16string dateText(const DvDateTime& t) {
    if (t.IsNull()) return {};
    std::u16string text = DvIsoText(t, true);
    return text.empty() ? std::u16string(kDvInvalidDateTimeText) : text;
}

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
    std::vector<CDvItem*> items;
    DvCollectItems(doc, dv::fromUtf8(args.get("--folder", "\\")), true, type, items);
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
