#include <gtest/gtest.h>

#include "gui/program_icon.h"

// The icon lives in the windows library's resources; a link that drops them leaves every window
// and the tray without an icon.
TEST(ProgramIcon, EverySizeLoadsFromTheResources) {
    const QIcon icon = DvProgramIcon();
    for (int size : {16, 32, 48, 256}) {
        const QPixmap pixmap = icon.pixmap(size, size);
        ASSERT_FALSE(pixmap.isNull()) << size;
        EXPECT_EQ(pixmap.width(), size);
    }
}
