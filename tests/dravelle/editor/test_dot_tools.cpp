#include "dravelle/editor/dot_tools.h"
#include "dravelle/editor/shape_tracing.h"

#include "tests/dravelle/lit_dots.h"

#include <gtest/gtest.h>

#include <set>

using namespace dravelle::document;
using namespace dravelle::editor;

namespace {

constexpr int kR = 48;
constexpr int kF = 8;

int index(int x, int y)
{
    return x + y * kR;
}

// A pixel inside cell (x, y), away from the cell's origin.
QPoint at(int x, int y)
{
    return {x * kF + 3, y * kF + 4};
}

std::set<std::pair<int, int>> pointSet(const std::vector<QPoint> &points)
{
    std::set<std::pair<int, int>> s;
    for (QPoint p : points)
        s.insert({p.x(), p.y()});
    return s;
}

class DotToolsTest : public ::testing::Test {
protected:
    DotToolsTest()
    {
        m_store.newAnimation();
        m_store.setModified(false);
        m_tools.redraw();
    }

    void click(QPoint p)
    {
        m_tools.leftDown(p);
        m_tools.leftUp();
    }

    const DotPage &page() const { return m_store.page(m_store.currentPage()); }

    AnimationStore m_store{kR};
    DotTools m_tools{m_store, kF};
};

} // namespace

TEST(ShapeTracing, BresenhamLineIsTheSameBothWays)
{
    const std::vector<QPoint> line = traceLine({0, 0}, {5, 2});
    EXPECT_EQ(pointSet(line), (std::set<std::pair<int, int>>{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}}));
    EXPECT_EQ(pointSet(traceLine({5, 2}, {0, 0})), pointSet(line));
    // y-major, going up to the right.
    EXPECT_EQ(pointSet(traceLine({0, 5}, {2, 0})),
              (std::set<std::pair<int, int>>{{0, 5}, {0, 4}, {1, 3}, {1, 2}, {2, 1}, {2, 0}}));
    EXPECT_EQ(pointSet(traceLine({3, 3}, {3, 3})), (std::set<std::pair<int, int>>{{3, 3}}));
    for (QPoint a : {QPoint(7, 1), QPoint(-4, 9), QPoint(12, 12)})
        EXPECT_EQ(pointSet(traceLine(a, {2, 3})), pointSet(traceLine({2, 3}, a)));
}

TEST(ShapeTracing, RectangleAndMidpointEllipse)
{
    EXPECT_EQ(pointSet(traceRectangle({0, 0}, {2, 1})),
              (std::set<std::pair<int, int>>{{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}}));
    // rx = 4, ry = 2 around (4, 2): the quadrant (0,2) (1,2) (2,2) (3,1) (4,0), mirrored.
    EXPECT_EQ(pointSet(traceEllipse({0, 0}, {8, 4})),
              (std::set<std::pair<int, int>>{{4, 0}, {3, 0}, {5, 0}, {2, 0}, {6, 0}, {1, 1}, {7, 1}, {0, 2},
                                             {8, 2}, {1, 3}, {7, 3}, {2, 4}, {6, 4}, {3, 4}, {4, 4}, {5, 4}}));
    EXPECT_EQ(pointSet(traceEllipse({8, 4}, {0, 0})).size(), 16u);
    EXPECT_EQ(pointSet(traceEllipse({0, 3}, {6, 3})).size(), 7u) << "a flat box is a line";
}

TEST_F(DotToolsTest, CellGeometryAndReadBack)
{
    EXPECT_EQ(m_tools.square().image().size(), QSize(kR * kF, kR * kF));
    const CellGeometry &g = m_tools.square().geometry();
    EXPECT_EQ(g.cellRect({2, 3}), QRect(17, 25, 7, 7));
    EXPECT_EQ(g.cellAt({16, 16}), QPoint(2, 2));
    EXPECT_EQ(g.cellAt({15, 16}), QPoint(1, 2));
    EXPECT_EQ(m_tools.square().image().pixel(16, 20), kGridColour) << "lines between cells are never painted";
    EXPECT_EQ(m_tools.square().image().pixel(3, 3), kCornerGrey);
    EXPECT_EQ(m_tools.square().image().pixel(17 * kF + 5, 2 * kF + 5), qRgb(0, 0, 0));
    EXPECT_EQ(CellGeometry::cellSizeFor(500, 300, 48), 6);
    EXPECT_EQ(CellGeometry::cellSizeFor(100, 100, 64), 6) << "never below 6 pixels";
    EXPECT_EQ(CellGeometry::cellSizeFor(700, 800, 64), 10);

    // The smallest cells still read back correctly.
    AnimationStore store(64);
    store.newAnimation();
    DotTools small(store, 6);
    small.setDrawingColour(kColourBitRed | kColourBitBlue);
    small.leftDown({63 * 6 + 5, 40 * 6 + 5});
    small.leftUp();
    EXPECT_EQ(store.page(1).colourAt(63 + 40 * 64), kColourBitRed | kColourBitBlue);
    EXPECT_EQ(store.page(1).litDotCount(), 1);
}

