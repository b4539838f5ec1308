#include "common/gif/picture.h"
#include "dravelle/document/crs_writer.h"
#include "halvane/encode/dot_image.h"
#include "halvane/encode/frame_conversion.h"
#include "tests/common/gif/gif_test_file.h"
#include "tests/common/gui_application.h"
#include "tests/common/temp_dir.h"

#include <gtest/gtest.h>

#include <vector>

using namespace halvane::encode;
using dravelle::document::CrsPage;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr std::uint8_t kRedCode = 1, kGreenCode = 2, kBlueCode = 4;

// A page of side R with the dots `lit` in `colour`.
CrsPage page(int side, const std::vector<QPoint> &lit, int delayMs = 200,
             std::uint8_t colour = kGreenCode)
{
    CrsPage p{std::vector<std::uint8_t>(std::size_t(side * side), 0), delayMs};
    for (QPoint d : lit)
        p.colours[std::size_t(d.x() + d.y() * side)] = colour;
    return p;
}

Bytes header(std::uint8_t high, std::uint8_t low)
{
    return {0x01, 0x01, high, low, 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
}

// F bytes of frame data with one bit set (none when mask is 0).
Bytes dotData(int side, std::size_t index = 0, std::uint8_t mask = 0)
{
    Bytes data(side == 64 ? 384 : 160, 0);
    data[index] = mask;
    return data;
}

class FrameConversion : public TempDirTest {
protected:
    Bytes m_image = Bytes(64 * 1024, 0xEE);

    Bytes at(std::size_t from, std::size_t count) const
    {
        return {m_image.begin() + std::ptrdiff_t(from),
                m_image.begin() + std::ptrdiff_t(from + count)};
    }

    QString crs(const QString &name, int side, const std::vector<CrsPage> &pages)
    {
        EXPECT_TRUE(dravelle::document::writeCrsFile(path(name), side, pages).ok);
        return path(name);
    }
};

} // namespace

TEST_F(FrameConversion, TenFrame48CrsAtSpeed4)
{
    // Page p lights top-arm dot (20, p): strip (4, p), bit 0x08 of byte 10p.
    std::vector<CrsPage> pages;
    for (int p = 0; p < 10; ++p)
        pages.push_back(page(48, {{20, p}}));
    const ConversionResult r = convertAnimation(crs("ten.crs", 48, pages), 4, 48, m_image, 0);
    EXPECT_TRUE(r.fits);
    EXPECT_FALSE(r.darkFrame);
    EXPECT_EQ(r.frames, 10);
    EXPECT_EQ(appendEndMark(m_image, r.size).size, 1762u);
    for (std::size_t p = 0; p < 10; ++p) {
        EXPECT_EQ(at(176 * p, 16), header(0x00, 0x18)) << p; // 96 ms
        EXPECT_EQ(at(176 * p + 16, 160), dotData(48, 10 * p, 0x08)) << p;
    }
    EXPECT_EQ(at(1760, 3), (Bytes{0xFF, 0xFF, 0xEE}));
}

TEST_F(FrameConversion, SpeedOffTakesTheFilesOwnDelays)
{
    // Page delays of 200 and 30 ms are stored as 20 and 3 hundredths.
    const QString file = crs("own.crs", 48, {page(48, {}, 200), page(48, {}, 30)});
    EXPECT_EQ(convertAnimation(file, kOwnDelaysSpeed, 48, m_image, 0).frames, 2);
    EXPECT_EQ(at(0, 16), header(0x00, 0x32));   // 200 ms
    EXPECT_EQ(at(176, 16), header(0x00, 0x19)); // under 5 hundredths: 100 ms
    convertAnimation(file, 7, 48, m_image, 0);  // any other speed: 24 x speed
    EXPECT_EQ(at(176, 16), header(0x00, 0x2A)); // 168 ms

    // A frame without a graphic control extension: 100 ms; a delay field of
    // 65535 (655 s) stays the longest the cross counts instead of wrapping.
    gif_test::Frame plain = gif_test::solid(QRect(0, 0, 48, 48), 2);
    plain.graphicControl = false;
    gif_test::Frame slow = gif_test::solid(QRect(0, 0, 48, 48), 0);
    slow.delay = 65535;
    writeFile("raw.gif", gif_test::build(48, 48, gif_test::pureColours(), {plain, slow}));
    EXPECT_EQ(convertAnimation(path("raw.gif"), 8, 48, m_image, 0).frames, 2);
    EXPECT_EQ(at(0, 16), header(0x00, 0x19));
    EXPECT_EQ(at(16, 160), Bytes(160, 0xFF)); // all green
    EXPECT_EQ(at(176, 16), header(0xFF, 0xFF));
}

