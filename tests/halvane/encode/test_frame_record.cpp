#include "halvane/encode/dot_image.h"
#include "halvane/encode/frame_record.h"
#include "halvane/encode/memory_image.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace halvane::encode;

namespace {

std::vector<std::uint8_t> packedDot(int side, int x, int y, QRgb colour = kDotGreen)
{
    QImage canvas = blackImage(side, side);
    canvas.setPixel(x, y, colour);
    std::vector<std::uint8_t> data(std::size_t(frameDataSize(side)), 0xAA);
    packFrame(canvas, side, data);
    return data;
}

// Expects exactly one set bit in the frame data: `mask` of byte `index`.
void expectSingleBit(const std::vector<std::uint8_t> &data, std::size_t index, std::uint8_t mask)
{
    for (std::size_t i = 0; i < data.size(); ++i)
        ASSERT_EQ(data[i], i == index ? mask : 0) << "byte " << i;
}

} // namespace

TEST(FrameRecord, SizesOfBothCrosses)
{
    EXPECT_EQ(stripWidth(48), 80);
    EXPECT_EQ(stripHeight(48), 16);
    EXPECT_EQ(frameDataSize(48), 160);
    EXPECT_EQ(frameRecordSize(48), 176);
    EXPECT_EQ(stripWidth(64), 96);
    EXPECT_EQ(stripHeight(64), 32);
    EXPECT_EQ(frameDataSize(64), 384);
    EXPECT_EQ(frameRecordSize(64), 400);
}

TEST(FrameRecord, DotsOfA48CrossLandOnTheirBits)
{
    // top arm: strip (4, 5), row 5 x 10 bytes + 0
    expectSingleBit(packedDot(48, 20, 5), 50, 0x08);
    // left end of the bar: strip (32, 0)
    expectSingleBit(packedDot(48, 0, 16), 4, 0x80);
    // right end of the bar's bottom row: strip (79, 15)
    expectSingleBit(packedDot(48, 47, 31), 159, 0x01);
    // bottom arm: canvas (16, 32) -> strip (16, 0)
    expectSingleBit(packedDot(48, 16, 32), 2, 0x80);
    // last dot of the bottom arm: canvas (31, 47) -> strip (31, 15)
    expectSingleBit(packedDot(48, 31, 47), 153, 0x01);
}

TEST(FrameRecord, DotsOfA64CrossLandOnTheirBits)
{
    // top arm: canvas (16, 0) -> strip (0, 0)
    expectSingleBit(packedDot(64, 16, 0), 0, 0x80);
    // bottom arm stacked under it: canvas (20, 50) -> strip (4, 18), 18 x 12 bytes
    expectSingleBit(packedDot(64, 20, 50), 216, 0x08);
    // last dot of the bottom arm: canvas (47, 63) -> strip (31, 31)
    expectSingleBit(packedDot(64, 47, 63), 375, 0x01);
    // bar: canvas (0, 16) -> strip (32, 0); canvas (63, 47) -> strip (95, 31)
    expectSingleBit(packedDot(64, 0, 16), 4, 0x80);
    expectSingleBit(packedDot(64, 63, 47), 383, 0x01);
}

TEST(FrameRecord, EveryCrossDotOnceAndNoCornerDot)
{
    for (int side : {48, 64}) {
        QImage canvas = blackImage(side, side);
        canvas.fill(Qt::white);
        std::vector<std::uint8_t> data(std::size_t(frameDataSize(side)));
        packFrame(canvas, side, data);
        for (std::uint8_t b : data)
            ASSERT_EQ(b, 0xFF) << "side " << side;

        // Only the four corner squares lit: nothing reaches the strip.
        canvas.fill(Qt::black);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if ((x < 16 || x >= side - 16) && (y < 16 || y >= side - 16))
                    canvas.setPixel(x, y, 0xFFFFFFFFu);
        packFrame(canvas, side, data);
        for (std::uint8_t b : data)
            ASSERT_EQ(b, 0x00) << "side " << side;
    }
}

