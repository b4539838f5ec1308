// The GIF decoder test suite: every composed frame must equal the suite's
// expected frame, whose transparent background is our black.

#include "common/gif/picture.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

using common::gif::Picture;

namespace {

const QString kSuite = QStringLiteral(CROSS_FIXTURES_DIR "/gif-test-suite/gifs");

// The expected frame as our canvas shows it: transparent pixels are black.
QImage expectedFrame(const QString &path)
{
    const QImage png = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QImage frame(png.size(), QImage::Format_RGB32);
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x) {
            const QRgb p = png.pixel(x, y);
            frame.setPixel(x, y, qAlpha(p) == 0 ? qRgb(0, 0, 0) : qRgb(qRed(p), qGreen(p), qBlue(p)));
        }
    return frame;
}

// The number of pixels that differ, and the first of them in words.
int differences(const QImage &actual, const QImage &expected, QString *first)
{
    int count = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb a = actual.pixel(x, y) & 0xFFFFFF;
            const QRgb e = expected.pixel(x, y) & 0xFFFFFF;
            if (a != e && count++ == 0)
                *first = QStringLiteral("(%1, %2): %3 instead of %4").arg(x).arg(y).arg(a, 6, 16).arg(e, 6, 16);
        }
    return count;
}

class SuiteTest : public ::testing::TestWithParam<const char *> {};

TEST_P(SuiteTest, ComposedFramesMatchTheExpectedFrames)
{
    const QString name = QString::fromLatin1(GetParam());
    const Picture picture = Picture::fromFile(kSuite + "/" + name + ".gif");
    ASSERT_FALSE(picture.isNull()) << picture.errorString().toStdString();
    ASSERT_EQ(picture.frameCount(), 4);
    for (int i = 0; i < picture.frameCount(); ++i) {
        const QImage expected = expectedFrame(QStringLiteral("%1/frames/%2-%3.png").arg(kSuite, name).arg(i));
        ASSERT_FALSE(expected.isNull());
        const QImage actual = picture.composeFrame(i);
        ASSERT_EQ(actual.size(), expected.size());
        EXPECT_EQ(actual.format(), QImage::Format_RGB32);
        QString first;
        EXPECT_EQ(differences(actual, expected, &first), 0) << name.toStdString() << " frame " << i << " "
                                                             << first.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(GifTestSuite, SuiteTest,
                         ::testing::Values("animated_loop", "animated_loop_interlaced",
                                           "animated_loop_variable_delay", "animated_noloop",
                                           "animated_transparent_firstframerestoreprev_loop",
                                           "animated_transparent_frame_norestore_loop",
                                           "animated_transparent_frame_restorebackground_loop",
                                           "animated_transparent_frame_restoreprev_loop",
                                           "animated_transparent_loop",
                                           "animated_transparent_loop_frames_out_of_bounds",
                                           "animated_transparent_restoreprev_loop"));

TEST(GifTestSuite, OneFrameGifsAreSinglePicturesOnBlack)
{
    for (const char *name : {"static_nontransparent", "static_transparent"}) {
        const Picture picture = Picture::fromFile(kSuite + "/" + name + ".gif");
        ASSERT_FALSE(picture.isNull()) << name;
        EXPECT_EQ(picture.frameCount(), 0) << name;
        EXPECT_EQ(picture.logicalSize(), QSize(100, 100)) << name;
        const QImage expected = expectedFrame(kSuite + "/frames/" + name + ".png");
        QString first;
        EXPECT_EQ(differences(picture.renderSingle(QSize(100, 100)), expected, &first), 0)
            << name << " " << first.toStdString();
    }
}

} // namespace