TEST_F(FrameConversion, OneFrameCrsIsASinglePicture)
{
    const QString file = crs("one.crs", 48, {page(48, {{0, 16}}, 1000)});
    const ConversionResult r = convertAnimation(file, 8, 48, m_image, 0);
    EXPECT_EQ(r.frames, 1);
    EXPECT_EQ(r.size, 176u);
    EXPECT_EQ(at(0, 16), header(0x00, 0x30)); // 192 ms, not the page's 1000
    EXPECT_EQ(at(16, 160), dotData(48, 4, 0x80));
    convertAnimation(file, 3, 48, m_image, 0);
    EXPECT_EQ(at(0, 16), header(0x00, 0x12)); // 72 ms
}

TEST_F(FrameConversion, PicturesLastAThousandTimesTheSpeed)
{
    // A white picture of another shape fills the whole square.
    QImage white(100, 60, QImage::Format_RGB32);
    white.fill(Qt::white);
    ASSERT_TRUE(white.save(path("white.jpg")) && white.save(path("white.bmp")));
    ConversionResult r = convertPicture(path("white.jpg"), 7, 48, m_image, 0);
    EXPECT_EQ(r.frames, 1);
    EXPECT_EQ(r.size, 176u);
    EXPECT_EQ(at(0, 16), header(0x06, 0xD6)); // 7000 ms
    EXPECT_EQ(at(16, 160), Bytes(160, 0xFF));
    r = convertPicture(path("white.bmp"), 1, 64, m_image, 0);
    EXPECT_EQ(r.size, 400u);
    EXPECT_EQ(at(0, 16), header(0x00, 0xFA)); // 1000 ms
    EXPECT_EQ(at(16, 384), Bytes(384, 0xFF));
}

TEST_F(FrameConversion, RedOnlyAndBlueOnlyDotsAreLit)
{
    const QString file = crs("colours.crs", 48,
                             {page(48, {{20, 5}}, 200, kRedCode), page(48, {{0, 16}}, 200, kBlueCode)});
    EXPECT_EQ(convertAnimation(file, 4, 48, m_image, 0).frames, 2);
    EXPECT_EQ(at(16, 160), dotData(48, 50, 0x08));
    EXPECT_EQ(at(176 + 16, 160), dotData(48, 4, 0x80));
}

TEST_F(FrameConversion, FilesAreStretchedToTheCrossSide)
{
    // A 64 file with its left arm lit (x 0..15, y 16..47) on a 48 cross: the
    // arm becomes x 0..11 of every bar row (strip x 32..43).
    std::vector<QPoint> arm;
    for (int y = 16; y < 48; ++y)
        for (int x = 0; x < 16; ++x)
            arm.push_back({x, y});
    convertAnimation(crs("large.crs", 64, {page(64, arm), page(64, {})}), 4, 48, m_image, 0);
    for (std::size_t row = 0; row < 16; ++row) {
        EXPECT_EQ(m_image[16 + row * 10 + 4], 0xFF) << row;
        EXPECT_EQ(m_image[16 + row * 10 + 5] & 0xC0, 0xC0) << row;
        EXPECT_EQ(m_image[16 + row * 10 + 7], 0x00) << row;
    }
    // A 48 file with the block (16..31, 0..7) lit on a 64 cross: x 21..42, y 0..10.
    std::vector<QPoint> block;
    for (int y = 0; y < 8; ++y)
        for (int x = 16; x < 32; ++x)
            block.push_back({x, y});
    convertAnimation(crs("small.crs", 48, {page(48, block), page(48, {})}), 4, 64, m_image, 0);
    EXPECT_EQ(m_image[16 + 5 * 12 + 2], 0xFF);     // (32..39, 5)
    EXPECT_EQ(m_image[16 + 5 * 12] & 0xF0, 0x00);  // (16..19, 5): left of it
    EXPECT_EQ(m_image[16 + 14 * 12 + 2], 0x00);    // (32..39, 14): below it
}

