// The picture loader: frame records, the delay rule, composition with the
// disposal methods on a black canvas, stretching, and single pictures.

#include "common/gif/picture.h"

#include "tests/common/gif/gif_test_file.h"

#include <QBuffer>
#include <QPainter>

#include <gtest/gtest.h>

using common::gif::Picture;
using namespace gif_test;

namespace {

// A W x 1 picture's pixels, left to right.
std::vector<QRgb> row(const QImage &image)
{
    std::vector<QRgb> r;
    for (int x = 0; x < image.width(); ++x)
        r.push_back(image.pixel(x, 0));
    return r;
}

using Row = std::vector<QRgb>;

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

TEST(PictureDelay, TheDelayRule)
{
    EXPECT_EQ(Picture::delayMsForField(-1), 100);   // no graphic control extension
    EXPECT_EQ(Picture::delayMsForField(0), 100);
    EXPECT_EQ(Picture::delayMsForField(4), 100);
    EXPECT_EQ(Picture::delayMsForField(5), 50);
    EXPECT_EQ(Picture::delayMsForField(20), 200);
    EXPECT_EQ(Picture::delayMsForField(65535), 655350);
}

TEST(PictureFrames, FrameRecordsCarryWhatTheFileSays)
{
    Frame first = solid(QRect(0, 0, 4, 4), 1);
    first.graphicControl = false;
    Frame second = solid(QRect(1, 2, 2, 1), 2, 2);
    second.delay = 3;
    second.transparent = 5;
    Frame third = solid(QRect(0, 0, 4, 3), 1, 3);
    third.delay = 20;
    third.interlaced = true;
    third.localColours = {kBlack, kWhite};
    const Picture picture = Picture::fromData(build(4, 4, pureColours(), {first, second, third}));

    ASSERT_EQ(picture.frameCount(), 3);
    EXPECT_TRUE(picture.isGif());
    EXPECT_EQ(picture.logicalSize(), QSize(4, 4));
    EXPECT_FALSE(picture.frameInfo(0).hasGraphicControl);
    EXPECT_EQ(picture.frameInfo(0).delayField, -1);
    EXPECT_EQ(picture.frameDelayMs(0), 100);
    const auto &f1 = picture.frameInfo(1);
    EXPECT_EQ(f1.rect, QRect(1, 2, 2, 1));
    EXPECT_EQ(f1.delayField, 3);
    EXPECT_EQ(picture.frameDelayMs(1), 100);
    EXPECT_EQ(f1.disposal, 2);
    EXPECT_EQ(f1.transparentIndex, 5);
    EXPECT_FALSE(f1.localColourTable);
    const auto &f2 = picture.frameInfo(2);
    EXPECT_TRUE(f2.interlaced);
    EXPECT_TRUE(f2.localColourTable);
    EXPECT_EQ(f2.transparentIndex, -1);
    EXPECT_EQ(picture.frameDelayMs(2), 200);
    // The local table's white, not the global table's red.
    EXPECT_EQ(picture.composeFrame(2).pixel(3, 2), kWhite);

    EXPECT_TRUE(picture.frameInfo(3).rect.isNull());
    EXPECT_EQ(picture.frameDelayMs(-1), 100);
    EXPECT_TRUE(picture.composeFrame(3).isNull());
}

// A frame's disposal takes effect after it has been shown: disposal 2 does
// not clear what shows through the frame's own transparent pixels.
TEST(PictureCompose, RestoreBackgroundClearsToBlackAfterTheFrameIsShown)
{
    Frame hole;
    hole.rect = QRect(1, 0, 2, 1);
    hole.pixels = {7, 2};   // 7 is transparent
    hole.transparent = 7;
    hole.disposal = 2;
    const Picture picture = Picture::fromData(
        build(3, 1, pureColours(), {solid(QRect(0, 0, 3, 1), 1, 1), hole, solid(QRect(0, 0, 1, 1), 4)}));
    ASSERT_EQ(picture.frameCount(), 3);
    EXPECT_EQ(row(picture.composeFrame(0)), (Row{kRed, kRed, kRed}));
    EXPECT_EQ(row(picture.composeFrame(1)), (Row{kRed, kRed, kGreen}));
    EXPECT_EQ(row(picture.composeFrame(2)), (Row{kBlue, kBlack, kBlack}));
}

TEST(PictureCompose, RestorePreviousPutsBackWhatLayUnderTheFrame)
{
    const Picture picture = Picture::fromData(build(
        3, 1, pureColours(),
        {solid(QRect(0, 0, 3, 1), 1), solid(QRect(0, 0, 2, 1), 2, 3), solid(QRect(2, 0, 1, 1), 4)}));
    EXPECT_EQ(row(picture.composeFrame(1)), (Row{kGreen, kGreen, kRed}));
    EXPECT_EQ(row(picture.composeFrame(2)), (Row{kRed, kRed, kBlue}));
}

// The canvas and disposal 2 are black, whatever the desktop's colours: on a
// cross every other colour would light dots the picture leaves empty.
TEST(PictureCompose, CanvasStartsBlackAndFirstFrameRestoresToBlack)
{
    const Picture picture = Picture::fromData(
        build(3, 1, pureColours(), {solid(QRect(1, 0, 1, 1), 2, 3), solid(QRect(0, 0, 1, 1), 1)}));
    EXPECT_EQ(row(picture.composeFrame(0)), (Row{kBlack, kGreen, kBlack}));
    EXPECT_EQ(row(picture.composeFrame(1)), (Row{kRed, kBlack, kBlack}));
}

TEST(PictureCompose, FramesOutsideTheScreenAreClipped)
{
    Frame across = solid(QRect(2, 0, 3, 2), 1, 2);   // reaches 2 columns and 1 row past the screen
    across.pixels = {1, 2, 4, 1, 2, 4};
    const Picture picture = Picture::fromData(build(
        3, 1, pureColours(),
        {solid(QRect(0, 0, 3, 1), 7), across, solid(QRect(7, 9, 2, 2), 2, 2), solid(QRect(0, 0, 1, 1), 4)}));
    ASSERT_EQ(picture.frameCount(), 4);
    EXPECT_EQ(picture.composeFrame(1).size(), QSize(3, 1));
    EXPECT_EQ(row(picture.composeFrame(1)), (Row{kWhite, kWhite, kRed}));
    EXPECT_EQ(row(picture.composeFrame(2)), (Row{kWhite, kWhite, kBlack}));
    EXPECT_EQ(row(picture.composeFrame(3)), (Row{kBlue, kWhite, kBlack}));
}

TEST(PictureCompose, FramesComposeAlikeInAnyOrder)
{
    const Picture picture = Picture::fromData(build(
        3, 1, pureColours(),
        {solid(QRect(0, 0, 3, 1), 1), solid(QRect(0, 0, 2, 1), 2, 3), solid(QRect(1, 0, 2, 1), 4, 2),
         solid(QRect(2, 0, 1, 1), 7)}));
    std::vector<Row> inOrder;
    for (int i = 0; i < 4; ++i)
        inOrder.push_back(row(picture.composeFrame(i)));
    for (int i : {3, 1, 1, 0, 2, 3, 2})
        EXPECT_EQ(row(picture.composeFrame(i)), inOrder[size_t(i)]) << i;
    const Picture copy = picture;
    EXPECT_EQ(row(copy.composeFrame(2)), inOrder[2]);
}

TEST(PictureRender, FramesAreStretchedOverTheWholeTarget)
{
    const Picture picture = Picture::fromData(
        build(2, 1, pureColours(), {solid(QRect(0, 0, 2, 1), 1), solid(QRect(0, 0, 2, 1), 2)}));
    const QImage square = picture.renderSquare(1, 48);
    ASSERT_EQ(square.size(), QSize(48, 48));
    EXPECT_EQ(square.format(), QImage::Format_RGB32);
    EXPECT_EQ(square.pixel(0, 0), kGreen);
    EXPECT_EQ(square.pixel(47, 47), kGreen);
    const QImage outOfRange = picture.renderFrame(5, QSize(4, 4));
    EXPECT_EQ(outOfRange.size(), QSize(4, 4));
    EXPECT_EQ(outOfRange.pixel(2, 2), kBlack);

    QImage canvas(8, 8, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    picture.drawFrame(painter, 0, QRect(0, 2, 8, 4));
    painter.end();
    EXPECT_EQ(canvas.pixel(0, 1), kBlack);
    EXPECT_EQ(canvas.pixel(0, 2), kRed);
    EXPECT_EQ(canvas.pixel(7, 5), kRed);
    EXPECT_EQ(canvas.pixel(7, 6), kBlack);
}

TEST(PictureSingle, BmpIsASinglePictureStretchedToTheWholeTarget)
{
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, kRed);
    image.setPixel(1, 0, kBlue);
    const Picture picture = Picture::fromData(encoded(image, "BMP"));
    ASSERT_FALSE(picture.isNull());
    EXPECT_FALSE(picture.isGif());
    EXPECT_EQ(picture.frameCount(), 0);
    EXPECT_EQ(picture.logicalSize(), QSize(2, 1));
    const QImage tall = picture.renderSingle(QSize(2, 5));   // the aspect ratio is not kept
    ASSERT_EQ(tall.size(), QSize(2, 5));
    for (int y = 0; y < 5; ++y) {
        EXPECT_EQ(tall.pixel(0, y), kRed);
        EXPECT_EQ(tall.pixel(1, y), kBlue);
    }
    EXPECT_EQ(picture.renderSquare(3, 64).pixel(0, 63), kRed);
}

TEST(PictureSingle, JpgIsASinglePictureAndOtherFormatsAreNot)
{
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    const Picture jpg = Picture::fromData(encoded(image, "JPG"));
    EXPECT_EQ(jpg.frameCount(), 0);
    EXPECT_EQ(jpg.logicalSize(), QSize(16, 8));
    EXPECT_GT(qGray(jpg.renderSingle(QSize(48, 48)).pixel(24, 24)), 240);

    const Picture png = Picture::fromData(encoded(image, "PNG"));
    EXPECT_TRUE(png.isNull());
    EXPECT_FALSE(png.errorString().isEmpty());
    EXPECT_EQ(png.renderSquare(0, 48).pixel(10, 10), kBlack);
}

} // namespace
