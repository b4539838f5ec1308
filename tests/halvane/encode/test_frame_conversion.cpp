#include "common/gif/picture.h"
#include "dravelle/document/crs_writer.h"
#include "halvane/encode/dot_image.h"
#include "halvane/encode/frame_conversion.h"
#include "halvane/encode/memory_image.h"
#include "tests/common/gif/gif_test_file.h"
#include "tests/common/gui_application.h"
#include "tests/common/temp_dir.h"

#include <gtest/gtest.h>

#include <vector>

using namespace halvane::encode;
using dravelle::document::CrsPage;

namespace {

constexpr std::uint8_t kRed = 1, kGreen = 2, kBlue = 4;

// A page of side R with the dots `lit` in `colour`.
CrsPage page(int side, std::vector<QPoint> lit, int delayMs = 200, std::uint8_t colour = kGreen)
{
    CrsPage p;
    p.colours.assign(std::size_t(side * side), 0);
    for (QPoint d : lit)
        p.colours[std::size_t(d.x() + d.y() * side)] = colour;
    p.delayMs = delayMs;
    return p;
}

std::vector<std::uint8_t> header(std::uint8_t high, std::uint8_t low)
{
    return {0x01, 0x01, high, low, 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
}

std::vector<std::uint8_t> bytes(const std::vector<std::uint8_t> &image, std::size_t from,
                                std::size_t count)
{
    return {image.begin() + std::ptrdiff_t(from), image.begin() + std::ptrdiff_t(from + count)};
}

// F bytes of frame data with only the given bits set.
std::vector<std::uint8_t> dotData(int side, std::vector<std::pair<int, std::uint8_t>> bits)
{
    std::vector<std::uint8_t> data(side == 64 ? 384 : 160, 0);
    for (auto [index, mask] : bits)
        data[std::size_t(index)] |= mask;
    return data;
}

class FrameConversionTest : public TempDirTest {
protected:
    std::vector<std::uint8_t> m_image = std::vector<std::uint8_t>(64 * 1024, 0xEE);

    QString crs(const QString &name, int side, const std::vector<CrsPage> &pages)
    {
        const common::Status s = dravelle::document::writeCrsFile(path(name), side, pages);
        EXPECT_TRUE(s.ok) << s.message.toStdString();
        return path(name);
    }

    QString picture(const QString &name, const QImage &image)
    {
        EXPECT_TRUE(image.save(path(name)));
        return path(name);
    }
};

} // namespace

TEST_F(FrameConversionTest, TenFrame48CrsAtSpeed4)
{
    // Page p lights top-arm dot (20, p): strip (4, p), bit 0x08 of byte 10p.
    std::vector<CrsPage> pages;
    for (int p = 0; p < 10; ++p)
        pages.push_back(page(48, {{20, p}}));
    const QString file = crs(QStringLiteral("ten.crs"), 48, pages);

    ConversionResult r = convertAnimation(file, 4, 48, m_image, 0);
    ASSERT_TRUE(r.fits);
    EXPECT_FALSE(r.darkFrame);
    EXPECT_TRUE(r.warning.isEmpty());
    EXPECT_EQ(r.frames, 10);
    ASSERT_EQ(r.size, 1760u);
    const AppendResult end = appendEndMark(m_image, r.size);
    EXPECT_EQ(end.size, 1762u);
    for (int p = 0; p < 10; ++p) {
        const std::size_t at = std::size_t(p) * 176;
        EXPECT_EQ(bytes(m_image, at, 16), header(0x00, 0x18)) << "frame " << p; // 96 ms
        EXPECT_EQ(bytes(m_image, at + 16, 160), dotData(48, {{10 * p, 0x08}})) << "frame " << p;
    }
    EXPECT_EQ(bytes(m_image, 1760, 3), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xEE}));
}