TEST_F(FrameConversion, MissingOrBrokenFileGivesOneDarkFrame)
{
    ConversionResult r = convertAnimation(path("gone.crs"), 4, 48, m_image, 10);
    EXPECT_TRUE(r.fits && r.darkFrame);
    EXPECT_EQ(r.frames, 1);
    EXPECT_EQ(r.size, 186u);
    EXPECT_TRUE(r.warning.contains("gone.crs")) << r.warning.toStdString();
    EXPECT_EQ(at(10, 16), header(0x00, 0x18));
    EXPECT_EQ(at(26, 160), dotData(48));

    // A missing back animation (own delays): 192 ms.
    r = convertAnimation(path("gone.crs"), kOwnDelaysSpeed, 64, m_image, 0);
    EXPECT_EQ(r.size, 400u);
    EXPECT_EQ(at(0, 16), header(0x00, 0x30));
    EXPECT_EQ(at(16, 384), dotData(64));

    writeFile("broken.crs", QByteArray("GIF89a\x30\x00", 8));
    r = convertAnimation(path("broken.crs"), 2, 48, m_image, 0);
    EXPECT_TRUE(r.darkFrame);
    EXPECT_FALSE(r.warning.isEmpty());
    EXPECT_EQ(at(0, 16), header(0x00, 0x0C));

    r = convertPicture(path("gone.jpg"), 2, 48, m_image, 0);
    EXPECT_TRUE(r.darkFrame);
    EXPECT_EQ(at(0, 16), header(0x01, 0xF4)); // 2000 ms
    EXPECT_EQ(at(16, 160), dotData(48));
}

TEST_F(FrameConversion, AnAnimationThatDoesNotFitIsNotWritten)
{
    const QString file = crs("ten.crs", 48, std::vector<CrsPage>(10, page(48, {{20, 5}})));
    Bytes exact(100 + 1760, 0xEE);
    EXPECT_EQ(convertAnimation(file, 4, 48, exact, 100).size, exact.size());

    Bytes tight(100 + 1759, 0xEE);
    const ConversionResult r = convertAnimation(file, 4, 48, tight, 100);
    EXPECT_FALSE(r.fits);
    EXPECT_EQ(r.size, 100u);
    EXPECT_EQ(tight, Bytes(tight.size(), 0xEE));

    Bytes small(175, 0xEE); // nor does the dark frame of a missing file
    EXPECT_FALSE(convertAnimation(path("gone.crs"), 4, 48, small, 0).fits);
    EXPECT_EQ(small, Bytes(175, 0xEE));
}

TEST_F(FrameConversion, PreviewCanvasesAreTheOnesSent)
{
    std::vector<CrsPage> pages;
    for (int p = 0; p < 4; ++p)
        pages.push_back(page(48, {{20, p}}));
    const auto file = common::gif::Picture::fromFile(crs("four.crs", 48, pages));
    const QImage canvas = renderFrame(file, 2, 48);
    ASSERT_EQ(canvas.size(), QSize(48, 48));
    EXPECT_TRUE(isLit(canvas.pixel(20, 2)));
    EXPECT_FALSE(isLit(canvas.pixel(20, 1)));
    EXPECT_EQ(renderFrame(file, 3, 64).size(), QSize(64, 64));

    QImage black(48, 48, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(renderPicture(path("gone.bmp"), 48), black);
}
