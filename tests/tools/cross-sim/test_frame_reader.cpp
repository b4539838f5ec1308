#include "tools/cross-sim/frame_reader.h"

#include <gtest/gtest.h>

using namespace cross_sim;

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

const QByteArray kCall = hex("555555555555 00 FFFFFFEF FFFFFFFD C1 96 AAAA");
const QByteArray kStuffed = hex("555555555555 00 AAAAAAAA FFFFFFFD C1 AA0F 3C AAAA");

TEST(FrameReader, ReadsAFrameWithItsAddressesAndUnstuffedData)
{
    FrameReader reader;
    const auto frames = reader.feed(kCall + kStuffed);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].destination, (Address{0xFF, 0xFF, 0xFF, 0xEF}));
    EXPECT_EQ(frames[0].source, (Address{0xFF, 0xFF, 0xFF, 0xFD}));
    EXPECT_EQ(frames[0].code, 0xC1);
    EXPECT_TRUE(frames[0].data.isEmpty());
    EXPECT_EQ(frames[1].destination, (Address{0xAA, 0xAA, 0xAA, 0xAA})) << "the destination is bare";
    EXPECT_EQ(frames[1].data, hex("AA"));
    EXPECT_EQ(reader.rejected(), 0);
}

TEST(FrameReader, FramesMayArriveByteByByte)
{
    FrameReader reader;
    std::size_t found = 0;
    for (char c : kStuffed)
        found += reader.feed(QByteArrayView(&c, 1)).size();
    EXPECT_EQ(found, 1u);
}

TEST(FrameReader, SkipsGarbageAndBrokenFrames)
{
    FrameReader reader;
    QByteArray badChecksum = kCall;
    badChecksum[16] = 0x00;
    QByteArray badStuffing = kStuffed;
    badStuffing[17] = 0x10; // AA followed by neither 0F nor AA
    const QByteArray line = hex("0012555555AA") + badChecksum + hex("FF") + kCall + badStuffing
                            + kCall.left(12) + kStuffed + hex("55") + kCall;
    const auto frames = reader.feed(line);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[1].destination, (Address{0xAA, 0xAA, 0xAA, 0xAA})) << "found after a cut frame";
    EXPECT_EQ(reader.rejected(), 3);
}

TEST(FrameReader, AStartWithoutEndIsGivenUpAfterTheLargestFrame)
{
    FrameReader reader;
    EXPECT_TRUE(reader.feed(hex("555555555555 00 FFFFFFEF") + QByteArray(9000, 0x01)).empty());
    EXPECT_EQ(reader.rejected(), 1);
    EXPECT_EQ(reader.feed(kCall).size(), 1u);
    EXPECT_TRUE(reader.feed(hex("555555555555 00 FFFFFFEF FF AAAA")).empty()) << "too short";
    EXPECT_EQ(reader.rejected(), 2);
}

TEST(FrameReader, ResetForgetsAPartialFrame)
{
    FrameReader reader;
    reader.feed(kCall.left(10));
    reader.reset();
    EXPECT_TRUE(reader.feed(kCall.mid(10)).empty());
    EXPECT_EQ(reader.feed(kCall).size(), 1u);
}

} // namespace
