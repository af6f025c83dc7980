#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "core/backups.h"
#include "platform/clock.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

struct BackupFixture : ::testing::Test {
    TempDir dir;
    dv::FakeClock clock{{2026, 12, 10, 9, 30, 0}};
    fs::path main = dir.path() / "_main_data.dayvault";
    fs::path backups = dir.path() / "backups";

    BackupFixture() {
        dv::setClock(&clock);
        std::ofstream(main) << "today's data";
    }
    ~BackupFixture() override { dv::setClock(nullptr); }

    void makeDated(const std::string& name, int files = 1) {
        fs::create_directories(backups / name);
        for (int i = 0; i < files; ++i) std::ofstream(backups / name / ("f" + std::to_string(i))) << "old";
    }
    std::set<std::string> entries() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(backups)) names.insert(e.path().filename().string());
        return names;
    }
};

std::string contents(const fs::path& p) {
    std::ifstream in(p);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST_F(BackupFixture, DailyBackupCopiesOncePerDay) {
    DailyBackup(main);
    const fs::path copy = backups / "2026-12-10" / "backup _main_data.dayvault";
    EXPECT_EQ(contents(copy), "today's data");
    std::ofstream(main) << "changed later";
    DailyBackup(main);
    EXPECT_EQ(contents(copy), "today's data");  // a second open on the same day keeps the first copy
}

TEST_F(BackupFixture, PruningRemovesOnlyTheOldestFolderOlderThanTwoDays) {
    for (const char* name : {"2026-12-04", "2026-12-05", "2026-12-06", "2026-12-07"}) makeDated(name);
    makeDated("2008-3-7");  // not ten characters: never pruned
    DailyBackup(main);
    EXPECT_EQ(entries(), (std::set<std::string>{"2008-3-7", "2026-12-05", "2026-12-06", "2026-12-07", "2026-12-10"}));
}

TEST_F(BackupFixture, ThreeDatedFoldersAreAlwaysKept) {
    std::ofstream(main) << "x";
    fs::create_directories(backups);
    for (const char* name : {"2020-01-01", "2020-01-02"}) makeDated(name);
    DailyBackup(main);  // today's folder makes three
    EXPECT_EQ(entries().size(), 3u);
}

TEST_F(BackupFixture, AFolderWithManyFilesLosesFourFilesPerPass) {
    for (const char* name : {"2026-12-01", "2026-12-05", "2026-12-06", "2026-12-07"}) makeDated(name, 6);
    DailyBackup(main);
    ASSERT_TRUE(fs::exists(backups / "2026-12-01"));
    EXPECT_EQ(std::distance(fs::directory_iterator(backups / "2026-12-01"), fs::directory_iterator()), 2);
}

TEST_F(BackupFixture, RollingBackupOverwrites) {
    RollingBackup(main);
    std::ofstream(main) << "newer";
    RollingBackup(main);
    EXPECT_EQ(contents(backups / "backup _main_data.dayvault"), "newer");
}