TEST_F(DotToolsTest, PenPaintsAndCommitsOnButtonUp)
{
    m_tools.leftDown(at(20, 5));
    EXPECT_TRUE(m_store.isModified());
    m_tools.leftMove(at(21, 5));
    m_tools.leftMove({-5, 3});  // outside: nothing
    EXPECT_EQ(page().litDotCount(), 0) << "nothing reaches the page before the button is released";
    const ToolEffect up = m_tools.leftUp();
    EXPECT_TRUE(up.pageCommitted);
    EXPECT_EQ(litDots(page()), (std::set<int>{index(20, 5), index(21, 5)}));
    EXPECT_EQ(page().colourAt(index(20, 5)), kColourBitRed);
    EXPECT_EQ(m_store.workingPage(), page());
}

TEST_F(DotToolsTest, PenOnACornerLeavesItGrey)
{
    m_tools.setDrawingColour(kColourWhite);
    click(at(3, 3));
    EXPECT_EQ(m_tools.square().image().pixel(at(3, 3)), kCornerGrey);
    for (const auto &plane : page().planes)
        EXPECT_EQ(plane[std::size_t(index(3, 3))], 0);
    EXPECT_EQ(page(), DotPage::crossMask(kR));
}

TEST_F(DotToolsTest, NothingBeforeAnAnimationExists)
{
    AnimationStore empty(kR);
    DotTools tools(empty, kF);
    EXPECT_FALSE(tools.leftDown(at(20, 20)).squareChanged);
    EXPECT_FALSE(tools.leftUp().pageCommitted);
    EXPECT_FALSE(tools.rightDown(at(20, 20)).squareChanged);
    EXPECT_FALSE(empty.isModified());
}

TEST_F(DotToolsTest, BigPenAndEraserClipAtTheSquare)
{
    m_tools.setTool(Tool::BigPen);
    m_tools.setDrawingColour(kColourBitGreen);
    click(at(47, 30));
    EXPECT_EQ(litDots(page()), (std::set<int>{index(47, 30), index(47, 31)}));
    click(at(30, 47));
    EXPECT_EQ(page().litDotCount(), 4);

    m_tools.setTool(Tool::Eraser);
    m_tools.setEraseColour(0);
    click(at(46, 30));
    EXPECT_EQ(litDots(page()), (std::set<int>{index(30, 47), index(31, 47)}));
}

TEST_F(DotToolsTest, ColourPickerTakesADotColourButNotACorner)
{
    m_store.workingPage().setColourAt(index(20, 20), kColourBitGreen | kColourBitBlue);
    m_store.commitWorkingPage();
    m_tools.redraw();
    m_tools.setTool(Tool::ColourPicker);
    EXPECT_TRUE(m_tools.leftDown(at(20, 20)).colourPicked);
    m_tools.leftUp();
    EXPECT_EQ(m_tools.drawingColour(), kColourBitGreen | kColourBitBlue);
    click(at(0, 0));
    EXPECT_EQ(m_tools.drawingColour(), kColourBitGreen | kColourBitBlue);
    EXPECT_EQ(page().litDotCount(), 1);
}

