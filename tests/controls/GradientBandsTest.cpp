#include "controls/GradientBands.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

const ChannelColor White{255, 255, 255};
const ChannelColor Blue{0, 0, 255};

int changes(const std::vector<GradientBand>& bands, ChannelColor start) {
    int n = 0;
    ChannelColor prev = start;
    for (const GradientBand& b : bands) {
        n += b.color == prev ? 0 : 1;
        prev = b.color;
    }
    return n;
}

TEST(GradientBands, WhiteToBlueOverFiftyRows) {
    // Steps 6, 6 and 1; K = 42; the counter starts at 16.
    const auto bands = GradientBandRows(0, 50, false, White, Blue);
    ASSERT_EQ(bands.size(), 50u);
    for (int y = 0; y < 50; ++y) {
        EXPECT_EQ(bands[static_cast<std::size_t>(y)].top, y);
        EXPECT_EQ(bands[static_cast<std::size_t>(y)].bottom, y + 1);
    }
    EXPECT_EQ(bands[0].color, (ChannelColor{249, 249, 255})); // one step away from the start
    EXPECT_EQ(bands[1].color, bands[0].color);
    EXPECT_EQ(bands[2].color, (ChannelColor{243, 243, 255}));
    const std::vector<GradientBand> first16(bands.begin(), bands.begin() + 16);
    EXPECT_EQ(changes(first16, White), 8);
    EXPECT_EQ(changes(bands, White), 42);
    // 42 changes of 6 leave red and green at 3: the target is reached only about the last row.
    EXPECT_EQ(bands[48].color, (ChannelColor{9, 9, 255}));
    EXPECT_EQ(bands[49].color, (ChannelColor{3, 3, 255}));
}

TEST(GradientBands, ReversedRunsUpFromTheBottomRow) {
    const auto forward = GradientBandRows(0, 50, false, White, Blue);
    const auto reversed = GradientBandRows(0, 50, true, White, Blue);
    ASSERT_EQ(reversed.size(), 50u);
    for (std::size_t i = 0; i < 50; ++i) {
        EXPECT_EQ(reversed[i].top, 49 - static_cast<int>(i));
        EXPECT_EQ(reversed[i].color, forward[i].color);
    }
}

TEST(GradientBands, EqualColoursFillEveryRowUnchanged) {
    const ChannelColor c{10, 200, 30};
    const auto bands = GradientBandRows(3, 20, false, c, c);
    ASSERT_EQ(bands.size(), 17u);
    EXPECT_EQ(bands.front().top, 3);
    for (const GradientBand& b : bands)
        EXPECT_EQ(b.color, c);
}

TEST(GradientBands, ABottomOfZeroOrLessDrawsNoBand) {
    for (const bool reverse : {false, true}) {
        EXPECT_TRUE(GradientBandRows(0, 0, reverse, White, Blue).empty());
        EXPECT_TRUE(GradientBandRows(0, -5, reverse, White, Blue).empty());
    }
}

} // namespace
} // namespace kestrom
