#include "app/startup.h"

#include <clocale>

#include "app/database_session.h"
#include "app/log.h"
#include "app/options.h"
#include "core/doc.h"
#include "platform/files.h"
#include "platform/locations.h"
#include "platform/text.h"
#include "platform/ui.h"
#include "schedule/date_format.h"

namespace fs = std::filesystem;

namespace {

std::u16string text(const fs::path& p) { return dv::fromUtf8(p.string()); }

// Earlier versions kept one file directly in the documents folder.
bool moveOldSingleFile() {
    const fs::path old = DocumentsFolder(false) / "default.dayvault";
    if (!dv::fileExists(old)) return true;
    dv::Ui& ui = dv::ui();
    ui.ShowMessage(u"moving\r\n" + text(old) + u"\r\nto:\r\n" + text(DefaultMainFile()));
    std::error_code ec;
    fs::rename(old, DefaultMainFile(), ec);
    if (ec) {
        ui.ShowMessage(u"Moving the database file (due to some changes in how I store information) failed. Aborting "
                       u"(arenn't you using two instances of the program ?)");
        return false;
    }
    ui.ShowMessage(u"I can see you have already used the program. Thanks!\r\nNote that I changed the location of your "
                   u"database to:\r\n" + text(DefaultMainFile()) + u"\r\n\r\nIf you care...");
    return true;
}

fs::path lastDocument(CDvOptions& options) {
    const std::u16string stored = options.GetString(kDvOptLastOpenDocMainFile, u"");
    if (stored.empty()) return {};
    fs::path path = dv::toUtf8(stored);
    if (path.is_relative()) path = dv::programFolder() / path;
    if (dv::fileSize(path) >= 0) return path;
    dv::ui().ShowMessage(
        u"Recently opened document does not exists. Default document will be open.\r\nRecent document path:" + stored);
    return {};
}

// No database yet: a new empty document whose first auto-save creates the file.
void startNewDefaultDocument() {
    CDvDoc& doc = DvCurDocSilently();
    doc.Clear();
    doc.root.title = kDvRootPath;
    doc.root.NewGuid();
    doc.mainFilePath = DefaultMainFile();
}

}  // namespace

void DvUseOptionsForDateFormats() {
    // Read at each call, so a change in the options dialog shows at once.
    DvSetDateFormatSource([](std::u16string_view key) { return GetOptions(true).GetString(key, u""); });
}

fs::path DocumentsFolder(bool create) {
    const fs::path base = IsPortable() ? dv::programFolder() : dv::documentsFolder();
    const fs::path folder = base / "My Dayvault Documents";
    if (!create) return folder;
    std::error_code ec;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec) ? folder : fs::path();
}

fs::path DefaultDatabaseFolder() { return DocumentsFolder(false) / "default"; }

fs::path DefaultMainFile() { return DefaultDatabaseFolder() / dv::toUtf8(kDvMainFileName); }

bool InitInstance(const fs::path& requested) {
    std::setlocale(LC_ALL, "");
    DvLog(kDvMainLogName, u"Starting");
    CDvOptions& options = GetOptions(false);
    options.LoadOptions();
    options.SetInt(kDvOptUsageCount, options.GetInt(kDvOptUsageCount, 0) + 1);
    DvUseOptionsForDateFormats();
    dv::Ui& ui = dv::ui();

    const bool firstRun = !dv::isDirectory(DefaultDatabaseFolder());
    if (firstRun && (DocumentsFolder(true).empty() || !CreateDatabaseFolder(DefaultDatabaseFolder()))) {
        ui.ShowMessage(u"Could not create database folder, aborting");
        return false;
    }
    if (!moveOldSingleFile()) return false;
    if (firstRun && !IsPortable()) CreateAutostartEntry(dv::programFile());
    DvSetDocumentsFolderForChooser(DocumentsFolder(false));

    fs::path chosen = requested.empty() ? lastDocument(options) : requested;
    if (dv::isDirectory(chosen)) chosen /= dv::toUtf8(kDvMainFileName);
    if (chosen.empty()) {
        if (!dv::fileExists(DefaultMainFile())) {
            startNewDefaultDocument();
            return true;
        }
        chosen = DefaultMainFile();
    }
    if (!dv::fileExists(chosen)) {
        ui.ShowMessage(u"I was supposed to load:\r\n" + text(chosen) +
                       u"\r\nbut this file does not exist.\r\nPlease report this to the Dayvault support, with the "
                       u"path above.\r\nAborting.");
        return false;
    }
    if (!OpenDocument(chosen, false)) {
        ui.ShowMessage(u"aborting: failed loading document:\r\n" + text(chosen));
        return false;
    }
    return true;
}
