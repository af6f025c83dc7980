#include "core/backups.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/date_time.h"
#include "platform/clock.h"

namespace fs = std::filesystem;

namespace {

// Dated folders older than this many whole days may be pruned; at least this many +1 stay.
constexpr int kKeepDays = 2;
constexpr size_t kKeepFolders = 3;
// One pruning pass deletes at most this many files of a folder.
constexpr size_t kFilesPerPass = 4;

fs::path backupName(const fs::path& mainFile) { return "backup " + mainFile.filename().string(); }

bool copyOver(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec) && !ec;
}

std::string todayName() {
    const dv::CivilTime t = dv::clock().now();
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
    return text;
}

struct DatedFolder {
    fs::path path;
    DvDateTime date;
};

std::optional<DatedFolder> asDatedFolder(const fs::directory_entry& entry) {
    const std::string name = entry.path().filename().string();
    int y = 0, m = 0, d = 0;
    if (name.size() != 10 || std::sscanf(name.c_str(), "%d-%d-%d", &y, &m, &d) != 3) return std::nullopt;
    const DvDateTime date = DvDateTime::FromFields(y, m, d);
    if (!date.IsValid()) return std::nullopt;
    return DatedFolder{entry.path(), date};
}

void removeDatedFolder(const fs::path& folder) {
    std::error_code ec;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder, ec)) files.push_back(entry.path());
    for (size_t i = 0; i < files.size() && i < kFilesPerPass; ++i) fs::remove(files[i], ec);
    if (files.size() < kFilesPerPass) fs::remove(folder, ec);
}

void pruneDatedFolders(const fs::path& backups) {
    std::error_code ec;
    std::vector<DatedFolder> dated;
    for (const auto& entry : fs::directory_iterator(backups, ec))
        if (auto folder = asDatedFolder(entry)) dated.push_back(*folder);
    if (dated.size() <= kKeepFolders) return;
    const DatedFolder* oldest = &dated.front();
    for (const auto& folder : dated)
        if (folder.date.value < oldest->date.value) oldest = &folder;
    const double ageDays = DvDateTime::Now().value - oldest->date.value;
    if (static_cast<long long>(ageDays) > kKeepDays) removeDatedFolder(oldest->path);
}

}  // namespace

fs::path DvBackupsFolder(const fs::path& mainFile) { return mainFile.parent_path() / "backups"; }

void DailyBackup(const fs::path& mainFile) {
    std::error_code ec;
    const fs::path backups = DvBackupsFolder(mainFile);
    fs::create_directories(backups, ec);
    const fs::path today = backups / todayName();
    if (!fs::exists(today, ec)) {
        if (!fs::create_directory(today, ec) || !copyOver(mainFile, today / backupName(mainFile))) return;
    }
    pruneDatedFolders(backups);
}

void RollingBackup(const fs::path& mainFile) {
    std::error_code ec;
    const fs::path backups = DvBackupsFolder(mainFile);
    fs::create_directories(backups, ec);
    copyOver(mainFile, backups / backupName(mainFile));
}
