// The commands that change a database: new, passwd, add. They take the open mark like the desktop
// program, so two writers never work on one database at the same time.
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <vector>

#include "app/database_session.h"
#include "app/new_database_model.h"
#include "app/password_protection.h"
#include "app/smart_box_model.h"
#include "cli/cli.h"
#include "core/doc.h"
#include "core/rtf_writer.h"
#include "platform/files.h"
#include "platform/text.h"
#include "schedule/date_format.h"

namespace dvcli {

int runNew(const Args& args) {
    if (args.positional.size() != 2) {
        std::fprintf(stderr, "dayvault-cli new: give the parent folder and the name (see --help)\n");
        return kUsage;
    }
    DvNewDatabaseModel model;
    model.parentFolder = dv::fromUtf8(args.positional[0]);
    model.name = dv::fromUtf8(args.positional[1]);
    if (!model.Ok()) return kFailed;
    CloseDocument(false);
    std::printf("%s\n", model.MainFile().c_str());
    return kOk;
}

int runPasswd(const Args& args) {
    if (args.positional.size() != 1) {
        std::fprintf(stderr, "dayvault-cli passwd: give the database (see --help)\n");
        return kUsage;
    }
    CDvDoc doc;
    if (const int status = openForWriting(args.positional[0], doc)) return status;
    if (!ChangePassword(doc)) {
        CloseDocument(false, &doc);
        std::fprintf(stderr, "dayvault-cli passwd: no new password given; nothing changed\n");
        return kFailed;
    }
    return saveAndClose(doc);
}

namespace {

bool hasRtfExtension(const std::filesystem::path& file) {
    return dv::equalsAsciiNoCase(dv::fromUtf8(file.extension().string()), u".rtf");
}

// The contents --contents FILE gives: an .rtf file as it is, any other file as UTF-8 text with a
// paragraph per line. Says why and gives nothing when the file cannot be used.
std::optional<std::vector<uint8_t>> contentsOption(const Args& args) {
    const std::string name = args.get("--contents");
    const std::filesystem::path file(name);
    std::vector<uint8_t> bytes;
    if (dv::fileSize(file) < 0 || !dv::readFile(file, bytes)) {
        std::fprintf(stderr, "dayvault-cli add: cannot read the contents file '%s'\n", name.c_str());
        return std::nullopt;
    }
    if (!hasRtfExtension(file)) {
        std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte order mark is no text
        if (const std::size_t bad = dv::firstInvalidUtf8(text); bad != std::string_view::npos) {
            std::fprintf(stderr,
                         "dayvault-cli add: the contents file '%s' is not UTF-8 text (byte %zu); "
                         "rich text must be an .rtf file\n",
                         name.c_str(), bad + (bytes.size() - text.size()));
            return std::nullopt;
        }
        const std::string rtf = DvRtfWrite(DvRichTextFromPlainText(dv::fromUtf8(text)));
        bytes.assign(rtf.begin(), rtf.end());
    }
    if (bytes.size() > std::numeric_limits<uint32_t>::max()) {
        std::fprintf(stderr, "dayvault-cli add: the contents of '%s' are too large for an item\n", name.c_str());
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

int runAdd(const Args& args) {
    if (args.positional.size() != 2) {
        std::fprintf(stderr, "dayvault-cli add: give the database and the text (see --help)\n");
        return kUsage;
    }
    CDvSmartBoxModel box;
    box.text = dv::fromUtf8(args.positional[1]);
    // --type is the type button; without it none is selected, so only a keyword gives a type.
    box.selectedType = args.has("--type") ? typeOption(args.get("--type")) : 0;
    if (box.selectedType < 0) {
        std::fprintf(stderr, "dayvault-cli add: unknown type '%s' (task, todo, note or contact)\n",
                     args.get("--type").c_str());
        return kUsage;
    }
    if (args.has("--start")) {
        const auto start = DvParseIsoText(dv::fromUtf8(args.get("--start")));
        if (!start) {
            std::fprintf(stderr, "dayvault-cli add: --start takes \"YYYY-MM-DD HH:MM\", not '%s'\n",
                         args.get("--start").c_str());
            return kUsage;
        }
        box.datePicker = box.timePicker = *start;
    }
    std::optional<std::vector<uint8_t>> contents;
    if (args.has("--contents") && !(contents = contentsOption(args))) return kUsage;
    // Tried on a scratch item first, so that a text giving no type leaves the database unopened:
    // no open mark, no backup.
    if (CDvItem probe; !box.Parse(probe)) {
        std::fprintf(stderr, "dayvault-cli add: nothing added: %s\n",
                     box.text.empty() ? "the text is empty"
                                      : "the text names no type before a ';' and no --type is given");
        return kUsage;
    }

    CDvDoc doc;
    if (const int status = openForWriting(args.positional[0], doc)) return status;
    const auto folder = folderOption(doc, args, "add");
    if (!folder) {
        CloseDocument(false, &doc);
        return kNotFound;
    }
    box.folder = *folder;
    const DvSmartBoxAdded added = box.Add(doc);
    if (!added) {
        CloseDocument(false, &doc);
        return kFailed;
    }
    if (contents) {
        added.item->contents.Assign(*contents);
        added.item->InvalidatePlainText();
    }
    const std::string guid = dv::toUtf8(added.item->guid);
    if (const int status = saveAndClose(doc)) return status;
    std::printf("%s\n", guid.c_str());
    return kOk;
}

}  // namespace dvcli
