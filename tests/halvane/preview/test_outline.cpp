#include "halvane/preview/canvas.h"
#include "halvane/preview/outline.h"

#include "common/cross_geometry.h"

#include <gtest/gtest.h>

using namespace halvane::preview;

namespace {

constexpr QRgb kGreen = 0xFF00FF00u;
constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kRed = 0xFFFF0000u;

QImage filled(int side, QRgb colour)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

int countDots(int side, bool (*rule)(int, int, int))
{
    int n = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            n += rule(side, x, y) ? 1 : 0;
    return n;
}

int countColour(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour ? 1 : 0;
    return n;
}

} // namespace

TEST(Outline, OneDotOutlineOfA48Cross)
{
    EXPECT_EQ(countDots(48, onOneDotOutline), 188);
    EXPECT_TRUE(onOneDotOutline(48, 0, 16));
    EXPECT_TRUE(onOneDotOutline(48, 16, 0));
    EXPECT_FALSE(onOneDotOutline(48, 0, 15));
    EXPECT_FALSE(onOneDotOutline(48, 15, 15));
    // The inner corner of the top left notch and the far ends of the bars.
    EXPECT_TRUE(onOneDotOutline(48, 16, 16));
    EXPECT_TRUE(onOneDotOutline(48, 47, 31));
    EXPECT_TRUE(onOneDotOutline(48, 31, 47));
    EXPECT_FALSE(onOneDotOutline(48, 1, 17));
    EXPECT_FALSE(onOneDotOutline(48, 24, 24));
}

TEST(Outline, OutlinesLieOnTheCrossAndCountPerSide)
{
    // 64: 2 x 32 + 2 x 34 + 2 x 30 + 2 x 30 one-dot; 48 two-dot:
    // 4 x 16 + 4 x 36 + 4 x 12 + 4 x 28.
    EXPECT_EQ(countDots(64, onOneDotOutline), 252);
    EXPECT_EQ(countDots(48, onTwoDotOutline), 368);
    EXPECT_TRUE(onTwoDotOutline(48, 2, 17));
    EXPECT_FALSE(onTwoDotOutline(48, 2, 18));
    EXPECT_TRUE(onTwoDotOutline(48, 17, 17));
    EXPECT_FALSE(onTwoDotOutline(48, 18, 18));
    for (int side : {48, 64}) {
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                if (onTwoDotOutline(side, x, y) || onOneDotOutline(side, x, y)) {
                    ASSERT_TRUE(common::CrossGeometry::inCross(side, x, y)) << side << " " << x << "," << y;
                }
            }
        }
    }
}

TEST(Outline, MoveDashesSwapEverySecond)
{
    QImage second0 = filled(48, kRed);
    drawOutline(second0, kStyleMove, 0);
    EXPECT_EQ(second0.pixel(16, 0), kGreen);
    EXPECT_EQ(second0.pixel(17, 0), kGreen);
    EXPECT_EQ(second0.pixel(18, 0), kBlack);
    EXPECT_EQ(second0.pixel(19, 0), kBlack);
    EXPECT_EQ(second0.pixel(20, 1), kGreen);
    // Right and bottom edges run the other way: p 2 and 3 are the first colour.
    EXPECT_EQ(second0.pixel(47, 16), kBlack);
    EXPECT_EQ(second0.pixel(47, 18), kGreen);
    EXPECT_EQ(second0.pixel(18, 47), kGreen);
    EXPECT_EQ(second0.pixel(16, 47), kBlack); // the inner vertical x 16 counts as left: p = 3
    EXPECT_EQ(second0.pixel(24, 24), kRed);

    QImage second1 = filled(48, kRed);
    drawOutline(second1, kStyleMove, 1);
    EXPECT_EQ(second1.pixel(16, 0), kBlack);
    EXPECT_EQ(second1.pixel(17, 0), kBlack);
    EXPECT_EQ(second1.pixel(18, 0), kGreen);
    EXPECT_EQ(second1.pixel(19, 0), kGreen);

    // Every dot of the two-dot outline is green in exactly one of the two seconds.
    EXPECT_EQ(countColour(second0, kGreen) + countColour(second1, kGreen), 368);
    EXPECT_EQ(countColour(second0, kGreen), countColour(second1, kBlack));
}

TEST(Outline, FlashStylesFollowTheSecondsCounter)
{
    SecondsCounter counter;
    std::vector<QRgb> edge;
    for (int step = 0; step < 30; ++step) { // 100 ms steps over three seconds
        QImage canvas = filled(48, kRed);
        drawOutline(canvas, kStyleFlashOneDot, counter.seconds());
        if (step % 10 == 0)
            edge.push_back(canvas.pixel(0, 20));
        EXPECT_EQ(canvas.pixel(1, 20), kRed);
        counter.add(100);
    }
    EXPECT_EQ(edge, (std::vector<QRgb>{kGreen, kBlack, kGreen}));

    QImage two = filled(48, kRed);
    drawOutline(two, kStyleFlashTwoDots, 3);
    EXPECT_EQ(two.pixel(1, 20), kBlack);
    EXPECT_EQ(countColour(two, kBlack), 368);
}

TEST(Outline, NoneAndUnknownStylesDrawNothing)
{
    for (int style : {int(kStyleNone), 0, 9}) {
        QImage canvas = filled(48, kRed);
        drawOutline(canvas, style, 0);
        EXPECT_EQ(countColour(canvas, kRed), 48 * 48) << style;
    }
}

TEST(SecondsCounter, ASecondRestartsTheSumAtZero)
{
    SecondsCounter counter;
    counter.add(300);
    counter.add(300);
    counter.add(300);
    EXPECT_EQ(counter.seconds(), 0);
    counter.add(300); // 1200: one second, and the 200 over are dropped
    EXPECT_EQ(counter.seconds(), 1);
    counter.add(800);
    EXPECT_EQ(counter.seconds(), 1);
    counter.add(200);
    EXPECT_EQ(counter.seconds(), 2);
    counter.add(5000); // a long step still counts one second
    EXPECT_EQ(counter.seconds(), 3);
}
