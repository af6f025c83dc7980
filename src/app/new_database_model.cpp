#include "app/new_database_model.h"

#include "app/database_session.h"
#include "core/doc.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace {

std::u16string quoted(const std::filesystem::path& p) { return u"\"" + dv::fromUtf8(p.string()) + u"\""; }

}  // namespace

const std::u16string& DvNewDatabaseModel::ExplanationText() {
    static const std::u16string text =
        u"Please note: if you only want to create a new folder (in the folders list on the left) then use the "
        u"'create a new folder' button.\r\nWhat you are doing now is creating a completetely new database";
    return text;
}

std::filesystem::path DvNewDatabaseModel::DatabaseFolder() const {
    return std::filesystem::path(dv::toUtf8(parentFolder)) / dv::toUtf8(name);
}

std::filesystem::path DvNewDatabaseModel::MainFile() const {
    return DatabaseFolder() / dv::toUtf8(kDvMainFileName);
}

std::u16string DvNewDatabaseModel::LocationText() const {
    if (parentFolder.empty()) return u"Please enter folder location";
    if (name.empty()) return u"Please enter the name";
    return u"Since I need a separate folder for every single database, I will create it at:\r\n" +
           quoted(DatabaseFolder()) + u"\r\n\r\nThe main database file will be located at:\r\n" + quoted(MainFile());
}

bool DvNewDatabaseModel::Ok() {
    dv::Ui& ui = dv::ui();
    if (parentFolder.empty() || name.empty()) {
        ui.ShowMessage(u"Please enter both folder and name of new project");
        return false;
    }
    if (!dv::isDirectory(dv::toUtf8(parentFolder))) {
        ui.ShowMessage(parentFolder + u"\r\nis not a folder");
        return false;
    }
    if (dv::fileExists(DatabaseFolder()) &&
        ui.Ask(u"This folder already exists, all the information inside will be overwritten, are you sure about "
               u"that?",
               dv::Buttons::YesNo) != dv::Answer::Yes)
        return false;
    CreateDatabaseFolder(DatabaseFolder());
    CDvDoc fresh;
    fresh.root.NewGuid();
    if (!fresh.Save(MainFile())) {
        ui.ShowMessage(u"Saving new database failed");
        return false;
    }
    CDvDoc& current = DvCurDocSilently();
    if (!current.mainFilePath.empty()) CloseDocument(true, &current);
    if (!OpenDocument(MainFile(), true, &current)) return false;
    ui.ShowMessage(u"Created and open.\r\nYou're working now with \"" + name + u"\"");
    return true;
}