TEST_F(DotToolsTest, FloodFillStopsAtOtherColoursAndCorners)
{
    // A blue frame around the cells 20..22 x 20..22 in the middle of the cross.
    DotPage &w = m_store.workingPage();
    for (int k = 19; k <= 23; ++k)
        for (int d : {index(k, 19), index(k, 23), index(19, k), index(23, k)})
            w.setColourAt(d, kColourBitBlue);
    m_store.commitWorkingPage();
    m_tools.redraw();

    m_tools.setTool(Tool::Fill);
    click(at(21, 21));
    int red = 0;
    for (int y = 20; y <= 22; ++y)
        for (int x = 20; x <= 22; ++x)
            red += page().colourAt(index(x, y)) == kColourBitRed ? 1 : 0;
    EXPECT_EQ(red, 9);
    EXPECT_EQ(page().litDotCount(), 16 + 9) << "the frame keeps its blue, nothing outside it changed";
    EXPECT_EQ(page().colourAt(index(19, 21)), kColourBitBlue);

    const DotPage before = page();
    click(at(21, 21));  // the region already has the drawing colour
    EXPECT_EQ(page(), before);

    // Outside the frame: every other dark dot of the cross, corners untouched.
    click(at(40, 20));
    EXPECT_EQ(page().litDotCount(), 1280);
    EXPECT_EQ(page().colourAt(index(19, 21)), kColourBitBlue);
    EXPECT_FALSE(page().isCrossDot(index(0, 0)));
    EXPECT_FALSE(page().isCrossDot(index(40, 40)));
}

TEST_F(DotToolsTest, LineRubberBandRestoresWhatItCrossed)
{
    // A lit dot in the way of the first position of the band.
    m_store.workingPage().setColourAt(index(22, 20), kColourBitGreen);
    m_store.commitWorkingPage();
    m_tools.redraw();

    m_tools.setTool(Tool::Line);
    m_tools.leftDown(at(20, 20));
    m_tools.leftMove(at(26, 20));  // band over (22, 20)
    EXPECT_EQ(m_tools.square().image().pixel(at(22, 20)), qRgb(255, 0, 0));
    m_tools.leftMove(at(20, 26));
    EXPECT_EQ(m_tools.square().image().pixel(at(22, 20)), qRgb(0, 255, 0)) << "the page's colour comes back";
    m_tools.leftMove(at(23, 23));
    m_tools.leftUp();

    std::set<int> expected{index(22, 20)};
    for (int k = 20; k <= 23; ++k)
        expected.insert(index(k, k));
    EXPECT_EQ(litDots(page()), expected) << "only the final line and the old dot";
}

TEST_F(DotToolsTest, RectangleAndEllipseOutlines)
{
    m_tools.setTool(Tool::Rectangle);
    m_tools.leftDown(at(18, 18));
    m_tools.leftMove(at(30, 40));
    m_tools.leftMove(at(22, 21));
    m_tools.leftUp();
    EXPECT_EQ(page().litDotCount(), 2 * 5 + 2 * 2) << "the outline of 5 x 4 cells";
    EXPECT_EQ(page().colourAt(index(20, 19)), 0) << "inside stays dark";

    m_store.clearPage();
    m_tools.redraw();
    m_tools.setTool(Tool::Ellipse);
    m_tools.leftDown(at(16, 16));
    m_tools.leftMove(at(32, 32));
    m_tools.leftUp();
    const DotPage &p = page();
    EXPECT_NE(p.colourAt(index(24, 16)), 0) << "top of the ellipse";
    EXPECT_NE(p.colourAt(index(16, 24)), 0) << "left end";
    EXPECT_NE(p.colourAt(index(32, 24)), 0) << "right end";
    EXPECT_EQ(p.colourAt(index(24, 24)), 0) << "an outline, not a disc";
    EXPECT_EQ(p.colourAt(index(17, 17)), 0);
}

TEST_F(DotToolsTest, RightDragErasesWithAnyTool)
{
    DotPage &w = m_store.workingPage();
    for (int x = 18; x <= 24; ++x)
        w.setColourAt(index(x, 20), kColourWhite);
    m_store.commitWorkingPage();
    m_tools.redraw();
    m_store.setModified(false);

    m_tools.setTool(Tool::Line);
    m_tools.setEraseColour(kColourBitRed);
    EXPECT_TRUE(m_tools.rightDown(at(18, 20)).squareChanged);
    EXPECT_TRUE(m_store.isModified());
    m_tools.rightMove(at(19, 20));
    m_tools.rightMove(at(20, 20));
    m_tools.rightMove(at(0, 0));  // a corner: left alone
    EXPECT_EQ(m_tools.square().image().pixel(at(19, 20)), qRgb(255, 0, 0)) << "the erase colour while dragging";
    EXPECT_EQ(m_tools.square().image().pixel(at(0, 0)), kCornerGrey);
    EXPECT_TRUE(m_tools.rightUp().pageCommitted);
    EXPECT_EQ(litDots(page()), (std::set<int>{index(21, 20), index(22, 20), index(23, 20), index(24, 20)}));
    EXPECT_EQ(m_tools.square().image().pixel(at(19, 20)), qRgb(0, 0, 0)) << "then the page as it is";
}