TEST_F(FrameConversionTest, SpeedOffTakesTheFilesOwnDelays)
{
    // Page delays 200 and 30 ms are stored as 20 and 3 hundredths.
    const QString file = crs(QStringLiteral("own.crs"), 48,
                             {page(48, {}, 200), page(48, {}, 30), page(48, {}, 200)});
    const ConversionResult r = convertAnimation(file, kOwnDelaysSpeed, 48, m_image, 0);
    ASSERT_EQ(r.frames, 3);
    EXPECT_EQ(bytes(m_image, 0, 16), header(0x00, 0x32));   // 200 ms
    EXPECT_EQ(bytes(m_image, 176, 16), header(0x00, 0x19)); // under 5: 100 ms
    EXPECT_EQ(bytes(m_image, 352, 16), header(0x00, 0x32));

    // Any other speed ignores them: speed 1 is 24 ms, speed 7 is 168 ms.
    convertAnimation(file, 1, 48, m_image, 0);
    EXPECT_EQ(bytes(m_image, 176, 16), header(0x00, 0x06));
    convertAnimation(file, 7, 48, m_image, 0);
    EXPECT_EQ(bytes(m_image, 0, 16), header(0x00, 0x2A));
}

TEST_F(FrameConversionTest, OwnDelaysWithoutGraphicControlAndBeyondTheCrossRange)
{
    using namespace gif_test;
    Frame plain = solid(QRect(0, 0, 48, 48), 2);
    plain.graphicControl = false;   // no delay at all: 100 ms
    Frame slow = solid(QRect(0, 0, 48, 48), 0);
    slow.delay = 65535;             // 655,350 ms: more than the cross can count
    writeFile(QStringLiteral("raw.gif"), build(48, 48, pureColours(), {plain, slow}));

    const ConversionResult r = convertAnimation(path(QStringLiteral("raw.gif")), 8, 48, m_image, 0);
    ASSERT_EQ(r.frames, 2);
    EXPECT_EQ(bytes(m_image, 0, 16), header(0x00, 0x19));
    EXPECT_EQ(bytes(m_image, 176, 16), header(0xFF, 0xFF)); // held at the longest, not wrapped
    EXPECT_EQ(bytes(m_image, 16, 160), std::vector<std::uint8_t>(160, 0xFF)); // all green
}

TEST_F(FrameConversionTest, OneFrameCrsIsASinglePicture)
{
    const QString file = crs(QStringLiteral("one.crs"), 48, {page(48, {{0, 16}}, 1000)});
    ConversionResult r = convertAnimation(file, 8, 48, m_image, 0);
    ASSERT_EQ(r.frames, 1);
    EXPECT_EQ(r.size, 176u);
    EXPECT_EQ(bytes(m_image, 0, 16), header(0x00, 0x30)); // 192 ms, not the page's 1000
    EXPECT_EQ(bytes(m_image, 16, 160), dotData(48, {{4, 0x80}}));

    r = convertAnimation(file, 3, 48, m_image, 0);
    EXPECT_EQ(bytes(m_image, 0, 16), header(0x00, 0x12)); // 72 ms
}

