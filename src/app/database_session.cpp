#include "app/database_session.h"

#include "app/document_events.h"
#include "core/backups.h"
#include "core/doc.h"
#include "core/open_mark.h"
#include "platform/ui.h"

namespace fs = std::filesystem;

namespace {

constexpr int kMarkSeconds = 40;

class SilentEvents final : public DvDocumentEvents {};
DvDocumentEvents* installedEvents = nullptr;
fs::path chooserFolder;

const std::u16string kAccessDeniedText =
    u"The document you are trying to open is already in use. Probably another instance of Dayvault is using it. "
    u"What would you like to do?";
const std::u16string kStillOpenText =
    u"Sorry, the file is still open by another instance of Dayvault. Or - last time the program crashed, in this "
    u"case you need to wait a minute before attempting to open the document again";

CDvDoc& docOrCurrent(CDvDoc* doc) { return doc ? *doc : DvCurDocSilently(); }

}  // namespace

DvDocumentEvents& DvEvents() {
    static SilentEvents none;
    return installedEvents ? *installedEvents : none;
}

void DvSetDocumentEvents(DvDocumentEvents* events) { installedEvents = events; }

void DvSetDocumentsFolderForChooser(const fs::path& folder) { chooserFolder = folder; }

DvAccessChoice AccessDeniedDialog(const fs::path& mainFile) {
    static const std::vector<std::u16string> choices = {u"Cancel", u"Try again", u"Open in 'read only' mode",
                                                        u"Open another document"};
    for (;;) {
        const int chosen = dv::ui().Choose(u"Access denied", kAccessDeniedText, choices);
        if (chosen <= 0 || chosen > 3) return DvAccessChoice::Cancel;
        if (chosen != 1) return static_cast<DvAccessChoice>(chosen);
        if (!IsOpenMarkFresh(mainFile, kMarkSeconds)) return DvAccessChoice::TryAgain;
        dv::ui().ShowMessage(kStillOpenText);
    }
}

bool OpenDocument(const fs::path& mainFile, bool restoreView, CDvDoc* given) {
    if (mainFile.empty()) return false;
    CDvDoc& doc = docOrCurrent(given);
    bool readOnly = false;
    if (IsOpenMarkFresh(mainFile, kMarkSeconds)) {
        switch (AccessDeniedDialog(mainFile)) {
        case DvAccessChoice::Cancel:
            return false;
        case DvAccessChoice::ReadOnly:
            readOnly = true;
            break;
        case DvAccessChoice::OpenAnother: {
            fs::path other;
            if (!dv::ui().AskOpenFile(u"Select a file", chooserFolder, u"*.dayvault", other)) return false;
            return OpenDocument(other, restoreView, given);
        }
        case DvAccessChoice::TryAgain:
            break;
        }
    }
    if (!doc.Load(mainFile)) return false;
    if (readOnly) doc.readOnly = 1;
    WriteOpenMark(doc.mainFilePath);
    DailyBackup(doc.mainFilePath);
    DvEvents().DocumentOpened(doc, restoreView);
    return true;
}

bool SaveDocument(CDvDoc* given) {
    CDvDoc& doc = docOrCurrent(given);
    if (doc.readOnly) {
        dv::ui().OfferAdvisor(u"Document is 'readonly' and cannot be saved");
        return false;
    }
    DvEvents().DocumentSaving(doc);
    return doc.Save();
}

bool CloseDocument(bool save, CDvDoc* given) {
    CDvDoc& doc = docOrCurrent(given);
    bool ok = true;
    if (save) ok = SaveDocument(&doc);
    if (!doc.mainFilePath.empty()) RemoveOpenMark(doc.mainFilePath);
    DvEvents().DocumentClosing(doc);
    doc.Clear();
    doc.vars.Clear();
    doc.mainFilePath.clear();
    doc.password.clear();
    return ok;
}

bool CreateDatabaseFolder(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder / "backups", ec);
    return fs::is_directory(folder, ec);
}
