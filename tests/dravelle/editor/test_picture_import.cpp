#include "dravelle/document/animation_store.h"
#include "dravelle/document/crs_writer.h"
#include "dravelle/editor/import_worker.h"
#include "dravelle/editor/picture_import.h"
#include "tests/common/temp_dir.h"
#include "tests/dravelle/crs_pages.h"
#include "tests/common/gui_application.h"
#include "tests/common/tiny_frame_gif.h"

using namespace dravelle::document;
using namespace dravelle::editor;

namespace {

class PictureImportTest : public TempDirTest {
protected:
    QString writeCrs(const QString &name, int r, const std::vector<CrsPage> &pages)
    {
        const common::Status s = writeCrsFile(path(name), r, pages);
        EXPECT_TRUE(s) << s.message.toStdString();
        return path(name);
    }

    // A BMP of one colour: a single picture.
    QString writeBmp(const QString &name, QRgb colour)
    {
        QImage image(10, 7, QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(path(name), "BMP"));
        return path(name);
    }

    ImportResult run(const QString &file, int r, ImportRegion region = ImportRegion::Full,
                     int threshold = kDefaultThreshold)
    {
        return importPictureFile({file, region, threshold, r});
    }
};

} // namespace

TEST_F(PictureImportTest, FrameDelaysFollowTheShortDelayRule)
{
    // Page delays 20, 50 and 100 ms are written as 2, 5 and 10 hundredths.
    const QString file = writeCrs(QStringLiteral("three.crs"), 48,
                                  {uniformPage(48, 1, 20), uniformPage(48, 2, 50), uniformPage(48, 4, 100)});
    const ImportResult r = run(file, 48);
    ASSERT_TRUE(r.loaded);
    EXPECT_EQ(r.delays, (std::vector<int>{100, 50, 100}));
    ASSERT_EQ(r.pages.size(), 3u);
    EXPECT_EQ(r.pages[0].colourAt(20 + 20 * 48), kColourBitRed);
    EXPECT_EQ(r.pages[1].colourAt(20 + 20 * 48), kColourBitGreen);
    EXPECT_EQ(r.pages[2].colourAt(20 + 20 * 48), kColourBitBlue);
}

TEST_F(PictureImportTest, WrittenAnimationComesBackWithItsPages)
{
    std::vector<CrsPage> pages;
    std::vector<DotPage> expected;
    for (int k = 0; k < 4; ++k) {
        DotPage page = DotPage::crossMask(48);
        for (int i = 0; i < 48 * 48; ++i)
            if (page.isCrossDot(i))
                page.setColourAt(i, (i * 7 + k) % 8);  // every colour, red + blue (purple) among them
        CrsPage crs{std::vector<std::uint8_t>(48 * 48), 0};
        for (int i = 0; i < 48 * 48; ++i)
            crs.colours[std::size_t(i)] = std::uint8_t(page.colourAt(i));
        expected.push_back(page);
        pages.push_back(crs);
    }
    pages[0].delayMs = 205;
    pages[1].delayMs = 50;
    pages[2].delayMs = 45;
    pages[3].delayMs = 0;
    const ImportResult r = run(writeCrs(QStringLiteral("round.crs"), 48, pages), 48);
    ASSERT_EQ(r.pages.size(), 4u);
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(r.pages[k], expected[k]) << "page " << k + 1;
    EXPECT_EQ(r.delays, (std::vector<int>{200, 50, 100, 100}));
}

TEST_F(PictureImportTest, OnePageAnimationTakesTheSinglePicturePath)
{
    const ImportResult r = run(writeCrs(QStringLiteral("one.crs"), 48, {uniformPage(48, 7, 1000)}), 48,
                               ImportRegion::Horizontal);
    ASSERT_EQ(r.pages.size(), 1u);
    EXPECT_EQ(r.delays.front(), 200);
    EXPECT_EQ(r.pages.front().litDotCount(), 1280) << "the whole square, whatever the region";
}

TEST_F(PictureImportTest, RegionsLeaveTheRestDark)
{
    // White pages (with the black corners every written file has), squeezed
    // into the bars of a 48 cross: the middle row or column of the file is white.
    const QString file = writeCrs(QStringLiteral("white.crs"), 64, {uniformPage(64, 7, 200), uniformPage(64, 7, 200)});
    const ImportResult horizontal = run(file, 48, ImportRegion::Horizontal);
    ASSERT_EQ(horizontal.pages.size(), 2u);
    for (const DotPage &page : horizontal.pages) {
        EXPECT_TRUE(rowsDark(page, 48, 0, 15));
        EXPECT_TRUE(rowsDark(page, 48, 32, 47));
        for (int x = 0; x < 48; ++x)
            ASSERT_EQ(page.colourAt(x + 24 * 48), kColourWhite) << x;
    }
    const ImportResult vertical = run(file, 48, ImportRegion::Vertical);
    for (const DotPage &page : vertical.pages)
        for (int y = 0; y < 48; ++y) {
            ASSERT_EQ(page.colourAt(24 + y * 48), kColourWhite) << y;
            for (int x : {0, 15, 32, 47})
                ASSERT_EQ(page.colourAt(x + y * 48), 0) << x << "," << y;
        }
    EXPECT_EQ(importRegionRect(ImportRegion::Horizontal, 64), QRect(0, 16, 64, 32));
    EXPECT_EQ(importRegionRect(ImportRegion::Vertical, 48), QRect(16, 0, 16, 48));
    EXPECT_EQ(importRegionByName(QStringLiteral("Vertical")), ImportRegion::Vertical);
    EXPECT_FALSE(importRegionByName(QStringLiteral("diagonal")));
}

