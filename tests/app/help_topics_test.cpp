#include "app/help_topics.h"

#include <gtest/gtest.h>

#include "app/smart_box_model.h"
#include "platform/locations.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace {

// The source tree holds the help folder as it ships beside the program.
const fs::path kTop = fs::path(DV_TEST_DATA_DIR).parent_path().parent_path();

struct ProgramFolder {
    explicit ProgramFolder(const fs::path& folder) { dv::setProgramFolder(folder); }
    ~ProgramFolder() { dv::setProgramFolder({}); }
};

}  // namespace

TEST(HelpTopics, ATopicNamesAPageInTheHelpFolder) {
    const ProgramFolder program(kTop);
    struct Case {
        const char16_t* topic;
        const char* page;
    };
    const Case cases[] = {
        {u"dayvault.chm::/tools/smartbox.htm", "tools/smartbox.htm"},
        {u"dayvault.chm::tools/smartbox.htm", "tools/smartbox.htm"},
        {u"tools/smartbox.htm", "tools/smartbox.htm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dv::toUtf8(c.topic));
        EXPECT_EQ(DvHelpTopicFile(c.topic), dv::resourceFolder() / "help" / c.page);
    }
}

TEST(HelpTopics, TheSmartBoxTopicShipsAsAPage) {
    const ProgramFolder program(kTop);
    ASSERT_EQ(dv::resourceFolder(), kTop);  // a writable tree stands for the program's folder
    EXPECT_TRUE(fs::is_regular_file(DvHelpTopicFile(CDvSmartBoxModel::kHelpTopic)));
}
