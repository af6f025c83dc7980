#include <gtest/gtest.h>

#include <algorithm>

#include "platform/large_buffer.h"

TEST(LargeBuffer, KeepsTheBytesItHadAndZeroesTheRest) {
    std::vector<uint8_t> buffer = {7, 8, 9};
    const size_t size = size_t{5} << 20;  // big enough to span whole huge pages
    dv::resizeLargeBuffer(buffer, size);
    ASSERT_EQ(buffer.size(), size);
    EXPECT_EQ(buffer[0], 7);
    EXPECT_EQ(buffer[2], 9);
    EXPECT_TRUE(std::all_of(buffer.begin() + 3, buffer.end(), [](uint8_t b) { return b == 0; }));
    dv::resizeLargeBuffer(buffer, 2);
    EXPECT_EQ(buffer, (std::vector<uint8_t>{7, 8}));
}
