#include "controls/PatternResource.h"
#include "controls/PatternTable.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

TEST(PatternResource, EachBitmapHoldsItsTableRows) {
    for (int n = 1; n <= PatternCount; ++n) {
        const QImage image = PatternResource(n);
        ASSERT_EQ(image.size(), QSize(8, 8)) << "P" << n;
        const PatternRows& rows = PatternTable(n);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                EXPECT_EQ(image.pixel(x, y) == qRgb(0, 0, 0), PatternPixelIsBlack(rows, x, y))
                    << "P" << n << " at " << x << "," << y;
    }
}

TEST(PatternResource, NumbersWithoutABitmapGiveNone) {
    EXPECT_TRUE(PatternResource(0).isNull());
    EXPECT_TRUE(PatternResource(49).isNull());
    EXPECT_TRUE(PatternResource(255).isNull());
}

TEST(PatternTable, RowsReadHighestBitLeftmost) {
    // P1: 7F FF FF FF F7 FF FF FF, black at (0, 0) and (4, 4) only.
    int black = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            black += PatternPixelIsBlack(PatternTable(1), x, y) ? 1 : 0;
    EXPECT_EQ(black, 2);
    EXPECT_TRUE(PatternPixelIsBlack(PatternTable(1), 0, 0));
    EXPECT_TRUE(PatternPixelIsBlack(PatternTable(1), 4, 4));
}

} // namespace
} // namespace kestrom
