// TOC entries and the memory layout, against bytes worked out by hand. The
// entries with default settings are checked where the images are built.

#include "halvane/encode/memory_layout.h"
#include "halvane/encode/toc_entry.h"

#include <gtest/gtest.h>

using namespace halvane::encode;
using halvane::project::AnimationEntry;
using halvane::project::ItemSettings;

namespace {

TocEntry bytes(std::initializer_list<int> values)
{
    TocEntry entry{};
    std::size_t i = 0;
    for (int v : values)
        entry.at(i++) = std::uint8_t(v);
    return entry;
}

} // namespace

TEST(MemoryLayout, BlocksCountARemainderAsOneMore)
{
    EXPECT_EQ(blockCount(0), 0);
    EXPECT_EQ(blockCount(1), 1);
    EXPECT_EQ(blockCount(18), 1);
    EXPECT_EQ(blockCount(4096), 1);
    EXPECT_EQ(blockCount(4097), 2);
    EXPECT_EQ(blockCount(7274496), 1776); // the whole Animations region
}

TEST(MemoryLayout, RegionsAndWordAddresses)
{
    EXPECT_EQ(kTocRegion.firstBlock(), 0);
    EXPECT_EQ(kAnimationsRegion.firstBlock(), 16);
    EXPECT_EQ(kTextRegion.firstBlock(), 1792);
    EXPECT_EQ(kTextRegion.start + kTextRegion.capacity, kCrossMemorySize);
    EXPECT_EQ(wordAddress(kAnimationsRegion, 0), 32768u);
    EXPECT_EQ(wordAddress(kAnimationsRegion, 1762), 33649u);
    EXPECT_EQ(wordAddress(kTextRegion, 0), 3670016u);
    EXPECT_EQ(addressBytes(32768), (std::array<std::uint8_t, 3>{0x00, 0x80, 0x00}));
    EXPECT_EQ(addressBytes(3670016), (std::array<std::uint8_t, 3>{0x38, 0x00, 0x00}));
    EXPECT_EQ(addressBytes(0x12345678), (std::array<std::uint8_t, 3>{0x34, 0x56, 0x78}));
}

TEST(TocEntry, PictureStyleAndLowBytesOfLoop)
{
    AnimationEntry a = halvane::project::defaultAnimationEntry(QStringLiteral("p.bmp"));
    a.frameStyle = 3;
    a.loop = 300; // 300 mod 256 = 44
    EXPECT_EQ(animationTocEntry(a, true, 0x8371),
              bytes({0x01, 0x01, 0x00, 0x83, 0x71, 0x12, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 0}));
    // A .crs entry puts the reserved field in the high nibble instead.
    a.reserved = 3;
    a.frameStyle = 6;
    EXPECT_EQ(animationTocEntry(a, false, 0x8371)[5], 0x35);
    a.reserved = 20; // 20 x 16 + 5 = 325, low byte 0x45
    EXPECT_EQ(animationTocEntry(a, false, 0x8371)[5], 0x45);
}

TEST(TocEntry, DataMessageFieldsAndBackAnimation)
{
    ItemSettings s;
    s.time = 260; // sent as 4
    s.frameStyle = 4;
    s.styleA = 3;
    s.styleB = 1;
    EXPECT_EQ(itemTocEntry(2, s, 0x847A),
              bytes({0x01, 0x01, 0x00, 0x84, 0x7A, 0x33, 0x11, 0, 0, 0, 0, 0x04, 0, 0, 0, 0}));
    EXPECT_EQ(itemTocEntry(3, s, 0x847A)[6], 0x90); // (1 + 8) x 16
}
