#include "halvane/encode/text_strips.h"
#include "halvane/preview/message_pictures.h"
#include "halvane/preview/outline.h"
#include "halvane/preview/thumbnail_loops.h"
#include "halvane/preview/thumbnail_workers.h"

#include "tests/common/bounded_wait.h"
#include "tests/common/gui_application.h"
#include "tests/halvane/preview/preview_fixture.h"
#include "tests/halvane/preview/virtual_clock.h"

#include <map>
#include <mutex>

using namespace halvane::preview;
using namespace halvane::preview::testing;
using halvane::project::PlayListEntry;

TEST_F(PreviewTest, ThumbnailLoopsCoverTheShownGroupOnly)
{
    for (int i = 0; i < 17; ++i)
        context.project.playList.push_back(PlayListEntry{QStringLiteral("Hour")});
    EXPECT_EQ(thumbnailLoops(context, 0).size(), 15u);
    EXPECT_EQ(thumbnailLoops(context, 1).size(), 2u);
    EXPECT_EQ(thumbnailLoops(context, 2).size(), 0u);
}

TEST_F(PreviewTest, AnimationThumbnailLoopsForeverInGreen)
{
    writeCrs(QStringLiteral("rain.crs"), 3, 200);
    addAnimation(QStringLiteral("rain.crs"), 1, 2, kStyleOneDot);
    RecordingSink sink(7);
    EXPECT_FALSE(thumbnailLoop(context, QStringLiteral("rain.crs"), sink));
    ASSERT_EQ(sink.steps.size(), 7u);
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(sink.steps[i].ms, 40);
        EXPECT_EQ(sink.steps[i].canvas.pixel(20 + int(i % 3), 5), kGreen) << i; // red turned green
        EXPECT_EQ(sink.steps[i].canvas.pixel(0, 20), kGreen);
    }
}

TEST_F(PreviewTest, PictureThumbnailRepeatsThePicture)
{
    writeBmp(QStringLiteral("sun.bmp"));
    addAnimation(QStringLiteral("sun.bmp"), 1, 7, kStyleFlashTwoDots);
    RecordingSink sink(16);
    EXPECT_FALSE(thumbnailLoop(context, QStringLiteral("sun.bmp"), sink));
    ASSERT_EQ(sink.steps.size(), 16u);
    EXPECT_EQ(sink.steps[0].ms, 140);
    EXPECT_EQ(sink.steps[15].canvas.pixel(20, 20), kGreen);
    // 140 ms steps: the eighth step begins after 1120 ms, in second 1.
    EXPECT_EQ(sink.steps[7].canvas.pixel(1, 20), kGreen);
    EXPECT_EQ(sink.steps[8].canvas.pixel(1, 20), kBlack);
}

TEST_F(PreviewTest, MessageThumbnailRestartsItsBackAnimationEachPassInItsOwnColours)
{
    writeCrs(QStringLiteral("b.crs"), 3, 200);
    context.project.items[0].time = 1; // passes of 20 steps
    context.project.items[0].backAnimation = QStringLiteral("b.crs");
    RecordingSink sink(22);
    thumbnailLoop(context, QStringLiteral("Hour"), sink);
    ASSERT_EQ(sink.steps.size(), 22u);
    EXPECT_EQ(sink.steps[19].canvas.pixel(21, 5), kRed); // step 19: frame 1
    EXPECT_EQ(sink.steps[20].canvas.pixel(20, 5), kRed); // a new pass: frame 0
    EXPECT_EQ(sink.steps[21].canvas.pixel(21, 5), kRed);
    EXPECT_EQ(sink.steps[20].ms, 200);
}

TEST_F(PreviewTest, MessageThumbnailPlacesTheCentredCaptionInsideTheOutline)
{
    context.project.items[2].frameStyle = kStyleOneDot;
    RecordingSink sink(12);
    thumbnailLoop(context, QStringLiteral("Temperature"), sink);
    ASSERT_EQ(sink.steps.size(), 12u);
    const QImage caption =
        halvane::encode::renderCaption(halvane::project::EntryKind::Temperature, context.geometry, context.now);
    const QImage &canvas = sink.steps[0].canvas;
    for (int y = 1; y < 15; ++y)
        for (int x = 1; x < 47; ++x)
            ASSERT_EQ(canvas.pixel(x, 16 + y) | 0xFF000000u, caption.pixel(x, y) | 0xFF000000u) << x << "," << y;
    EXPECT_EQ(canvas.pixel(0, 20), kGreen);
    EXPECT_EQ(sink.steps[0].ms, 100);
    // Within a second the canvas stays the very same picture.
    EXPECT_EQ(sink.steps[9].canvas, canvas);
}