TEST_F(FrameConversionTest, PicturesLastAThousandTimesTheSpeed)
{
    // A white JPG of another shape fills the whole square: every dot lit.
    QImage white(100, 60, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QString jpg = picture(QStringLiteral("white.jpg"), white);
    ConversionResult r = convertPicture(jpg, 7, 48, m_image, 0);
    ASSERT_EQ(r.frames, 1);
    EXPECT_EQ(r.size, 176u);
    EXPECT_EQ(bytes(m_image, 0, 16), header(0x06, 0xD6)); // 7000 ms
    EXPECT_EQ(bytes(m_image, 16, 160), std::vector<std::uint8_t>(160, 0xFF));

    // A BMP at speed 1 on a 64 cross: 1000 ms = 250 units.
    const QString bmp = picture(QStringLiteral("white.bmp"), white);
    r = convertPicture(bmp, 1, 64, m_image, 0);
    EXPECT_EQ(r.size, 400u);
    EXPECT_EQ(bytes(m_image, 0, 16), header(0x00, 0xFA));
    EXPECT_EQ(bytes(m_image, 16, 384), std::vector<std::uint8_t>(384, 0xFF));
}

TEST_F(FrameConversionTest, RedOnlyAndBlueOnlyDotsAreLit)
{
    CrsPage p = page(48, {{20, 5}}, 200, kRed);
    p.colours[std::size_t(0 + 16 * 48)] = kBlue;
    p.colours[std::size_t(47 + 31 * 48)] = kRed | kBlue;
    const QString file = crs(QStringLiteral("colours.crs"), 48, {p, page(48, {})});
    ASSERT_EQ(convertAnimation(file, 4, 48, m_image, 0).frames, 2);
    EXPECT_EQ(bytes(m_image, 16, 160), dotData(48, {{50, 0x08}, {4, 0x80}, {159, 0x01}}));
    EXPECT_EQ(bytes(m_image, 176 + 16, 160), dotData(48, {}));
}

TEST_F(FrameConversionTest, FilesAreStretchedToTheCrossSide)
{
    // A 64 file with its left arm lit (x 0..15, y 16..47), sent to a 48 cross:
    // the arm becomes x 0..11, y 12..35, so (0, 16) .. (11, 31) are lit.
    std::vector<QPoint> arm;
    for (int y = 16; y < 48; ++y)
        for (int x = 0; x < 16; ++x)
            arm.push_back({x, y});
    const QString large = crs(QStringLiteral("large.crs"), 64, {page(64, arm), page(64, {})});
    ASSERT_EQ(convertAnimation(large, 4, 48, m_image, 0).frames, 2);
    // Bar rows 0..15 of the strip, bar from strip x 32: x 32..41 lit for sure.
    for (int row = 0; row < 16; ++row) {
        EXPECT_EQ(m_image[std::size_t(16 + row * 10 + 4)], 0xFF) << "row " << row;
        EXPECT_EQ(m_image[std::size_t(16 + row * 10 + 5)] & 0xC0, 0xC0) << "row " << row;
        EXPECT_EQ(m_image[std::size_t(16 + row * 10 + 7)], 0x00) << "row " << row;
    }

    // A 48 file with dot block (16..31, 0..7) lit, sent to a 64 cross: the
    // block becomes x 21..42, y 0..10 and reaches the top arm's middle.
    std::vector<QPoint> block;
    for (int y = 0; y < 8; ++y)
        for (int x = 16; x < 32; ++x)
            block.push_back({x, y});
    const QString small = crs(QStringLiteral("small.crs"), 48, {page(48, block), page(48, {})});
    ASSERT_EQ(convertAnimation(small, 4, 64, m_image, 0).frames, 2);
    // Top arm: canvas (16 + x, y) -> strip (x, y), 12 bytes a row.
    EXPECT_EQ(m_image[16 + 5 * 12 + 2], 0xFF);    // (32..39, 5)
    EXPECT_EQ(m_image[16 + 5 * 12 + 0] & 0xF0, 0x00); // (16..19, 5): left of the block
    EXPECT_EQ(m_image[16 + 14 * 12 + 2], 0x00);   // (32..39, 14): below it
    EXPECT_EQ(m_image[400 + 16 + 5 * 12 + 2], 0x00);
}

TEST_F(FrameConversionTest, MissingOrBrokenFileGivesOneDarkFrame)
{
    const QString missing = path(QStringLiteral("gone.crs"));
    ConversionResult r = convertAnimation(missing, 4, 48, m_image, 10);
    EXPECT_TRUE(r.fits);
    EXPECT_TRUE(r.darkFrame);
    EXPECT_EQ(r.frames, 1);
    EXPECT_EQ(r.size, 186u);
    EXPECT_TRUE(r.warning.contains(QStringLiteral("gone.crs"))) << r.warning.toStdString();
    EXPECT_EQ(bytes(m_image, 10, 16), header(0x00, 0x18));
    EXPECT_EQ(bytes(m_image, 26, 160), dotData(48, {}));

    // A back animation (own delays) that is missing: 192 ms.
    r = convertAnimation(missing, kOwnDelaysSpeed, 64, m_image, 0);
    EXPECT_EQ(r.size, 400u);
    EXPECT_EQ(bytes(m_image, 0, 16), header(0x00, 0x30));
    EXPECT_EQ(bytes(m_image, 16, 384), dotData(64, {}));

    writeFile(QStringLiteral("broken.crs"), QByteArray("GIF89a\x30\x00", 8));
    r = convertAnimation(path(QStringLiteral("broken.crs")), 2, 48, m_image, 0);
    EXPECT_TRUE(r.darkFrame);
    EXPECT_FALSE(r.warning.isEmpty());
    EXPECT_EQ(bytes(m_image, 0, 16), header(0x00, 0x0C));

    // A missing picture: 1000 x speed ms, dark.
    r = convertPicture(path(QStringLiteral("gone.jpg")), 2, 48, m_image, 0);
    EXPECT_TRUE(r.darkFrame);
    EXPECT_EQ(r.frames, 1);
    EXPECT_EQ(bytes(m_image, 0, 16), header(0x01, 0xF4));
    EXPECT_EQ(bytes(m_image, 16, 160), dotData(48, {}));
}

TEST_F(FrameConversionTest, AnAnimationThatDoesNotFitIsNotWritten)
{
    std::vector<CrsPage> pages(10, page(48, {{20, 5}}));
    const QString file = crs(QStringLiteral("ten.crs"), 48, pages);

    std::vector<std::uint8_t> exact(100 + 1760, 0xEE);
    ConversionResult r = convertAnimation(file, 4, 48, exact, 100);
    EXPECT_TRUE(r.fits);
    EXPECT_EQ(r.size, exact.size());

    std::vector<std::uint8_t> tight(100 + 1759, 0xEE);
    r = convertAnimation(file, 4, 48, tight, 100);
    EXPECT_FALSE(r.fits);
    EXPECT_EQ(r.size, 100u);
    EXPECT_EQ(r.frames, 0);
    EXPECT_EQ(tight, std::vector<std::uint8_t>(tight.size(), 0xEE));

    // The dark frame of a missing file is refused the same way.
    std::vector<std::uint8_t> small(175, 0xEE);
    r = convertAnimation(path(QStringLiteral("gone.crs")), 4, 48, small, 0);
    EXPECT_FALSE(r.fits);
    EXPECT_EQ(small, std::vector<std::uint8_t>(175, 0xEE));
}

TEST_F(FrameConversionTest, PreviewRenderingsAreTheCanvasesThatAreSent)
{
    std::vector<CrsPage> pages;
    for (int p = 0; p < 4; ++p)
        pages.push_back(page(48, {{20, p}}));
    const auto file = common::gif::Picture::fromFile(crs(QStringLiteral("four.crs"), 48, pages));
    for (int i = 0; i < 4; ++i) {
        const QImage canvas = renderFrame(file, i, 64);
        ASSERT_EQ(canvas.size(), QSize(64, 64));
        EXPECT_FALSE(isLit(canvas.pixel(0, 0)));
    }
    const QImage square = renderFrame(file, 2, 48);
    EXPECT_TRUE(isLit(square.pixel(20, 2)));
    EXPECT_FALSE(isLit(square.pixel(20, 1)));

    const QImage black = renderPicture(path(QStringLiteral("gone.bmp")), 48);
    ASSERT_EQ(black.size(), QSize(48, 48));
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            ASSERT_FALSE(isLit(black.pixel(x, y)));
}
