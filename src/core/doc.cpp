#include "core/doc.h"

#include <cstdio>

#include "core/archive.h"
#include "core/crypto_format.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace {

constexpr uint8_t kFormatVersion = 1;
// An item record is never shorter than this many bytes; hostile counts are checked against it.
constexpr size_t kMinStoredItemBytes = 90;

std::u16string pathText(const std::filesystem::path& p) { return dv::fromUtf8(p.string()); }

std::u16string sizeText(int64_t bytes) {
    char text[64];
    if (bytes < 1048576)
        std::snprintf(text, sizeof text, "%.1f KB", static_cast<double>(bytes) / 1024.0);
    else
        std::snprintf(text, sizeof text, "%.2f MB", static_cast<double>(bytes) / 1048576.0);
    return dv::fromAscii(text);
}

}  // namespace

CDvDoc::CDvDoc() { root.title = kDvRootPath; }

void CDvDoc::Clear() {
    auto lock = Lock();
    items.clear();
    root.RemoveAllChildren();
    readOnly = 0;
}

void CDvDoc::Serialize(CDvArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteByte(kFormatVersion);
    } else if (ar.ReadByte() > kFormatVersion) {
        dv::ui().ShowMessage(
            u"this is a document from a newer version of the program, be adviced that you should really download "
            u"the newer version.");
    }
    ar.Io(reservedWord0);
    for (auto& s : reservedStrings) ar.Io(s);
    for (auto& w : reservedWords) ar.Io(w);
    for (auto& b : reservedBytes) ar.Io(b);
    vars.Serialize(ar);
    root.Serialize(ar);
    if (ar.IsStoring()) {
        RenumberItems();
        uint32_t stored = 0;
        for (const auto& item : items) stored += item->subscribed ? 0 : 1;
        ar.WriteUInt32(stored);
        for (auto& item : items)
            if (!item->subscribed) item->Serialize(ar);
        return;
    }
    const uint32_t count = ar.ReadUInt32();
    ar.CheckCount(count, kMinStoredItemBytes);
    items.clear();
    items.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        items.push_back(std::make_unique<CDvItem>());
        items.back()->Serialize(ar);
    }
}

std::vector<uint8_t> CDvDoc::ToBytes() {
    auto lock = Lock();
    CDvArchive ar;
    ar.Reserve(lastStoredBytes_ + lastStoredBytes_ / 8 + 4096);
    Serialize(ar);
    lastStoredBytes_ = ar.Bytes().size();
    return ar.TakeBytes();
}

void CDvDoc::FromBytes(std::span<const uint8_t> bytes) {
    auto lock = Lock();
    CDvArchive ar(bytes);
    Serialize(ar);
    lastStoredBytes_ = bytes.size();
}

bool CDvDoc::fail(DvLoadError error) {
    lastLoadError = error;
    return false;
}

bool CDvDoc::Load(const std::filesystem::path& given) {
    lastLoadError = DvLoadError::None;
    std::filesystem::path path = given;
    if (dv::isDirectory(path)) path /= dv::toUtf8(kDvMainFileName);
    if (!dv::fileExists(path)) return fail(DvLoadError::Missing);
    if (dv::fileSize(path) == 0) {
        dv::ui().ShowMessage(u"file:" + pathText(path) + u"\r\n has no data (size is zero) and cannot be loaded");
        return fail(DvLoadError::Empty);
    }
    if (!readMainFile(path)) return false;
    upgradeAfterLoad();
    return true;
}

// A protected file is decrypted in memory: its plaintext never touches the disk.
bool CDvDoc::decryptIfProtected(std::vector<uint8_t>& bytes, std::u16string& pw) {
    pw.clear();
    if (DvIsEncryptedBytes(bytes) != DvCryptResult::AlreadyEncrypted) return true;
    if (!dv::ui().AskPassword(dv::PasswordMode::Opening, pw)) return fail(DvLoadError::Cancelled);
    std::vector<uint8_t> plain;
    const DvCryptResult result = DvDecryptBytes(bytes, pw, plain);
    if (result != DvCryptResult::Succeeded) {
        dv::ui().ShowMessage(DvCryptResultText(result));
        return fail(result == DvCryptResult::WrongPassword ? DvLoadError::WrongPassword : DvLoadError::DecryptionFailed);
    }
    bytes = std::move(plain);
    return true;
}

bool CDvDoc::readMainFile(const std::filesystem::path& path) {
    std::vector<uint8_t> bytes;
    if (!dv::readFile(path, bytes)) return fail(DvLoadError::CannotRead);
    std::u16string enteredPassword;
    if (!decryptIfProtected(bytes, enteredPassword)) return false;
    auto lock = Lock();
    Clear();
    password = enteredPassword;
    try {
        FromBytes(bytes);
    } catch (const CDvArchiveError& e) {
        Clear();
        vars.Clear();
        mainFilePath.clear();
        password.clear();
        dv::ui().ShowMessage(u"file:" + pathText(path) + u"\r\n is damaged and cannot be loaded (" +
                             dv::fromUtf8(e.what()) + u")");
        return fail(DvLoadError::Damaged);
    }
    mainFilePath = path;
    return true;
}

