#include "halvane/encode/dot_image.h"
#include "halvane/encode/frame_record.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace halvane::encode;

namespace {

std::vector<std::uint8_t> packed(const QImage &canvas)
{
    std::vector<std::uint8_t> data(std::size_t(frameDataSize(canvas.width())), 0xAA);
    packFrame(canvas, canvas.width(), data);
    return data;
}

} // namespace

TEST(FrameRecord, EachDotLandsOnItsBit)
{
    struct Case {
        int side, x, y;
        std::size_t byte;
        std::uint8_t mask;
    };
    const Case cases[] = {
        {48, 20, 5, 50, 0x08},  // top arm: strip (4, 5), 10 bytes a row
        {48, 0, 16, 4, 0x80},   // left end of the bar: strip (32, 0)
        {48, 47, 31, 159, 0x01}, // strip (79, 15)
        {48, 16, 32, 2, 0x80},  // bottom arm beside the top arm: strip (16, 0)
        {64, 16, 0, 0, 0x80},   // top arm: strip (0, 0)
        {64, 20, 50, 216, 0x08}, // bottom arm under it: strip (4, 18), 12 bytes a row
        {64, 47, 63, 375, 0x01}, // strip (31, 31)
        {64, 0, 16, 4, 0x80},   // bar: strip (32, 0)
        {64, 63, 47, 383, 0x01}, // strip (95, 31)
    };
    for (const Case &c : cases) {
        QImage canvas = blackImage(c.side, c.side);
        canvas.setPixel(c.x, c.y, kDotGreen);
        std::vector<std::uint8_t> expected(c.side == 48 ? 160 : 384, 0);
        expected[c.byte] = c.mask;
        EXPECT_EQ(packed(canvas), expected) << c.side << ": (" << c.x << ", " << c.y << ")";
    }
}

TEST(FrameRecord, EveryCrossDotOnceAndNoCornerDot)
{
    for (int side : {48, 64}) {
        QImage canvas = blackImage(side, side);
        canvas.fill(qRgb(0, 0, 1)); // barely not black is lit
        EXPECT_EQ(packed(canvas), std::vector<std::uint8_t>(side == 48 ? 160 : 384, 0xFF));

        canvas.fill(Qt::black);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if ((x < 16 || x >= side - 16) && (y < 16 || y >= side - 16))
                    canvas.setPixel(x, y, 0xFFFFFFFFu);
        EXPECT_EQ(packed(canvas), std::vector<std::uint8_t>(side == 48 ? 160 : 384, 0));
    }
}

TEST(FrameRecord, HeaderCarriesTheDelayIn4msUnits)
{
    // 96 ms = 24 units; 7000 ms = 1750 = 0x06D6; 99 ms drops its remainder;
    // beyond 0xFFFF units the delay stays the longest instead of wrapping.
    const std::array<std::array<int, 3>, 6> cases{
        {{96, 0x00, 0x18}, {7000, 0x06, 0xD6}, {99, 0x00, 0x18}, {0, 0, 0}, {655350, 0xFF, 0xFF},
         {-5, 0, 0}}};
    for (const auto &[delay, high, low] : cases) {
        std::array<std::uint8_t, 16> header;
        header.fill(0xAA);
        writeFrameHeader(header, delay);
        const std::array<std::uint8_t, 16> expected{
            0x01, 0x01, std::uint8_t(high), std::uint8_t(low), 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        EXPECT_EQ(header, expected) << delay << " ms";
    }
}

TEST(FrameRecord, AppendsWholeRecordsOnlyWhenTheyFit)
{
    QImage canvas = blackImage(48, 48);
    canvas.setPixel(0, 16, kDotGreen);
    std::vector<std::uint8_t> image(5 + 176 + 175, 0xEE);

    AppendResult r = appendFrameRecord(canvas, 48, 96, image, 5);
    ASSERT_TRUE(r.fits);
    EXPECT_EQ(r.size, 181u);
    EXPECT_EQ(image[4], 0xEE);
    EXPECT_EQ(image[5], 0x01);
    EXPECT_EQ(image[8], 0x18);
    EXPECT_EQ(image[5 + 16 + 4], 0x80);

    r = appendFrameRecord(canvas, 48, 96, image, r.size); // one byte short
    EXPECT_FALSE(r.fits);
    EXPECT_EQ(r.size, 181u);
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin() + 181, image.end()),
              std::vector<std::uint8_t>(175, 0xEE));
}

TEST(MemoryImage, AppendsRefuseToOverrun)
{
    std::vector<std::uint8_t> image(4, 0);
    const std::uint8_t three[] = {1, 2, 3};
    AppendResult r = appendBytes(image, 0, three);
    EXPECT_EQ(r.size, 3u);
    r = appendEndMark(image, r.size); // two bytes, one left
    EXPECT_FALSE(r.fits);
    EXPECT_EQ(r.size, 3u);
    EXPECT_EQ(image, (std::vector<std::uint8_t>{1, 2, 3, 0}));
    EXPECT_TRUE(appendEndMark(image, 2).fits);
    EXPECT_EQ(image, (std::vector<std::uint8_t>{1, 2, 0xFF, 0xFF}));
    // A size beyond the buffer, or a count that would wrap round, is refused.
    EXPECT_FALSE(appendBytes(image, 5, {}).fits);
    EXPECT_FALSE(hasRoom(image, 1, std::size_t(-1)));
}