TEST_F(PictureImportTest, AFileOfTheOtherResolutionIsStretched)
{
    const QString file = writeCrs(QStringLiteral("small.crs"), 48, {uniformPage(48, 2, 200), uniformPage(48, 2, 200)});
    const ImportResult r = run(file, 64);
    ASSERT_EQ(r.pages.size(), 2u);
    EXPECT_EQ(r.pages[0].dotCount(), 64 * 64);
    // Stretched to 64 x 64 before the threshold: the file's dark corners grow
    // into the ends of the 64 cross's arms.
    EXPECT_EQ(r.pages[0].colourAt(32 + 32 * 64), kColourBitGreen);
    EXPECT_EQ(r.pages[0].colourAt(32 + 0 * 64), kColourBitGreen);
    EXPECT_EQ(r.pages[0].colourAt(16 + 0 * 64), 0);
    EXPECT_EQ(r.pages[0].colourAt(0 + 16 * 64), 0);
}

TEST_F(PictureImportTest, ThresholdPerChannel)
{
    const QString bmp = writeBmp(QStringLiteral("dim.bmp"), qRgb(1, 0, 200));
    const int dot = 20 + 30 * 48;
    EXPECT_EQ(run(bmp, 48, ImportRegion::Full, 0).pages.front().colourAt(dot), kColourBitRed | kColourBitBlue)
        << "threshold 0 lights every channel that is not completely dark";
    EXPECT_EQ(run(bmp, 48, ImportRegion::Full, 64).pages.front().colourAt(dot), kColourBitBlue);
    EXPECT_EQ(run(bmp, 48, ImportRegion::Full, 199).pages.front().colourAt(dot), kColourBitBlue);
    EXPECT_EQ(run(bmp, 48, ImportRegion::Full, 200).pages.front().colourAt(dot), 0) << "on only above the threshold";

    const QString white = writeBmp(QStringLiteral("white.bmp"), qRgb(255, 255, 255));
    const ImportResult none = run(white, 48, ImportRegion::Vertical, 255);
    EXPECT_EQ(none.pages.front().litDotCount(), 0);
    EXPECT_EQ(run(white, 48, ImportRegion::Vertical).pages.front().litDotCount(), 1280)
        << "a single picture fills the square whatever the region";
    EXPECT_EQ(none.delays.front(), 200);
    EXPECT_FALSE(none.pages.front().isCrossDot(0)) << "corners stay outside the cross";
}

// More frames than an animation may have pages: the first ones are taken
// and the result says how many of how many.
TEST_F(PictureImportTest, FramesBeyondThePageLimitAreCutWithANotice)
{
    QFile gif(path("many.gif"));
    ASSERT_TRUE(gif.open(QIODevice::WriteOnly));
    gif.write(tinyFrameGif(12));
    gif.close();
    ImportOptions options{path("many.gif"), ImportRegion::Full, kDefaultThreshold, 48};
    options.maxPages = 5;
    const ImportResult cut = importPictureFile(options);
    ASSERT_TRUE(cut.loaded) << cut.error.toStdString();
    EXPECT_EQ(cut.pages.size(), 5u);
    EXPECT_EQ(cut.delays.size(), 5u);
    EXPECT_TRUE(cut.notice.contains("12 frames")) << cut.notice.toStdString();
    EXPECT_TRUE(cut.notice.contains("first 5")) << cut.notice.toStdString();

    options.maxPages = 12;
    const ImportResult whole = importPictureFile(options);
    EXPECT_EQ(whole.pages.size(), 12u);
    EXPECT_TRUE(whole.notice.isEmpty());
    EXPECT_EQ(std::vector<DotPage>(whole.pages.begin(), whole.pages.begin() + 5), cut.pages);

    options.maxPages = 0; // the memory limit: far above a small file
    EXPECT_EQ(importPictureFile(options).pages.size(), 12u);
}

TEST_F(PictureImportTest, UnreadableFileGivesOneDarkPageAndSaysWhy)
{
    writeFile(QStringLiteral("junk.gif"), "GIF89a not really");
    for (const QString &file : {path(QStringLiteral("junk.gif")), path(QStringLiteral("missing.crs"))}) {
        const ImportResult r = run(file, 48);
        EXPECT_FALSE(r.loaded);
        EXPECT_FALSE(r.error.isEmpty());
        ASSERT_EQ(r.pages.size(), 1u);
        EXPECT_EQ(r.pages.front(), DotPage::crossMask(48));
        EXPECT_EQ(r.delays.front(), 200);
    }
}

