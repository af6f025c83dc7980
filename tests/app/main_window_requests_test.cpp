#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/main_window_requests.h"

namespace {

struct Requests : ::testing::Test {
    DvMainWindowRequests requests;
    std::vector<std::function<void()>> queue;  // the event loop
    int refreshes = 0;
    Requests() {
        requests.Register(kDvRequestRefreshContents, [this] { ++refreshes; });
        requests.SetPoster([this](std::function<void()> delivery) { queue.push_back(std::move(delivery)); });
    }
    void runQueue() {
        for (auto& delivery : queue) delivery();
        queue.clear();
    }
};

}  // namespace

TEST_F(Requests, NamesCompareIgnoringCaseAndUnknownNamesDoNothing) {
    EXPECT_TRUE(requests.Request(u"ga:refreshcontents", DvRequestMode::Now));
    EXPECT_TRUE(requests.Request(u"GA:REFRESHCONTENTS", DvRequestMode::SendAndWait));
    EXPECT_EQ(refreshes, 2);
    EXPECT_FALSE(requests.Request(u"GA:Refresh", DvRequestMode::Now));
    EXPECT_FALSE(requests.Request(u"GA:Refresh", DvRequestMode::Post));
    EXPECT_TRUE(queue.empty());
    EXPECT_EQ(refreshes, 2);
}

TEST_F(Requests, APostedRequestRunsOnlyWhenTheEventLoopDeliversIt) {
    requests.Request(kDvRequestRefreshContents, DvRequestMode::Post);
    EXPECT_EQ(refreshes, 0);
    runQueue();
    EXPECT_EQ(refreshes, 1);
}

TEST_F(Requests, ADeliveryWithoutTheCheckNumberIsIgnored) {
    requests.Deliver(kDvRequestRefreshContents, 0);
    requests.Deliver(kDvRequestRefreshContents, kDvRequestCheck + 1);
    EXPECT_EQ(refreshes, 0);
    requests.Deliver(kDvRequestRefreshContents, kDvRequestCheck);
    EXPECT_EQ(refreshes, 1);
}

TEST_F(Requests, WithoutAMainWindowARequestIsDropped) {
    DvSetRequests(nullptr);
    DvRequestMainWindow(kDvRequestRefreshContents, DvRequestMode::Now);
    DvSetRequests(&requests);
    DvRequestMainWindow(kDvRequestRefreshContents, DvRequestMode::Now);
    DvSetRequests(nullptr);
    EXPECT_EQ(refreshes, 1);
}
