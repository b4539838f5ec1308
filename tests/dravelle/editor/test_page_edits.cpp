// The page transforms worked out by hand, the page clipboard's bytes and
// commands, the onion skin picture, and the undo of the editor's operations.

#include "dravelle/editor/page_clipboard.h"
#include "dravelle/editor/page_operations.h"
#include "dravelle/editor/page_transforms.h"
#include "dravelle/editor/page_view.h"
#include "dravelle/editor/picture_import.h"
#include "dravelle/editor/templates.h"

#include "tests/dravelle/lit_dots.h"
#include "tests/dravelle/store_snapshot.h"

#include <gtest/gtest.h>

#include <map>

using namespace dravelle::document;
using namespace dravelle::editor;

namespace {

constexpr int kR = 48;

int dot(int x, int y, int r = kR)
{
    return x + y * r;
}

// The lit dots of a page with their colours.
std::map<int, int> colours(const DotPage &page)
{
    std::map<int, int> lit;
    for (int i : litDots(page))
        lit[i] = page.colourAt(i);
    return lit;
}

// Red on the top arm's first column, green low in the bottom arm, blue at
// the right end of the horizontal bar.
DotPage threeDots()
{
    DotPage page = DotPage::crossMask(kR);
    page.setColourAt(dot(16, 2), kColourBitRed);
    page.setColourAt(dot(20, 40), kColourBitGreen);
    page.setColourAt(dot(47, 20), kColourBitBlue);
    return page;
}

DotPage pageWith(int x, int y, int colour, int r = kR)
{
    DotPage page = DotPage::crossMask(r);
    page.setColourAt(dot(x, y, r), colour);
    return page;
}

// Four pages, page k lit at (16 + k, 20), delays 10, 20, 30, 40; no history.
AnimationStore fourPages()
{
    AnimationStore store(kR);
    std::vector<DotPage> pages;
    for (int k = 1; k <= 4; ++k)
        pages.push_back(pageWith(16 + k, 20, kColourBitRed));
    EXPECT_TRUE(store.replacePages(pages, {10, 20, 30, 40}));
    return store;
}

} // namespace

TEST(PageTransforms, MirrorsAndQuarterTurns)
{
    const DotPage page = threeDots();
    const auto run = [&page](PageTransform t) { return colours(transformedPage(page, kR, t)); };
    using M = std::map<int, int>;
    EXPECT_EQ(run(PageTransform::MirrorLeftRight),
              (M{{dot(31, 2), kColourBitRed}, {dot(27, 40), kColourBitGreen}, {dot(0, 20), kColourBitBlue}}));
    EXPECT_EQ(run(PageTransform::MirrorTopBottom),
              (M{{dot(16, 45), kColourBitRed}, {dot(20, 7), kColourBitGreen}, {dot(47, 27), kColourBitBlue}}));
    // A right turn takes (x, y) to (47 - y, x).
    EXPECT_EQ(run(PageTransform::RotateClockwise),
              (M{{dot(45, 16), kColourBitRed}, {dot(7, 20), kColourBitGreen}, {dot(27, 47), kColourBitBlue}}));
    // A left turn takes (x, y) to (y, 47 - x).
    EXPECT_EQ(run(PageTransform::RotateAnticlockwise),
              (M{{dot(2, 31), kColourBitRed}, {dot(40, 27), kColourBitGreen}, {dot(20, 0), kColourBitBlue}}));
    EXPECT_EQ(transformedPage(transformedPage(page, kR, PageTransform::RotateClockwise), kR,
                              PageTransform::RotateAnticlockwise),
              page);
}

TEST(PageTransforms, ShiftsLoseDotsToCornersAndEdges)
{
    const DotPage page = threeDots();
    const auto run = [&page](PageTransform t) { return colours(transformedPage(page, kR, t)); };
    using M = std::map<int, int>;
    // (16, 2) moves onto the corner dot (15, 2): lost.
    EXPECT_EQ(run(PageTransform::ShiftLeft), (M{{dot(19, 40), kColourBitGreen}, {dot(46, 20), kColourBitBlue}}));
    // (47, 20) leaves the square.
    EXPECT_EQ(run(PageTransform::ShiftRight), (M{{dot(17, 2), kColourBitRed}, {dot(21, 40), kColourBitGreen}}));
    EXPECT_EQ(run(PageTransform::ShiftUp),
              (M{{dot(16, 1), kColourBitRed}, {dot(20, 39), kColourBitGreen}, {dot(47, 19), kColourBitBlue}}));
    EXPECT_EQ(run(PageTransform::ShiftDown),
              (M{{dot(16, 3), kColourBitRed}, {dot(20, 41), kColourBitGreen}, {dot(47, 21), kColourBitBlue}}));

    // Off the top edge and into the corner below the bar.
    EXPECT_TRUE(litDots(transformedPage(pageWith(20, 0, kColourWhite), kR, PageTransform::ShiftUp)).empty());
    EXPECT_TRUE(litDots(transformedPage(pageWith(3, 16, kColourWhite), kR, PageTransform::ShiftUp)).empty());
    // Nothing comes out of a corner: the dot below a corner is off after a shift down.
    DotPage full = DotPage::crossMask(kR);
    for (int i = 0; i < kR * kR; ++i)
        full.setColourAt(i, kColourWhite);
    const DotPage down = transformedPage(full, kR, PageTransform::ShiftDown);
    EXPECT_EQ(down.colourAt(dot(3, 16)), 0);
    EXPECT_EQ(down.colourAt(dot(20, 0)), 0) << "nothing comes in over the edge";
    EXPECT_EQ(down.colourAt(dot(20, 1)), kColourWhite);
    for (PageTransform t : {PageTransform::ShiftDown, PageTransform::MirrorLeftRight, PageTransform::RotateClockwise}) {
        const DotPage moved = transformedPage(full, kR, t);
        for (int i = 0; i < kR * kR; ++i)
            ASSERT_EQ(moved.isCrossDot(i), full.isCrossDot(i)) << "corners stay not-a-dot at " << i;
    }
}