TEST(FrameRecord, AnyColourThatIsNotBlackIsLit)
{
    expectSingleBit(packedDot(48, 20, 5, qRgb(255, 0, 0)), 50, 0x08); // red only
    expectSingleBit(packedDot(48, 20, 5, qRgb(0, 0, 255)), 50, 0x08); // blue only
    expectSingleBit(packedDot(48, 20, 5, qRgb(0, 0, 1)), 50, 0x08);   // barely not black
    expectSingleBit(packedDot(48, 20, 5, qRgb(0, 0, 0)), 50, 0x00);   // black
}

TEST(FrameRecord, ACanvasOfTheWrongSizeGivesDarkDots)
{
    QImage canvas = blackImage(40, 40);
    canvas.fill(Qt::white);
    std::vector<std::uint8_t> data(160, 0xAA);
    packFrame(canvas, 48, data);
    for (std::uint8_t b : data)
        ASSERT_EQ(b, 0);
}

TEST(FrameRecord, HeaderCarriesTheDelayIn4msUnits)
{
    struct Case {
        int delayMs;
        std::uint8_t high, low;
    };
    // 96 ms = 24 units; 200 ms = 50; 100 ms = 25; 7000 ms = 1750 = 0x06D6;
    // 99 ms drops its remainder; longer than 0xFFFF units saturates.
    const Case cases[] = {{96, 0x00, 0x18},   {200, 0x00, 0x32},  {100, 0x00, 0x19},
                          {7000, 0x06, 0xD6}, {99, 0x00, 0x18},   {0, 0x00, 0x00},
                          {655350, 0xFF, 0xFF}, {-5, 0x00, 0x00}};
    for (const Case &c : cases) {
        std::array<std::uint8_t, 16> header;
        header.fill(0xAA);
        writeFrameHeader(header, c.delayMs);
        const std::array<std::uint8_t, 16> expected{0x01, 0x01, c.high, c.low, 0x02, 0, 0, 0,
                                                    0,    0,    0,      0,     0,    0, 0, 0};
        EXPECT_EQ(header, expected) << c.delayMs << " ms";
    }
}

TEST(FrameRecord, AppendsWholeRecordsOnlyWhenTheyFit)
{
    QImage canvas = blackImage(48, 48);
    canvas.setPixel(0, 16, kDotGreen);
    std::vector<std::uint8_t> image(176 * 2 + 10, 0xEE);

    AppendResult r = appendFrameRecord(canvas, 48, 96, image, 5);
    ASSERT_TRUE(r.fits);
    EXPECT_EQ(r.size, 181u);
    EXPECT_EQ(image[4], 0xEE); // before the record: untouched
    EXPECT_EQ(image[5], 0x01);
    EXPECT_EQ(image[8], 0x18);
    EXPECT_EQ(image[5 + 16 + 4], 0x80);

    r = appendFrameRecord(canvas, 48, 96, image, r.size);
    ASSERT_TRUE(r.fits);
    EXPECT_EQ(r.size, 357u);

    // 5 bytes left: the third record does not fit and nothing is written.
    r = appendFrameRecord(canvas, 48, 96, image, r.size);
    EXPECT_FALSE(r.fits);
    EXPECT_EQ(r.size, 357u);
    for (std::size_t i = 357; i < image.size(); ++i)
        EXPECT_EQ(image[i], 0xEE);
}

TEST(MemoryImage, AppendsRefuseToOverrun)
{
    std::vector<std::uint8_t> image(4, 0);
    const std::uint8_t three[] = {1, 2, 3};

    AppendResult r = appendBytes(image, 0, three);
    EXPECT_TRUE(r.fits);
    EXPECT_EQ(r.size, 3u);
    r = appendEndMark(image, r.size); // 2 bytes, 1 left
    EXPECT_FALSE(r.fits);
    EXPECT_EQ(r.size, 3u);
    EXPECT_EQ(image, (std::vector<std::uint8_t>{1, 2, 3, 0}));

    r = appendEndMark(image, 2);
    EXPECT_TRUE(r.fits);
    EXPECT_EQ(image, (std::vector<std::uint8_t>{1, 2, 0xFF, 0xFF}));

    // A size beyond the buffer is refused, not wrapped round.
    EXPECT_FALSE(appendBytes(image, 5, {}).fits);
    EXPECT_FALSE(hasRoom(image, 1, std::size_t(-1)));
    EXPECT_TRUE(hasRoom(image, 4, 0));
}