void CDvDoc::upgradeAfterLoad() {
    auto lock = Lock();
    const double version = GetVersion();
    if (version < 1.5) {
        reservedWords = {};
        reservedBytes = {};
    }
    RenumberItems();
    for (auto& item : items) item->Upgrade(version);
    root.Upgrade(version);
}

bool CDvDoc::Save(const std::filesystem::path& given) {
    vars.Set(u"dv_app_version", CDvVar::FromDouble(kDvAppVersion));
    const std::filesystem::path path = given.empty() ? mainFilePath : given;
    if (path.empty()) return false;
    std::vector<uint8_t> bytes = ToBytes();
    if (!encodeForDisk(bytes)) return false;
    std::string error;
    if (!dv::writeFileAtomically(path, bytes, &error)) {
        dv::ui().ShowMessage(u"Saving failed, the previous file is kept. Error: " + dv::fromUtf8(error));
        return false;
    }
    return true;
}

// With a password the file is encrypted before it is written; should that fail, the previous file
// stays as it was rather than a plaintext copy of a protected database reaching the disk.
bool CDvDoc::encodeForDisk(std::vector<uint8_t>& bytes) {
    if (password.empty()) return true;
    DvCryptResult result = DvCryptResult::Succeeded;
    std::vector<uint8_t> sealed = DvEncryptBytes(bytes, password, &result);
    if (sealed.empty()) {
        dv::ui().ShowMessage(u"Encryption failed, the previous file is kept. Error:" +
                             std::u16string(DvCryptResultText(result)));
        return false;
    }
    bytes = std::move(sealed);
    return true;
}

void CDvDoc::RenumberItems() {
    for (size_t i = 0; i < items.size(); ++i) items[i]->index = static_cast<int>(i);
}

CDvItem* CDvDoc::FindItemByGuid(std::u16string_view guid, int* index) {
    auto lock = Lock();
    if (index) *index = -1;
    for (size_t i = 0; i < items.size(); ++i) {
        items[i]->index = static_cast<int>(i);
        if (!items[i]->HasGuid(guid)) continue;
        if (index) *index = static_cast<int>(i);
        return items[i].get();
    }
    return nullptr;
}

double CDvDoc::GetVersion() const {
    const CDvVar* v = vars.Get(u"dv_app_version");
    if (!v) return 0.0;
    switch (v->Type()) {
    case DV_VAR_DOUBLE:
    case DV_VAR_INT64:
    case DV_VAR_STRING:
        return v->AsDouble();
    case DV_VAR_BOOL:
        return v->AsBool() ? 1.0 : 0.0;
    default:
        return 0.0;
    }
}

std::u16string CDvDoc::PropertiesText() const {
    auto lock = Lock();
    int counts[5] = {};
    for (const auto& item : items)
        if (item->itemType >= 1 && item->itemType <= 4) ++counts[item->itemType];
    std::u16string text = u"Created with: Dayvault, version:" + dv::formatG(GetVersion()) + u"\r\n";
    text += u"Main database file size:" + sizeText(std::max<int64_t>(0, dv::fileSize(mainFilePath))) + u"\r\n";
    text += u"Number of items:\r\n";
    text += u"Total:" + dv::formatInt64(static_cast<int64_t>(items.size())) + u"\r\n";
    text += u"Tasks:" + dv::formatInt64(counts[1]) + u"\r\n";
    text += u"To do(s): " + dv::formatInt64(counts[2]) + u"\r\n";
    text += u"Notes: " + dv::formatInt64(counts[3]) + u"\r\n";
    text += u"Contacts: " + dv::formatInt64(counts[4]) + u"\r\n";
    text += u"\r\n\r\nAll dynamic variables\r\n------------------------\r\n";
    text += vars.ListAll(true);
    return text;
}

std::optional<uint32_t> FolderColour(CDvDoc& doc, std::u16string_view path, bool inherit) {
    auto lock = doc.Lock();
    return FolderColour(doc.FindFolder(path), inherit);
}

CDvDoc& DvCurDocSilently() {
    static CDvDoc doc;
    return doc;
}

CDvDoc& DvGetCurDoc() {
    CDvDoc& doc = DvCurDocSilently();
    if (doc.mainFilePath.empty()) dv::ui().ShowMessage(u"error #18adf3 : DvGetCurDoc :: document not loaded yet");
    return doc;
}
