#include "halvane/preview/animated_gif_writer.h"
#include "halvane/preview/dot_grid.h"
#include "halvane/preview/preview_recorder.h"

#include "common/gif/picture.h"

#include <gtest/gtest.h>

using namespace halvane::preview;

namespace {

constexpr QRgb kGreen = 0xFF00FF00u;
constexpr QRgb kBlack = 0xFF000000u;

QImage canvasWith(int litX, int litY)
{
    QImage canvas(48, 48, QImage::Format_RGB32);
    canvas.fill(kBlack);
    if (litX >= 0)
        canvas.setPixel(litX, litY, kGreen);
    return canvas;
}

std::vector<int> delaysOf(const common::gif::Picture &picture)
{
    std::vector<int> ms;
    for (int i = 0; i < picture.frameCount(); ++i)
        ms.push_back(picture.frameDelayMs(i));
    return ms;
}

} // namespace

TEST(AnimatedGifWriter, ChangedRectanglesComposeBackIntoTheWholeFrames)
{
    QImage a(40, 30, QImage::Format_RGB32);
    a.fill(kBlack);
    QImage b = a;
    b.setPixel(10, 12, kGreen);
    b.setPixel(25, 20, kGreen);
    QImage c = b;
    c.setPixel(0, 0, 0xFF808080u);
    AnimatedGifWriter writer(a.size(), {kBlack, kGreen, 0xFF808080u});
    ASSERT_TRUE(writer.addFrame(a, 500));
    ASSERT_TRUE(writer.addFrame(b, 500));
    ASSERT_TRUE(writer.addFrame(b, 250)); // unchanged: still a frame of its own
    ASSERT_TRUE(writer.addFrame(c, 1000));
    EXPECT_FALSE(writer.addFrame(QImage(10, 10, QImage::Format_RGB32), 100));
    const auto picture = common::gif::Picture::fromData(writer.finish());
    ASSERT_EQ(picture.frameCount(), 4) << picture.errorString().toStdString();
    EXPECT_EQ(picture.frameInfo(1).rect, QRect(10, 12, 16, 9));
    EXPECT_EQ(picture.composeFrame(1), b);
    EXPECT_EQ(picture.composeFrame(2), b);
    EXPECT_EQ(picture.composeFrame(3), c);
    EXPECT_EQ(delaysOf(picture), (std::vector<int>{500, 500, 250, 1000}));
}

TEST(AnimatedGifWriter, DelaysFollowTheRunningTotalInHundredths)
{
    QImage a(8, 8, QImage::Format_RGB32);
    a.fill(kBlack);
    QImage b = a;
    b.setPixel(1, 1, kGreen);
    AnimatedGifWriter writer(a.size(), {kBlack, kGreen});
    // 66 + 66 + 66 ms: 7 + 6 + 7 hundredths, not 7 + 7 + 7.
    writer.addFrame(a, 66);
    writer.addFrame(b, 66);
    writer.addFrame(a, 66);
    const auto picture = common::gif::Picture::fromData(writer.finish());
    ASSERT_EQ(picture.frameCount(), 3);
    EXPECT_EQ(picture.frameInfo(0).delayField, 7);
    EXPECT_EQ(picture.frameInfo(1).delayField, 6);
    EXPECT_EQ(picture.frameInfo(2).delayField, 7);
}

TEST(PreviewRecorder, EqualStepsBecomeOneFrameOfTheirSummedTime)
{
    PreviewRecorder recorder(48, 3);
    const QImage dark = canvasWith(-1, 0);
    const QImage lit = canvasWith(20, 20);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(recorder.show(dark, 100));
    EXPECT_TRUE(recorder.show(lit, 60));
    EXPECT_TRUE(recorder.show(canvasWith(20, 20), 60)); // another image, same picture
    EXPECT_TRUE(recorder.show(dark, 200));
    const auto picture = common::gif::Picture::fromData(recorder.finish());
    EXPECT_EQ(recorder.stepCount(), 13);
    EXPECT_EQ(recorder.durationMs(), 1320);
    ASSERT_EQ(picture.frameCount(), 3);
    EXPECT_EQ(delaysOf(picture), (std::vector<int>{1000, 120, 200}));
    EXPECT_EQ(picture.composeFrame(1), dotGridImage(lit, 3));
}

TEST(PreviewRecorder, EndsTheLoopAfterItsLastFrame)
{
    PreviewRecorder recorder(48, 2, 3);
    int shown = 0;
    for (int i = 0; i < 100 && recorder.show(canvasWith(16 + i % 16, 20), 100); ++i)
        ++shown;
    EXPECT_EQ(shown, 3); // the fourth frame has no room
    EXPECT_TRUE(recorder.wasCut());
    EXPECT_EQ(common::gif::Picture::fromData(recorder.finish()).frameCount(), 3);
}

TEST(PreviewRecorder, VeryLongStillsAreSplitToFitTheDelayField)
{
    PreviewRecorder recorder(48, 2);
    const QImage dark = canvasWith(-1, 0);
    for (int i = 0; i < 7000; ++i) // 700 s of the same picture
        recorder.show(dark, 100);
    const auto picture = common::gif::Picture::fromData(recorder.finish());
    ASSERT_EQ(picture.frameCount(), 2);
    EXPECT_EQ(picture.frameInfo(0).delayField + picture.frameInfo(1).delayField, 70000);
}
