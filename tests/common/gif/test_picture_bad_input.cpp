// Damaged and hostile files: no crash, no reads outside the data, bounded
// memory, and the documented result (fewer frames, a single picture, or a
// picture that cannot be decoded, with a reason).

#include "common/gif/gif_frame_decoder.h"
#include "common/gif/picture.h"

#include "tests/common/gif/gif_test_file.h"

#include <gtest/gtest.h>

using common::gif::Picture;
using namespace gif_test;

namespace {

constexpr int kHeader = 13;          // signature and logical screen descriptor
constexpr int kGlobalTable = 24;     // eight colours
constexpr int kGraphicControl = 8;   // 21 F9 04 packed delay delay index 00

const std::vector<Frame> kFrames = {solid(QRect(0, 0, 2, 2), 1), solid(QRect(0, 0, 2, 2), 2),
                                    solid(QRect(0, 0, 2, 2), 4)};

QByteArray threeFrames()
{
    return build(2, 2, pureColours(), kFrames);
}

// Where frame n (0-based) of threeFrames() begins: the end of the file made
// of the frames before it, without its trailer.
int frameStart(int n)
{
    return int(build(2, 2, pureColours(), std::vector<Frame>(kFrames.begin(), kFrames.begin() + n)).size()) - 1;
}

QByteArray inserted(QByteArray bytes, int at, const QByteArray &block)
{
    return bytes.insert(at, block);
}

QRgb colourOf(const Picture &picture, int frame)
{
    return picture.composeFrame(frame).pixel(1, 1);
}

TEST(PictureBadInput, EmptyAndNonPictureDataCannotBeDecoded)
{
    const Picture empty = Picture::fromData(QByteArray());
    EXPECT_TRUE(empty.isNull());
    EXPECT_EQ(empty.errorString(), QStringLiteral("The file is empty."));
    EXPECT_EQ(empty.frameCount(), 0);
    EXPECT_TRUE(empty.logicalSize().isEmpty());
    EXPECT_TRUE(Picture::fromData("This is not a picture at all.").isNull());
    EXPECT_TRUE(Picture::fromData("GIF89a").isNull());
    const Picture missing = Picture::fromFile(QStringLiteral("/nonexistent/anim.crs"));
    EXPECT_TRUE(missing.isNull());
    EXPECT_TRUE(missing.errorString().contains(QStringLiteral("/nonexistent/anim.crs")));
}

// Every cut of the file keeps exactly its complete frames: one complete frame
// is a single picture, none is nothing.
TEST(PictureBadInput, CutFilesKeepTheirCompleteFrames)
{
    const QByteArray whole = threeFrames();
    const int second = frameStart(1), third = frameStart(2);
    for (int n = 0; n <= whole.size(); ++n) {
        const Picture picture = Picture::fromData(whole.left(n));
        const int expected = n >= third ? (n >= whole.size() - 1 ? 3 : 2) : 0;
        ASSERT_EQ(picture.frameCount(), expected) << "cut at " << n;
        EXPECT_EQ(picture.isNull(), n < second) << "cut at " << n;
        if (expected >= 2) {
            EXPECT_EQ(colourOf(picture, 0), kRed);
            EXPECT_EQ(colourOf(picture, 1), kGreen);
        }
    }
}

TEST(PictureBadInput, AbsurdLogicalScreensAreRefused)
{
    QByteArray zero = threeFrames();
    zero[6] = 0;
    zero[7] = 0;
    EXPECT_TRUE(Picture::fromData(zero).isNull());
    EXPECT_TRUE(Picture::fromData(zero).errorString().contains(QStringLiteral("0 x 2")));

    QByteArray huge = threeFrames();
    for (int i = 6; i < 10; ++i)
        huge[i] = char(0xFF);
    const Picture refused = Picture::fromData(huge);
    EXPECT_TRUE(refused.isNull());
    EXPECT_TRUE(refused.errorString().contains(QStringLiteral("65535 x 65535"))) << refused.errorString().toStdString();
}

// A frame that claims far more pixels than its data holds fails to decode
// and is left out; nothing of its claimed size is allocated.
TEST(PictureBadInput, FramesWhoseDataFailsAreLeftOut)
{
    QByteArray bytes = threeFrames();
    const int descriptor = frameStart(1) + kGraphicControl;
    ASSERT_EQ(bytes[descriptor], char(0x2C));
    for (int i = 5; i < 9; ++i)
        bytes[descriptor + i] = char(0xFF);   // 65535 x 65535
    const Picture picture = Picture::fromData(bytes);
    ASSERT_EQ(picture.frameCount(), 2);
    EXPECT_EQ(colourOf(picture, 0), kRed);
    EXPECT_EQ(colourOf(picture, 1), kBlue);

    // An image whose data is only the closing zero sub-block.
    const QByteArray noData = QByteArray::fromHex("2c000000000100010000" "02" "00");
    const Picture withEmpty = Picture::fromData(inserted(threeFrames(), frameStart(1), noData));
    EXPECT_EQ(withEmpty.frameCount(), 3);
}

TEST(PictureBadInput, ColourIndicesBeyondThePaletteAreBlack)
{
    Frame f;
    f.rect = QRect(0, 0, 2, 2);
    f.pixels = {1, 7, 7, 1};
    const QByteArray eight = build(2, 2, pureColours(), {f, solid(QRect(0, 0, 2, 2), 1)});
    // The same file with a global table of two colours (black, red); the
    // image data still holds index 7.
    QByteArray two = eight.left(kHeader) + eight.mid(kHeader, 6) + eight.mid(kHeader + kGlobalTable);
    two[10] = char(quint8(eight[10]) & ~0x07);
    const Picture picture = Picture::fromData(two);
    ASSERT_EQ(picture.frameCount(), 2);
    const QImage canvas = picture.composeFrame(0);
    EXPECT_EQ(canvas.pixel(0, 0), kRed);
    EXPECT_EQ(canvas.pixel(1, 0), kBlack);
}

TEST(PictureBadInput, FramesWithoutAnyColourTableAreLeftOut)
{
    std::vector<Frame> frames = {solid(QRect(0, 0, 2, 2), 1), solid(QRect(0, 0, 2, 2), 1),
                                 solid(QRect(0, 0, 2, 2), 1)};
    frames[0].localColours = {kBlack, kGreen};
    frames[2].localColours = {kBlack, kBlue};
    const QByteArray withTable = build(2, 2, pureColours(), frames);
    QByteArray without = withTable.left(kHeader) + withTable.mid(kHeader + kGlobalTable);
    without[10] = char(quint8(withTable[10]) & ~0x87);
    const Picture picture = Picture::fromData(without);
    ASSERT_EQ(picture.frameCount(), 2);
    EXPECT_EQ(colourOf(picture, 0), kGreen);
    EXPECT_EQ(colourOf(picture, 1), kBlue);

    frames[0].localColours.clear();
    frames[2].localColours.clear();
    const QByteArray bare = build(2, 2, pureColours(), frames);
    QByteArray none = bare.left(kHeader) + bare.mid(kHeader + kGlobalTable);
    none[10] = char(quint8(bare[10]) & ~0x87);
    EXPECT_TRUE(Picture::fromData(none).isNull());
}

TEST(PictureBadInput, EmptyExtensionsAreSkipped)
{
    const QByteArray empties = QByteArray::fromHex("21ff00" "21fe00");
    const Picture picture = Picture::fromData(inserted(threeFrames(), frameStart(0), empties));
    ASSERT_EQ(picture.frameCount(), 3);
    EXPECT_EQ(colourOf(picture, 2), kBlue);
}

// The walk stops at a block it does not know; the frames before it stay.
TEST(PictureBadInput, UnknownBlocksEndTheFrames)
{
    for (const char *block : {"99", "2102020000", "21f903000000" "00"}) {
        const Picture picture = Picture::fromData(inserted(threeFrames(), frameStart(2), QByteArray::fromHex(block)));
        EXPECT_EQ(picture.frameCount(), 2) << block;
    }
}

// A plain text extension counts as a frame but has no image to show.
TEST(PictureBadInput, PlainTextExtensionsAreLeftOut)
{
    const QByteArray text = QByteArray::fromHex("21010c" "000000000100010001010000" "0141" "00");
    const Picture picture = Picture::fromData(inserted(threeFrames(), frameStart(1), text));
    ASSERT_EQ(picture.frameCount(), 3);
    EXPECT_EQ(colourOf(picture, 1), kGreen);

    // With one image left it is a single picture.
    const QByteArray one = build(2, 2, pureColours(), {kFrames[2]});
    const Picture single = Picture::fromData(inserted(one, frameStart(1), text));
    ASSERT_FALSE(single.isNull());
    EXPECT_EQ(single.frameCount(), 0);
    EXPECT_EQ(single.renderSingle(QSize(2, 2)).pixel(0, 0), kBlue);
}

} // namespace