TEST(PageTransforms, CurrentOrAllPagesAsOneStepUnderTheWords)
{
    AnimationStore store = fourPages();
    DotPage words = DotPage::blank(kR);
    words.planes[kBlueChannel][std::size_t(dot(20, 30))] = onCode(kBlueChannel);
    ASSERT_TRUE(store.setWordsLayer(std::vector<DotPage>(4, words)));
    store.selectPage(2);
    const StoreSnapshot before(store);

    ASSERT_TRUE(transformPages(store, PageTransform::ShiftUp, TransformRange::CurrentPage));
    EXPECT_EQ(colours(store.page(2)), (std::map<int, int>{{dot(18, 19), kColourBitRed}}));
    EXPECT_EQ(store.page(3), before.pages[2]) << "other pages stay";
    EXPECT_EQ(store.wordsLayer(), before.words) << "the words layer stays";
    EXPECT_EQ(store.workingPage(), store.composedPage(2));
    ASSERT_TRUE(store.undo());
    EXPECT_EQ(StoreSnapshot(store), before);

    ASSERT_TRUE(transformPages(store, PageTransform::MirrorLeftRight, TransformRange::AllPages));
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(colours(store.page(k)), (std::map<int, int>{{dot(31 - k, 20), kColourBitRed}}));
    ASSERT_TRUE(store.undo());
    EXPECT_EQ(StoreSnapshot(store), before);
}

TEST(PageClipboard, BytesRoundTripWithDelaysAndWords)
{
    AnimationStore store = fourPages();
    DotPage words = DotPage::blank(kR);
    words.planes[kGreenChannel][std::size_t(dot(25, 25))] = onCode(kGreenChannel);
    ASSERT_TRUE(store.setWordsLayer({DotPage::blank(kR), words, DotPage::blank(kR), DotPage::blank(kR)}));

    const PageClip clip = copyPages(store, 2, 3);
    ASSERT_EQ(clip.pages.size(), 2u);
    EXPECT_EQ(clip.delays, (std::vector<int>{20, 30}));
    EXPECT_EQ(colours(clip.pages[0]), (std::map<int, int>{{dot(18, 20), kColourBitRed}, {dot(25, 25), kColourBitGreen}}))
        << "words dots merged in";

    const QByteArray bytes = encodePageClip(clip);
    ASSERT_EQ(bytes.size(), 10 + 2 * (4 + kR * kR));
    EXPECT_EQ(bytes.left(10), QByteArray("DRVP\x01\x30\x00\x00\x00\x02", 10));
    EXPECT_EQ(bytes.mid(10, 4), QByteArray("\x00\x00\x00\x14", 4)) << "20 ms";
    EXPECT_EQ(bytes[14 + dot(18, 20)], char(kColourBitRed));

    PageClip read;
    ASSERT_TRUE(decodePageClip(bytes, &read));
    EXPECT_EQ(read.resolution, kR);
    EXPECT_EQ(read.delays, clip.delays);
    EXPECT_EQ(read.pages, clip.pages);
}

TEST(PageClipboard, DamagedBytesAreRefused)
{
    AnimationStore store = fourPages();
    const QByteArray good = encodePageClip(copyPages(store, 1, 2));
    PageClip read;
    read.resolution = 99;
    QByteArray badColour = good;
    badColour[14 + 5] = 8;
    QByteArray badResolution = good;
    badResolution[5] = 40;
    QByteArray badCount = good;
    badCount[9] = 3;
    QByteArray none = good.left(10);
    none[9] = 0;
    for (const QByteArray &bytes : {good.left(good.size() - 1), QByteArray("DRVQ") + good.mid(4), badColour,
                                    badResolution, badCount, none, QByteArray()}) {
        const auto status = decodePageClip(bytes, &read);
        EXPECT_FALSE(status);
        EXPECT_FALSE(status.message.isEmpty());
    }
    EXPECT_EQ(read.resolution, 99) << "nothing half-read";
}