TEST_F(PreviewTest, MessageThumbnailWithoutTimeStillWaitsBetweenSteps)
{
    context.project.items[1].time = 0;
    RecordingSink sink(5);
    EXPECT_FALSE(thumbnailLoop(context, QStringLiteral("Date"), sink));
    EXPECT_EQ(sink.totalMs(), 500);
}

TEST_F(PreviewTest, TextThumbnailWithoutBackIsShownOnceInsideTheFrameDots)
{
    context.geometry.harnessFrameDots = 3;
    context.project.texts[0].text = QStringLiteral("WWW");
    context.project.texts[0].speed = 6;
    RecordingSink sink;
    EXPECT_TRUE(thumbnailLoop(context, QStringLiteral("Text1"), sink));
    ASSERT_EQ(sink.steps.size(), 1u);
    EXPECT_EQ(sink.steps[0].ms, 120);
    const QImage strip = halvane::encode::renderThumbnailStrip(context.project.texts[0],
                                                               context.fontNames, context.geometry);
    const QImage &canvas = sink.steps[0].canvas;
    bool lit = false;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            const bool inside = x >= 3 && x < 45 && y >= 19 && y < 29;
            const QRgb expected = inside ? strip.pixel(x - 3, y - 19) | 0xFF000000u : kBlack;
            ASSERT_EQ(canvas.pixel(x, y) | 0xFF000000u, expected) << x << "," << y;
            lit = lit || (inside && expected != kBlack);
        }
    EXPECT_TRUE(lit);
}

TEST_F(PreviewTest, TextThumbnailRendersBackFramesOnWholeTenthsOfTheirDelays)
{
    writeCrs(QStringLiteral("b.crs"), 3, 150); // sums 150, 300, 450: only frame 1 is drawn
    context.project.texts[1].backAnimation = QStringLiteral("b.crs");
    RecordingSink sink(6);
    EXPECT_FALSE(thumbnailLoop(context, QStringLiteral("Text2"), sink));
    ASSERT_EQ(sink.steps.size(), 6u);
    EXPECT_FALSE(sink.lit(0, 20, 5));
    EXPECT_FALSE(sink.lit(0, 21, 5));
    for (size_t i = 1; i < 6; ++i) {
        EXPECT_TRUE(sink.lit(i, 21, 5)) << i;
        EXPECT_FALSE(sink.lit(i, 20, 5)) << i;
        EXPECT_EQ(sink.steps[i].ms, 150);
    }

    writeCrs(QStringLiteral("one.crs"), 1, 150);
    context.project.texts[1].backAnimation = QStringLiteral("one.crs");
    RecordingSink still(4);
    EXPECT_FALSE(thumbnailLoop(context, QStringLiteral("Text2"), still));
    EXPECT_EQ(still.steps.size(), 4u);
    EXPECT_TRUE(still.lit(3, 20, 5));
}

TEST_F(PreviewTest, ThumbnailOfAMissingFileOrUnknownNameShowsNothing)
{
    addAnimation(QStringLiteral("gone.crs"), 1, 4, kStyleNone);
    for (const char *name : {"gone.crs", "unlisted.crs", "notes.txt"}) {
        RecordingSink sink;
        EXPECT_TRUE(thumbnailLoop(context, QString::fromLatin1(name), sink)) << name;
        EXPECT_TRUE(sink.steps.empty()) << name;
    }
}

TEST_F(PreviewTest, AGroupOfFourEntriesKeepsBoxesFiveToFifteenBlack)
{
    writeCrs(QStringLiteral("rain.crs"), 3, 200);
    addAnimation(QStringLiteral("rain.crs"), 1, 4, kStyleTwoDots);
    context.project.texts[0].text = QStringLiteral("Open");
    context.project.playList = {PlayListEntry{QStringLiteral("rain.crs")}, PlayListEntry{QStringLiteral("Hour")},
                                PlayListEntry{QStringLiteral("Text1")}, PlayListEntry{QStringLiteral("Humidity")}};
    VirtualClock clock;
    std::mutex mutex;
    std::map<int, QImage> latest;
    ThumbnailWorkers workers(
        [&](int box, const QImage &image) {
            std::lock_guard lock(mutex);
            latest[box] = image;
        },
        clock);
    workers.start(thumbnailLoops(context, 0));
    EXPECT_FALSE(workers.isIdle(0)); // busy from the start, before its thread runs
    for (int box = 4; box < 15; ++box)
        EXPECT_TRUE(workers.isIdle(box)) << box; // no worker at all
    EXPECT_TRUE(test_support::waitUntil([&] {
        std::lock_guard lock(mutex);
        return latest.size() == 15;
    }));
    workers.stopAndWait();
    std::lock_guard lock(mutex);
    for (int box = 0; box < 15; ++box) {
        bool lit = false;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                lit = lit || (latest[box].pixel(x, y) & 0x00FFFFFFu) != 0;
        EXPECT_EQ(lit, box < 4) << box;
    }
}
