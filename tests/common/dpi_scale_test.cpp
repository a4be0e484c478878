#include "common/dpi_scale.h"

#include <climits>

TEST(DpiScale, At96DpiEveryValueStays) {
    EXPECT_EQ(scaleForDpi(0, 96), 0);
    EXPECT_EQ(scaleForDpi(451, 96), 451);
    EXPECT_EQ(scaleForDpi(-7, 96), -7);
}

TEST(DpiScale, At144DpiValuesGrowByHalf) {
    EXPECT_EQ(scaleForDpi(500, 144), 750);
    EXPECT_EQ(scaleForDpi(400, 144), 600);
    EXPECT_EQ(scaleForDpi(24, 144), 36);
}

TEST(DpiScale, AHalfRoundsAwayFromZeroAsMulDivDoes) {
    EXPECT_EQ(scaleForDpi(451, 144), 677);  // 676.5
    EXPECT_EQ(scaleForDpi(-451, 144), -677);
    EXPECT_EQ(scaleForDpi(135, 120), 169);   // 168.75
    EXPECT_EQ(scaleForDpi(10, 120), 13);     // 12.5
    EXPECT_EQ(scaleForDpi(1, 168), 2);       // 1.75
    EXPECT_EQ(mulDivRounded(5, 1, -2), -3);  // -2.5
}

TEST(DpiScale, NoProductOverflowsAndZeroDivisorGivesZero) {
    EXPECT_EQ(mulDivRounded(INT_MAX, 96, 96), INT_MAX);
    EXPECT_EQ(mulDivRounded(INT_MIN, 96, 96), INT_MIN);
    EXPECT_EQ(mulDivRounded(10, 3, 0), 0);
}

TEST(DpiScale, ABoxScalesEachValue) {
    const PixelBox box = scaleBoxForDpi({50, 170, 451, 135}, 144);
    EXPECT_EQ(box.x, 75);
    EXPECT_EQ(box.y, 255);
    EXPECT_EQ(box.width, 677);
    EXPECT_EQ(box.height, 203);  // 202.5
}

TEST(DpiScale, ALayoutMovesFromOneDpiToAnother) {
    EXPECT_EQ(rescaleForDpi(750, 144, 96), 500);
    EXPECT_EQ(rescaleForDpi(500, 96, 192), 1000);
    EXPECT_EQ(rescaleForDpi(677, 144, 120), 564);  // 564.17
}

TEST(DpiScale, FontHeightsFollowTheDpi) {
    EXPECT_EQ(fontHeightForDpi(24, 96), -32);
    EXPECT_EQ(fontHeightForDpi(24, 144), -48);
    EXPECT_EQ(fontHeightForDpi(11, 96), -15);  // 14.67
    EXPECT_EQ(fontHeightForDpi(11, 144), -22);
}