TEST(PageClipboard, PasteCutAndDuplicate)
{
    AnimationStore source = fourPages();
    AnimationStore store = fourPages();
    store.selectPage(2);
    const StoreSnapshot before(store);

    ASSERT_TRUE(pastePages(store, copyPages(source, 3, 4)));
    ASSERT_EQ(store.pageCount(), 6);
    EXPECT_EQ(store.delays(), (std::vector<int>{10, 20, 30, 40, 30, 40}));
    EXPECT_EQ(store.page(3), source.page(3)) << "after the current page";
    EXPECT_EQ(store.currentPage(), 3);
    ASSERT_TRUE(store.undo());
    EXPECT_EQ(StoreSnapshot(store), before);

    AnimationStore wide(64);
    ASSERT_TRUE(wide.replacePages({pageWith(30, 30, kColourWhite, 64)}, {5}));
    const auto refused = pastePages(store, copyPages(wide, 1, 1));
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.message.contains(QStringLiteral("64"))) << refused.message.toStdString();
    EXPECT_EQ(StoreSnapshot(store), before);

    PageClip cut;
    ASSERT_TRUE(cutPages(store, 2, 3, &cut));
    EXPECT_EQ(cut.delays, (std::vector<int>{20, 30}));
    EXPECT_EQ(store.delays(), (std::vector<int>{10, 40}));
    EXPECT_EQ(store.currentPage(), 2);
    EXPECT_FALSE(cutPages(store, 1, 2, &cut)) << "one page always stays";
    ASSERT_TRUE(store.undo());
    EXPECT_EQ(StoreSnapshot(store), before);

    ASSERT_TRUE(duplicatePages(store, 1, 2));
    EXPECT_EQ(store.delays(), (std::vector<int>{10, 20, 10, 20, 30, 40}));
    EXPECT_EQ(store.page(3), store.page(1));
    EXPECT_EQ(store.currentPage(), 3);
}

TEST(OnionSkin, FaintDotsOnlyOnDarkCellsAndNeverInTheSquare)
{
    AnimationStore store(kR);
    store.newAnimation();
    store.workingPage().setColourAt(dot(20, 5), kColourBitGreen);
    store.commitWorkingPage();
    const CellGeometry g{kR, 8};
    const QImage square = squareImage(g, store.workingPage());
    const QImage before = square.copy();
    const DotPage under = threeDots();
    DotPage lit = under;
    lit.setColourAt(dot(20, 5), kColourWhite);  // under a lit dot of the page

    const QImage shown = withOnionSkin(square, g, lit);
    EXPECT_EQ(square, before) << "the square strokes read from is untouched";
    EXPECT_EQ(shown.pixel(g.readBackPixel({16, 2})), onionColour(kColourBitRed));
    EXPECT_EQ(shown.pixel(g.readBackPixel({47, 20})), qRgb(0, 0, 80));
    EXPECT_EQ(shown.pixel(g.readBackPixel({20, 5})), qRgb(0, 255, 0)) << "the page's own dot stays in front";
    EXPECT_EQ(shown.pixel(g.readBackPixel({21, 5})), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(g.readBackPixel({0, 0})), kCornerGrey);
}

// The editor's operations that make several store changes are one step each.
TEST(EditorSteps, TemplateImportDelaysAndReverseUndoAsOne)
{
    AnimationStore store = fourPages();
    store.selectPage(3);
    store.setModified(false);
    const StoreSnapshot before(store);

    applyTemplate(store, Template::Diamond);
    EXPECT_EQ(store.pageCount(), 33);
    ASSERT_TRUE(store.undo());
    EXPECT_EQ(StoreSnapshot(store), before);
    EXPECT_FALSE(store.isModified());
    ASSERT_TRUE(store.redo());
    EXPECT_EQ(store.pageCount(), 33);
    ASSERT_TRUE(store.undo());

    ASSERT_TRUE(changeAllDelay(store, 5));
    ASSERT_TRUE(store.undo());
    EXPECT_EQ(StoreSnapshot(store), before);

    reverseColour(store, kColourWhite, ReverseRange::AllPages);
    ASSERT_TRUE(store.undo());
    EXPECT_EQ(StoreSnapshot(store), before);
    reverseColour(store, kColourBitGreen, ReverseRange::CurrentPage);
    ASSERT_TRUE(store.undo());
    EXPECT_EQ(StoreSnapshot(store), before);

    ImportResult imported;
    imported.loaded = true;
    imported.pages = {pageWith(20, 20, kColourWhite), pageWith(21, 20, kColourWhite)};
    imported.delays = {70, 80};
    ASSERT_TRUE(openAnimation(store, imported));
    EXPECT_EQ(store.delays(), (std::vector<int>{70, 80}));
    ASSERT_TRUE(store.undo());
    EXPECT_EQ(StoreSnapshot(store), before);
    EXPECT_FALSE(store.canUndo());
}
