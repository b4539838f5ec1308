#include "halvane/preview/canvas.h"
#include "halvane/preview/dot_grid.h"

#include <gtest/gtest.h>

using namespace halvane::preview;

namespace {

constexpr QRgb kGreen = 0xFF00FF00u;
constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kRed = 0xFFFF0000u;
constexpr QRgb kBlue = 0xFF0000FFu;

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST(Canvas, CopiesReplaceWithBlackAndReadBlackBeyondTheSource)
{
    QImage canvas = filled(48, 48, kRed);
    copyWindow(canvas, 0, 16, filled(10, 16, kBlack), 5, 0, 10, 16);
    EXPECT_EQ(canvas.pixel(0, 16), kBlack); // copied black replaces
    EXPECT_EQ(canvas.pixel(4, 31), kBlack);
    EXPECT_EQ(canvas.pixel(5, 16), kBlack); // beyond the source's right edge
    EXPECT_EQ(canvas.pixel(9, 31), kBlack);
    EXPECT_EQ(canvas.pixel(10, 16), kRed);
    // A window hanging over the canvas's edges is cut, not wrapped.
    copyWindow(canvas, 44, 46, filled(10, 10, kBlue), 0, 0, 10, 10);
    EXPECT_EQ(canvas.pixel(47, 47), kBlue);
    EXPECT_EQ(canvas.pixel(43, 47), kRed);
    copyWindow(canvas, -3, -3, filled(10, 10, kBlue), 0, 0, 5, 5);
    EXPECT_EQ(canvas.pixel(1, 1), kBlue);
    EXPECT_EQ(canvas.pixel(2, 2), kRed);
}

TEST(DotGrid, LayoutOfA450By250Picture)
{
    const PreviewLayout l48 = previewLayout(QSize(450, 250), 48);
    EXPECT_EQ(l48.dotSize, 5);
    EXPECT_EQ(l48.crossSize, QSize(240, 240));
    EXPECT_EQ(l48.dialogSize, QSize(270, 300));
    const PreviewLayout l64 = previewLayout(QSize(450, 250), 64);
    EXPECT_EQ(l64.dotSize, 3);
    EXPECT_EQ(l64.crossSize, QSize(192, 192));
    EXPECT_EQ(l64.dialogSize, QSize(222, 252));
    EXPECT_EQ(previewLayout(QSize(40, 400), 48).dotSize, 0);
    EXPECT_TRUE(dotGridImage(filled(48, 48, kBlack), 0).isNull());
}

TEST(DotGrid, DotsAreFilledInsideTheGridAndCornersStayUntouched)
{
    QImage canvas = filled(48, 48, kBlack);
    canvas.setPixel(20, 5, qRgb(0, 0, 1)); // any colour but black is lit
    canvas.setPixel(2, 2, kGreen);         // a corner dot is never drawn
    const QImage p = dotGridImage(canvas, 5, kBlue);
    ASSERT_EQ(p.size(), QSize(240, 240));
    // Dot (20, 5): pixels 101..104 x 26..29, its grid lines at x 100 and y 25.
    EXPECT_EQ(p.pixel(101, 26), kGreen);
    EXPECT_EQ(p.pixel(104, 29), kGreen);
    EXPECT_EQ(p.pixel(100, 27), kGridGrey);
    EXPECT_EQ(p.pixel(102, 25), kGridGrey);
    EXPECT_EQ(p.pixel(106, 27), kBlack); // dot (21, 5) is dark
    EXPECT_EQ(p.pixel(12, 12), kBlue);   // corner
    EXPECT_EQ(p.pixel(10, 10), kBlue);
    EXPECT_EQ(p.pixel(237, 238), kBlue);  // the bottom right corner
}

TEST(DotGrid, GridLinesSpanTheArmsAndTheBand)
{
    const QImage p = dotGridImage(filled(48, 48, kBlack), 5, kBlue);
    // Row 0 only across the top arm: x 80 .. 159.
    EXPECT_EQ(p.pixel(80, 0), kGridGrey);
    EXPECT_EQ(p.pixel(159, 0), kGridGrey);
    EXPECT_EQ(p.pixel(79, 0), kBlue);
    EXPECT_EQ(p.pixel(161, 0), kBlue);
    EXPECT_EQ(p.pixel(160, 0), kGridGrey); // column 32, the bar's right edge, runs down the whole picture
    // Rows 16 .. 32 across the whole picture (32 is the band's lower edge).
    EXPECT_EQ(p.pixel(0, 80), kGridGrey);
    EXPECT_EQ(p.pixel(239, 80), kGridGrey);
    EXPECT_EQ(p.pixel(0, 160), kGridGrey);
    EXPECT_EQ(p.pixel(239, 160), kGridGrey);
    EXPECT_EQ(p.pixel(1, 165), kBlue); // row 33 is in the bottom arm
    EXPECT_EQ(p.pixel(81, 165), kGridGrey);
    // Columns likewise: column 0 only down the band.
    EXPECT_EQ(p.pixel(0, 79), kBlue);
    EXPECT_EQ(p.pixel(0, 81), kGridGrey);
    EXPECT_EQ(p.pixel(0, 159), kGridGrey);
    EXPECT_EQ(p.pixel(0, 161), kBlue);
    // Dot (0, 16) is black inside its lines; no line beyond the last dot.
    EXPECT_EQ(p.pixel(1, 81), kBlack);
    EXPECT_EQ(p.pixel(239, 81), kBlack);
}