// A descriptor of 65535 x 65535 is refused on its rectangle alone, before
// giflib decodes a row of it.
TEST(PictureBadInput, OversizedFrameRectanglesAreRefusedBeforeDecoding)
{
    QByteArray bytes = threeFrames();
    const int descriptor = frameStart(1) + kGraphicControl;
    for (int i = 5; i < 9; ++i)
        bytes[descriptor + i] = char(0xFF);
    const common::gif::GifLayout layout = common::gif::walkGifBlocks(bytes);
    ASSERT_EQ(layout.frames.size(), 3u);
    ASSERT_EQ(layout.frames[1].info.rect.size(), QSize(65535, 65535));
    common::gif::FramePalette palette{};
    int rows = 0;
    QString error;
    EXPECT_FALSE(common::gif::decodeGifFrame(bytes, layout.frames[1], palette, [&](int, const quint8 *) { ++rows; },
                                             &error));
    EXPECT_EQ(rows, 0);
    EXPECT_TRUE(error.contains(QString::number(Picture::kMaxPixels))) << error.toStdString();
    // The frames around it still decode.
    EXPECT_TRUE(common::gif::decodeGifFrame(bytes, layout.frames[0], palette, [](int, const quint8 *) {}));
}

TEST(PictureBadInput, GifsWithTooManyFramesAreRefusedWithTheLimit)
{
    const std::vector<Frame> many(size_t(Picture::kMaxFrames) + 1, solid(QRect(0, 0, 1, 1), 1));
    const Picture refused = Picture::fromData(build(1, 1, pureColours(), many));
    EXPECT_TRUE(refused.isNull());
    EXPECT_EQ(refused.frameCount(), 0);
    EXPECT_TRUE(refused.errorString().contains(QString::number(Picture::kMaxFrames))) << refused.errorString().toStdString();
    EXPECT_TRUE(refused.errorString().contains(QString::number(Picture::kMaxFrames + 1)));
}
