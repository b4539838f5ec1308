#include "common/cross_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>

using common::CrossGeometry;

TEST(CrossGeometry, DotCountsAndBarHeights)
{
    const CrossGeometry small{48, 0};
    const CrossGeometry large{64, 0};
    EXPECT_EQ(small.dotCount(), 1280);
    EXPECT_EQ(large.dotCount(), 3072);
    EXPECT_EQ(small.barHeight(), 16);
    EXPECT_EQ(large.barHeight(), 32);

    for (const CrossGeometry &g : {small, large}) {
        const auto m = g.mask();
        EXPECT_EQ(std::count(m.begin(), m.end(), true), g.dotCount());
    }
}

TEST(CrossGeometry, MaskEdgesOfThePlusShape)
{
    const CrossGeometry g{48, 0};
    // Corners are outside, the bars reach the square's edges.
    EXPECT_FALSE(g.contains(0, 0));
    EXPECT_FALSE(g.contains(15, 15));
    EXPECT_FALSE(g.contains(32, 15));
    EXPECT_FALSE(g.contains(15, 32));
    EXPECT_FALSE(g.contains(47, 47));
    EXPECT_TRUE(g.contains(16, 0));   // top of the vertical bar
    EXPECT_TRUE(g.contains(31, 0));
    EXPECT_TRUE(g.contains(0, 16));   // left of the text band
    EXPECT_TRUE(g.contains(47, 31));
    EXPECT_TRUE(g.contains(31, 47));
    EXPECT_FALSE(g.contains(32, 0));  // columns 16..S-17 only
    EXPECT_FALSE(g.contains(0, 32));
    // Outside the square.
    EXPECT_FALSE(g.contains(-1, 20));
    EXPECT_FALSE(g.contains(20, 48));

    const CrossGeometry big{64, 0};
    EXPECT_TRUE(big.contains(47, 0));
    EXPECT_FALSE(big.contains(48, 0));
    EXPECT_TRUE(big.contains(63, 47));
    EXPECT_FALSE(big.contains(63, 48));
}

TEST(CrossGeometry, SettingsMapToSides)
{
    EXPECT_EQ(CrossGeometry::sideForCrossStyle(0), 48);
    EXPECT_EQ(CrossGeometry::sideForCrossStyle(1), 64);
    EXPECT_EQ(CrossGeometry::sideForCrossStyle(99), 48) << "anything but 1 means 48";
    EXPECT_EQ(CrossGeometry::sideForCrossStyle(-1), 48);
    EXPECT_EQ(CrossGeometry::fromSettings(1, 7).harnessFrameDots, 3);
    EXPECT_EQ(CrossGeometry::fromSettings(1, -2).harnessFrameDots, 0);
}
