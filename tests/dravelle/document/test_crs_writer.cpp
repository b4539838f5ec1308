// The .crs writer: the file's bytes against a layout worked out by hand, the
// frames and delays as giflib, QImageReader and the picture loader read them
// back, and the atomic save.

#include "dravelle/document/crs_writer.h"

#include "common/gif/picture.h"
#include "tests/common/temp_dir.h"

#include <gif_lib.h>

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

using namespace dravelle::document;

namespace {

constexpr std::uint8_t kPurple = 5;   // red + blue
constexpr std::uint8_t kWhite = 7;
constexpr QRgb kPurpleRgb = 0xFFFF00FF;
constexpr QRgb kBlackRgb = 0xFF000000;

CrsPage page(int resolution, int delayMs, std::uint8_t fill = 0)
{
    CrsPage p;
    p.colours.assign(size_t(resolution * resolution), fill);
    p.delayMs = delayMs;
    return p;
}

void setDot(CrsPage &p, int resolution, int x, int y, std::uint8_t code)
{
    p.colours[size_t(x + y * resolution)] = code;
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// Reads a file with giflib's own whole-file reader.
struct Slurped {
    GifFileType *gif = nullptr;
    explicit Slurped(const QByteArray &bytes) : m_bytes(bytes)
    {
        gif = DGifOpen(this, &Slurped::read, nullptr);
        if (gif && DGifSlurp(gif) != GIF_OK) {
            DGifCloseFile(gif, nullptr);
            gif = nullptr;
        }
    }
    ~Slurped() { DGifCloseFile(gif, nullptr); }
    int index(int frame, int x, int y) const
    {
        const SavedImage &image = gif->SavedImages[frame];
        return image.RasterBits[x + y * image.ImageDesc.Width];
    }
    GraphicsControlBlock control(int frame) const
    {
        GraphicsControlBlock gcb{};
        DGifSavedExtensionToGCB(gif, frame, &gcb);
        return gcb;
    }

private:
    static int read(GifFileType *gif, GifByteType *to, int n)
    {
        auto *self = static_cast<Slurped *>(gif->UserData);
        const int count = std::min<int>(n, int(self->m_bytes.size() - self->m_pos));
        memcpy(to, self->m_bytes.constData() + self->m_pos, size_t(count));
        self->m_pos += count;
        return count;
    }
    QByteArray m_bytes;
    qsizetype m_pos = 0;
};

TEST(CrsWriter, FileLayout)
{
    CrsPage first = page(48, 205);
    setDot(first, 48, 20, 5, kPurple);
    const QByteArray bytes = encodeCrs(48, {first, page(48, 45)});
    const QByteArray start = hex("474946383961" "30003000" "f2" "00" "00")   // GIF89a, 48 x 48, 8 colours
        + hex("000000" "ff0000" "00ff00" "ffff00" "0000ff" "ff00ff" "00ffff" "ffffff")
        + hex("21ff0b") + "NETSCAPE2.0" + hex("03" "010100" "00")       // loop setting 1
        + hex("21fe0c") + "CxImage demo" + hex("00")
        + hex("21f904" "08" "1400" "00" "00")                            // disposal 2, 20/100 s, no transparency
        + hex("2c" "00000000" "30003000" "00")                           // 48 x 48 at (0, 0), no local table
        + hex("03");                                                     // LZW minimum code size
    ASSERT_GT(bytes.size(), start.size());
    EXPECT_EQ(bytes.left(start.size()).toHex(' '), start.toHex(' '));
    EXPECT_EQ(bytes.back(), char(0x3B));
    EXPECT_TRUE(bytes.contains(hex("21f904" "08" "0400" "00" "00" "2c" "00000000" "30003000" "00")));

    const QByteArray large = encodeCrs(64, {page(64, 200)});
    EXPECT_EQ(large.mid(6, 4), hex("40004000"));
}

TEST(CrsWriter, GiflibReadsThePagesBack)
{
    CrsPage first = page(48, 205);
    setDot(first, 48, 20, 5, kPurple);
    setDot(first, 48, 0, 0, kWhite);        // a corner: always black
    setDot(first, 48, 47, 31, 0x0F);        // only bits 0..2 count
    CrsPage second = page(48, 1'000'000, 2);
    const Slurped file(encodeCrs(48, {first, second, page(48, -30)}));
    ASSERT_NE(file.gif, nullptr);
    ASSERT_EQ(file.gif->ImageCount, 3);
    EXPECT_EQ(file.gif->SWidth, 48);
    for (int i = 0; i < 3; ++i) {
        const GifImageDesc &d = file.gif->SavedImages[i].ImageDesc;
        EXPECT_EQ(QRect(d.Left, d.Top, d.Width, d.Height), QRect(0, 0, 48, 48));
        EXPECT_EQ(d.ColorMap, nullptr);
        EXPECT_EQ(file.control(i).DisposalMode, DISPOSE_BACKGROUND);
        EXPECT_EQ(file.control(i).TransparentColor, NO_TRANSPARENT_COLOR);
    }
    EXPECT_EQ(file.control(0).DelayTime, 20);
    EXPECT_EQ(file.control(1).DelayTime, 65535);
    EXPECT_EQ(file.control(2).DelayTime, 0);
    EXPECT_EQ(file.index(0, 20, 5), kPurple);
    const GifColorType purple = file.gif->SColorMap->Colors[kPurple];
    EXPECT_EQ(qRgb(purple.Red, purple.Green, purple.Blue), kPurpleRgb);
    EXPECT_EQ(file.index(0, 0, 0), 0);
    EXPECT_EQ(file.index(0, 47, 31), kWhite);
    EXPECT_EQ(file.index(0, 21, 5), 0);
    EXPECT_EQ(file.index(1, 16, 0), 2);      // first dot of the top arm
    EXPECT_EQ(file.index(1, 15, 15), 0);     // corner
    EXPECT_EQ(file.index(1, 48 - 16, 48 - 16), 0);
}

TEST(CrsWriter, QImageReaderShowsTheFramesAndDelays)
{
    CrsPage first = page(48, 205);
    setDot(first, 48, 20, 5, kPurple);
    QByteArray bytes = encodeCrs(48, {first, page(48, 45)});
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "gif");
    EXPECT_EQ(reader.imageCount(), 2);
    EXPECT_EQ(reader.loopCount(), 1);
    const QImage frame = reader.read();
    EXPECT_EQ(frame.size(), QSize(48, 48));
    EXPECT_EQ(frame.pixel(20, 5), kPurpleRgb);
    EXPECT_EQ(frame.pixel(0, 0), kBlackRgb);
    EXPECT_EQ(reader.nextImageDelay(), 200);
}

TEST(CrsWriter, DelaysReadBackByTheDelayRule)
{
    std::vector<CrsPage> pages;
    for (int delay : {205, 50, 45, 0})
        pages.push_back(page(48, delay, 1));
    setDot(pages[0], 48, 20, 5, kPurple);
    const common::gif::Picture picture = common::gif::Picture::fromData(encodeCrs(48, pages));
    ASSERT_EQ(picture.frameCount(), 4);
    EXPECT_EQ(picture.frameDelayMs(0), 200);
    EXPECT_EQ(picture.frameDelayMs(1), 50);
    EXPECT_EQ(picture.frameDelayMs(2), 100);
    EXPECT_EQ(picture.frameDelayMs(3), 100);
    const QImage canvas = picture.composeFrame(0);
    EXPECT_EQ(canvas.pixel(20, 5), kPurpleRgb);
    EXPECT_EQ(canvas.pixel(20, 6), 0xFFFF0000);
    EXPECT_EQ(canvas.pixel(0, 47), kBlackRgb);
}

TEST(CrsWriter, OnePageFileIsASinglePicture)
{
    CrsPage only = page(48, 500);
    setDot(only, 48, 20, 5, kPurple);
    const common::gif::Picture picture = common::gif::Picture::fromData(encodeCrs(48, {only}));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.frameCount(), 0);
    EXPECT_EQ(picture.renderSingle(QSize(48, 48)).pixel(20, 5), kPurpleRgb);
}

