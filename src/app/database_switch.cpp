#include "app/database_switch.h"

#include "app/database_session.h"
#include "app/startup.h"
#include "core/doc.h"
#include "platform/ui.h"

namespace fs = std::filesystem;

namespace {

fs::path mainFileOf(const fs::path& chosen) {
    std::error_code ec;
    return fs::is_directory(chosen, ec) ? chosen / kDvMainFileName : chosen;
}

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec);
}

}  // namespace

bool DvSwitchDatabase(CDvDoc& doc, const fs::path& mainFile) {
    const fs::path previous = doc.mainFilePath;
    if (!previous.empty()) CloseDocument(true, &doc);
    if (OpenDocument(mainFile, true, &doc)) return true;
    // The load has said why; the database that was open comes back (its mark is ours again).
    if (!previous.empty()) OpenDocument(previous, true, &doc);
    return false;
}

bool DvOpenDatabaseCommand(CDvDoc& doc) {
    fs::path chosen;
    if (!dv::ui().AskOpenFile(u"Select a file", DocumentsFolder(false), u"*.dayvault", chosen)) return false;
    chosen = mainFileOf(chosen);
    if (!doc.mainFilePath.empty() && sameFile(chosen, doc.mainFilePath)) {
        dv::ui().ShowMessage(u"You are currently working with this database, aborting");
        return false;
    }
    DvSwitchDatabase(doc, chosen);
    return true;
}