TEST_F(PictureImportTest, ProgressAndCancel)
{
    const QString file = writeCrs(QStringLiteral("three.crs"), 48,
                                  {uniformPage(48, 1, 200), uniformPage(48, 2, 200), uniformPage(48, 3, 200)});
    std::vector<std::pair<int, int>> steps;
    importPictureFile({file, ImportRegion::Full, 64, 48}, nullptr,
                      [&steps](int done, int total) { steps.push_back({done, total}); });
    EXPECT_EQ(steps, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));

    std::atomic_bool cancel{true};
    const ImportResult stopped = importPictureFile({file, ImportRegion::Full, 64, 48}, &cancel);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_TRUE(stopped.pages.empty());
}

TEST_F(PictureImportTest, WorkerHandsOverItsResult)
{
    const QString file = writeCrs(QStringLiteral("two.crs"), 48, {uniformPage(48, 4, 300), uniformPage(48, 6, 300)});
    ImportWorker worker;
    std::atomic_int progressCalls{0};
    std::atomic_int finishedCalls{0};
    QObject::connect(&worker, &ImportWorker::progress, &worker, [&](int, int) { ++progressCalls; },
                     Qt::DirectConnection);
    QObject::connect(&worker, &ImportWorker::finished, &worker, [&] { ++finishedCalls; }, Qt::DirectConnection);
    ASSERT_TRUE(worker.start({file, ImportRegion::Full, 64, 48}));
    ImportResult r = worker.takeResult();
    EXPECT_FALSE(worker.isRunning());
    EXPECT_EQ(progressCalls.load(), 2);
    EXPECT_EQ(finishedCalls.load(), 1);
    ASSERT_EQ(r.pages.size(), 2u);

    AnimationStore store(48);
    store.newAnimation();
    ASSERT_TRUE(store.replacePages(std::move(r.pages), std::move(r.delays)));
    EXPECT_EQ(store.pageCount(), 2);
    EXPECT_EQ(store.delays(), (std::vector<int>{300, 300}));
    EXPECT_EQ(store.workingPage().colourAt(20 + 20 * 48), kColourBitBlue);

}

// A cancel during a long import ends it before its next frame: the result is
// marked cancelled, holds only the frame done before the cancel, and the open
// animation keeps its own pages.
TEST_F(PictureImportTest, CancelledImportLeavesTheAnimationAlone)
{
    std::vector<CrsPage> pages;
    for (int i = 0; i < 20; ++i)
        pages.push_back(uniformPage(48, 1 + i % 7, 100));
    const QString file = writeCrs(QStringLiteral("long.crs"), 48, pages);
    AnimationStore store(48);
    store.newAnimation();
    const int pagesBefore = store.pageCount();
    const std::vector<int> delaysBefore = store.delays();

    ImportWorker worker;
    std::atomic_int progressCalls{0};
    QObject::connect(&worker, &ImportWorker::progress, &worker,
                     [&](int, int) {
                         ++progressCalls;
                         worker.cancel();
                     },
                     Qt::DirectConnection);
    ASSERT_TRUE(worker.start({file, ImportRegion::Full, 64, 48}));
    ImportResult r = worker.takeResult();
    EXPECT_FALSE(worker.isRunning());
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(progressCalls.load(), 1);
    EXPECT_EQ(r.pages.size(), 1u);
    EXPECT_EQ(store.pageCount(), pagesBefore);
    EXPECT_EQ(store.delays(), delaysBefore);

    // Closing the dialog in the middle of a conversion: stop and wait.
    ASSERT_TRUE(worker.start({file, ImportRegion::Full, 64, 48}));
    worker.cancelAndWait();
    EXPECT_FALSE(worker.isRunning());
}

TEST_F(PictureImportTest, OpenAnimationReplacesThePagesUnlessCancelled)
{
    const QString file = writeCrs(QStringLiteral("two.crs"), 48, {uniformPage(48, 1, 300), uniformPage(48, 2, 500)});
    AnimationStore store(48);
    store.newAnimation();
    store.addPage();
    store.setDocumentPath(QStringLiteral("old.crs"));

    std::atomic_bool cancel{true};
    EXPECT_FALSE(openAnimation(store, importPictureFile({file, ImportRegion::Full, 64, 48}, &cancel)));
    EXPECT_EQ(store.pageCount(), 2);
    EXPECT_EQ(store.documentPath(), QStringLiteral("old.crs"));

    ASSERT_TRUE(openAnimation(store, importPictureFile({file, ImportRegion::Full, 64, 48})));
    EXPECT_EQ(store.delays(), (std::vector<int>{300, 500}));
    EXPECT_EQ(store.page(2).colourAt(24 + 24 * 48), 2);
    EXPECT_TRUE(store.documentPath().isEmpty());
    EXPECT_TRUE(store.isModified());

    const common::Status bad = openAnimation(store, importPictureFile({path(QStringLiteral("none.gif"))}));
    EXPECT_FALSE(bad);
    EXPECT_FALSE(bad.message.isEmpty());
    EXPECT_EQ(store.pageCount(), 1);  // the one dark page the editor shows
}