TEST(CrsWriter, InvalidAnimationsAreRefused)
{
    EXPECT_TRUE(encodeCrs(32, {page(32, 200)}).isEmpty());
    EXPECT_TRUE(encodeCrs(48, {}).isEmpty());
    EXPECT_TRUE(encodeCrs(48, {page(48, 200), page(64, 200)}).isEmpty());
    const common::Status status = writeCrsFile(QStringLiteral("/tmp/never-written.crs"), 48, {page(48, 200), page(64, 200)});
    EXPECT_FALSE(status.ok);
    EXPECT_TRUE(status.message.contains(QStringLiteral("Page 2")));
}

class CrsFileTest : public TempDirTest {};

TEST_F(CrsFileTest, WritesTheEncodedAnimation)
{
    const std::vector<CrsPage> pages = {page(48, 200, 1), page(48, 300, 2)};
    ASSERT_TRUE(writeCrsFile(path(QStringLiteral("anim.crs")), 48, pages).ok);
    EXPECT_EQ(readFile(QStringLiteral("anim.crs")), encodeCrs(48, pages));
    ASSERT_TRUE(writeCrsFile(path(QStringLiteral("anim.crs")), 48, {page(48, 100)}).ok);
    EXPECT_EQ(readFile(QStringLiteral("anim.crs")), encodeCrs(48, {page(48, 100)}));
}

TEST_F(CrsFileTest, UnwritablePlacesAreReported)
{
    const QString missing = path(QStringLiteral("no-such-folder/anim.crs"));
    const common::Status status = writeCrsFile(missing, 48, {page(48, 200)});
    EXPECT_FALSE(status.ok);
    EXPECT_TRUE(status.message.contains(missing));
    EXPECT_FALSE(QFile::exists(missing));

    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.crs")));
    EXPECT_FALSE(writeCrsFile(path(QStringLiteral("folder.crs")), 48, {page(48, 200)}).ok);
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("folder.crs"))).isDir());
}

} // namespace
