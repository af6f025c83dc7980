#include <gtest/gtest.h>

#include <fstream>

#include "core/open_mark.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "support/temp_dir.h"

TEST(OpenMark, WriteReadRemove) {
    TempDir dir;
    dv::FakeClock clock({2026, 12, 10, 12, 0, 0});
    dv::setClock(&clock);
    const auto main = dir.path() / "_main_data.dayvault";
    ASSERT_TRUE(WriteOpenMark(main));
    EXPECT_TRUE(dv::fileExists(dir.path() / "_main_data.dayvault.open_mark"));
    const DvOpenMark mark = ReadOpenMark(main);
    EXPECT_TRUE(mark.found);
    EXPECT_EQ(mark.time, clock.epochSeconds());
    EXPECT_TRUE(RemoveOpenMark(main));
    EXPECT_FALSE(ReadOpenMark(main).found);
    EXPECT_TRUE(RemoveOpenMark(main));  // nothing to remove is still success
    dv::setClock(nullptr);
}

TEST(OpenMark, FreshnessByAge) {
    TempDir dir;
    dv::FakeClock clock({2026, 12, 10, 12, 0, 0});
    dv::setClock(&clock);
    const auto main = dir.path() / "db.dayvault";
    struct Case { long long ageSeconds; bool fresh; };
    const Case cases[] = {{0, true}, {10, true}, {40, true}, {60, true}, {61, false}, {3600, false}, {-5, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ageSeconds);
        std::ofstream(DvOpenMarkPath(main)) << clock.epochSeconds() - c.ageSeconds;
        EXPECT_EQ(IsOpenMarkFresh(main, 40), c.fresh);
    }
    std::ofstream(DvOpenMarkPath(main)) << clock.epochSeconds() - 5 << "\n";  // written by hand
    EXPECT_TRUE(IsOpenMarkFresh(main, 40));
    std::ofstream(DvOpenMarkPath(main)) << "garbage";
    EXPECT_FALSE(IsOpenMarkFresh(main, 40));
    RemoveOpenMark(main);
    EXPECT_FALSE(IsOpenMarkFresh(main, 40));
    dv::setClock(nullptr);
}
