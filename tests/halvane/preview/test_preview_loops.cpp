#include "halvane/encode/text_font.h"
#include "halvane/preview/message_pictures.h"
#include "halvane/preview/outline.h"
#include "halvane/preview/preview_loops.h"

#include "tests/common/gui_application.h"
#include "tests/halvane/preview/preview_fixture.h"

#include <climits>

using namespace halvane::preview;
using namespace halvane::preview::testing;
using halvane::project::PlayListEntry;

namespace {

bool bandDark(const QImage &canvas, int fromRow, int toRow)
{
    for (int y = fromRow; y <= toRow; ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if ((canvas.pixel(x, y) & 0x00FFFFFFu) != 0)
                return false;
    return true;
}

int firstLitColumn(const QImage &image)
{
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if ((image.pixel(x, y) & 0x00FFFFFFu) != 0)
                return x;
    return -1;
}

} // namespace

TEST(MessageDuration, TimeIsMadeEvenAndNeverOverflows)
{
    EXPECT_EQ(messageDurationMs(3), 4000);
    EXPECT_EQ(messageDurationMs(4), 4000);
    EXPECT_EQ(messageDurationMs(1), 2000);
    EXPECT_EQ(messageDurationMs(0), 0);
    EXPECT_EQ(messageDurationMs(-3), 0);
    EXPECT_EQ(messageDurationMs(INT_MAX), 2147483648000LL);
}

TEST(PreviewKinds, NamesChooseTheirPreview)
{
    EXPECT_EQ(previewKindForName("Text2"), PreviewKind::Text2);
    EXPECT_EQ(previewKindForName("Hour"), PreviewKind::Hour);
    EXPECT_EQ(previewKindForName("Humidity"), PreviewKind::Humidity);
    EXPECT_EQ(previewKindForName("rain.CRS"), PreviewKind::Animation);
    EXPECT_EQ(previewKindForName("sun.BMP"), PreviewKind::Picture);
    EXPECT_EQ(previewKindForName("hour"), std::nullopt);
    EXPECT_EQ(previewKindForName("notes.txt"), std::nullopt);
}

TEST_F(PreviewTest, HourRunsForItsTimeMadeEvenInStepsOf100Ms)
{
    for (int time : {3, 4}) {
        context.project.items[0].time = time;
        RecordingSink sink;
        EXPECT_TRUE(runPreview(context, PreviewKind::Hour, {}, sink));
        EXPECT_EQ(sink.steps.size(), 40u) << time;
        EXPECT_EQ(sink.totalMs(), 4000) << time;
        EXPECT_EQ(sink.steps.back().ms, 100);
    }
    context.project.items[3].time = 0;
    RecordingSink none;
    EXPECT_TRUE(runPreview(context, PreviewKind::Humidity, {}, none));
    EXPECT_TRUE(none.steps.empty());
}

TEST_F(PreviewTest, CaptionWindowSitsInsideTheOutline)
{
    context.geometry.harnessFrameDots = 1;
    context.project.items[0].frameStyle = kStyleTwoDots;
    RecordingSink sink;
    runPreview(context, PreviewKind::Hour, {}, sink);
    ASSERT_FALSE(sink.steps.empty());
    const QImage &canvas = sink.steps[0].canvas;

    // The caption strip: "09:05" drawn at S - 2fd = 46, the window from (cw + S) / 2.
    const QFont font = halvane::encode::engineFont(halvane::encode::captionFont(context.geometry));
    const int cw = halvane::encode::measureText(font, QStringLiteral("09:05"));
    QImage alone = QImage(cw, 16, QImage::Format_RGB32);
    alone.fill(Qt::black);
    halvane::encode::drawTextLine(alone, font, QStringLiteral("09:05"), 0, 0);
    const CaptionStrip strip = renderCaptionStrip(halvane::project::EntryKind::Hour, context.geometry,
                                                  context.now);
    EXPECT_EQ(strip.image.size(), QSize(cw + 96, 16));
    EXPECT_EQ(strip.windowStart, (cw + 48) / 2);
    EXPECT_EQ(firstLitColumn(strip.image), 46 + firstLitColumn(alone));

    // Window (windowStart + 2, 2) .. 44 x 12 at column 2, row 18; the outline around it.
    for (int y = 2; y < 14; ++y)
        for (int x = 2; x < 46; ++x)
            ASSERT_EQ(canvas.pixel(x, 16 + y) | 0xFF000000u,
                      strip.image.pixel(strip.windowStart + x, y) | 0xFF000000u)
                << x << "," << y;
    EXPECT_EQ(canvas.pixel(0, 20), kGreen);
    EXPECT_EQ(canvas.pixel(1, 20), kGreen);
    EXPECT_EQ(canvas.pixel(47, 30), kGreen);
    EXPECT_FALSE(bandDark(canvas, 18, 29));
}

TEST_F(PreviewTest, FlashingHourRedrawsAtEachSecond)
{
    context.project.items[0].time = 2;
    context.project.items[0].frameStyle = kStyleFlashOneDot;
    RecordingSink sink;
    runPreview(context, PreviewKind::Hour, {}, sink);
    ASSERT_EQ(sink.steps.size(), 20u);
    for (size_t i = 0; i < 20; ++i)
        EXPECT_EQ(sink.steps[i].canvas.pixel(0, 20), i < 10 ? kGreen : kBlack) << i;
    EXPECT_EQ(sink.steps[3].canvas, sink.steps[0].canvas);
}

TEST_F(PreviewTest, DataMessageStepsThroughItsBackAnimationWithTheFramesOwnDelays)
{
    writeCrs(QStringLiteral("b.crs"), 3, 200);
    context.project.items[3].time = 1;
    context.project.items[3].backAnimation = QStringLiteral("b.crs");
    RecordingSink sink;
    runPreview(context, PreviewKind::Humidity, {}, sink);
    ASSERT_EQ(sink.steps.size(), 20u); // elapsed grows by 100 per step
    EXPECT_EQ(sink.totalMs(), 4000);  // while each step shows its frame 200 ms
    for (size_t i = 0; i < 20; ++i) {
        EXPECT_EQ(sink.steps[i].canvas.pixel(20 + int(i % 3), 5), kRed) << i;
        EXPECT_EQ(sink.steps[i].canvas.pixel(20 + int((i + 1) % 3), 5), kBlack) << i;
    }
}

TEST_F(PreviewTest, EmptyTextTakesSPlusThreeSteps)
{
    context.project.texts[0].speed = 5;
    RecordingSink sink;
    runPreview(context, PreviewKind::Text1, {}, sink);
    EXPECT_EQ(sink.steps.size(), 51u);
    EXPECT_EQ(sink.steps[0].ms, 100);
    context.geometry.side = 64;
    RecordingSink large;
    runPreview(context, PreviewKind::Text1, {}, large);
    EXPECT_EQ(large.steps.size(), 67u);
}

TEST_F(PreviewTest, TextScrollsInFromTheRightAndOutToTheLeftInsideTheFrameDots)
{
    context.geometry.harnessFrameDots = 2;
    halvane::project::TextSettings &text = context.project.texts[1];
    text.text = QStringLiteral("Hi");
    text.font = 0;
    text.speed = 3;
    text.offset = 0;
    const QFont font = halvane::encode::engineFont(
        halvane::encode::textFont(text, context.fontNames, context.geometry));
    const int w = halvane::encode::measureText(font, text.text);
    ASSERT_GT(w, 5);

    RecordingSink sink;
    runPreview(context, PreviewKind::Text2, {}, sink);
    ASSERT_EQ(int(sink.steps.size()), w + 48 + 3);
    EXPECT_EQ(sink.steps[0].ms, 60);
    EXPECT_TRUE(bandDark(sink.steps.front().canvas, 0, 47));
    EXPECT_TRUE(bandDark(sink.steps.back().canvas, 0, 47));
    bool litSomewhere = false;
    for (const auto &step : sink.steps) {
        litSomewhere = litSomewhere || !bandDark(step.canvas, 18, 29);
        ASSERT_TRUE(bandDark(step.canvas, 16, 17));
        ASSERT_TRUE(bandDark(step.canvas, 30, 31));
    }
    EXPECT_TRUE(litSomewhere);
    // One dot per step: a column lit at step i sits one column further left at i + 1.
    const int mid = (w + 51) / 2;
    for (int y = 18; y < 30; ++y)
        for (int x = 3; x < 45; ++x)
            ASSERT_EQ(sink.lit(size_t(mid), x, y), sink.lit(size_t(mid + 1), x - 1, y)) << x << "," << y;
}

TEST_F(PreviewTest, TextBackAnimationAdvancesOnlyOnWholeTenthsOfASecond)
{
    writeCrs(QStringLiteral("b.crs"), 3, 200);
    halvane::project::TextSettings &text = context.project.texts[2];
    text.speed = 3; // 60 ms: steps begin at 0, 60, 120, 180, 240, 300 ...
    text.backAnimation = QStringLiteral("b.crs");
    RecordingSink sink;
    runPreview(context, PreviewKind::Text3, {}, sink);
    ASSERT_GT(sink.steps.size(), 6u);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_TRUE(sink.lit(i, 20, 5)) << i; // frame 0 until 300 ms
    EXPECT_TRUE(sink.lit(5, 22, 5));          // then frame 5 mod 3 = 2
    EXPECT_FALSE(sink.lit(5, 20, 5));
}

TEST_F(PreviewTest, AnimationPlaysItsFramesLoopTimes)
{
    writeCrs(QStringLiteral("rain.crs"), 3, 200);
    addAnimation(QStringLiteral("rain.crs"), 2, 8, kStyleOneDot);
    RecordingSink own;
    EXPECT_TRUE(runPreview(context, PreviewKind::Animation, QStringLiteral("rain.crs"), own));
    ASSERT_EQ(own.steps.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(own.steps[i].ms, 200);
        EXPECT_EQ(own.steps[i].canvas.pixel(20 + int(i % 3), 5), kRed) << i;
        EXPECT_EQ(own.steps[i].canvas.pixel(0, 20), kGreen) << i;
    }
    context.project.animations[0].speed = 3;
    RecordingSink fixed;
    runPreview(context, PreviewKind::Animation, QStringLiteral("rain.crs"), fixed);
    ASSERT_EQ(fixed.steps.size(), 6u);
    EXPECT_EQ(fixed.steps[0].ms, 60);
}

TEST_F(PreviewTest, AnimationsWithoutSettingsShowNothing)
{
    writeCrs(QStringLiteral("rain.crs"), 3, 200);
    const std::tuple<int, int, int> settings[] = {{0, 4, 1}, {-1, 4, 1}, {1, -1, 1}, {1, 4, -1}};
    for (auto [loop, speed, style] : settings) {
        context.project.animations = {};
        addAnimation(QStringLiteral("rain.crs"), loop, speed, style);
        RecordingSink sink;
        EXPECT_TRUE(runPreview(context, PreviewKind::Animation, QStringLiteral("rain.crs"), sink));
        EXPECT_TRUE(sink.steps.empty()) << loop << " " << speed << " " << style;
    }
    RecordingSink unlisted;
    runPreview(context, PreviewKind::Animation, QStringLiteral("other.crs"), unlisted);
    EXPECT_TRUE(unlisted.steps.empty());
    EXPECT_TRUE(unlisted.messages.isEmpty());
}

TEST_F(PreviewTest, OneFrameAnimationAndPicturesShowLoopSteps)
{
    writeCrs(QStringLiteral("still.crs"), 1, 200);
    addAnimation(QStringLiteral("still.crs"), 3, 8, kStyleNone);
    RecordingSink still;
    runPreview(context, PreviewKind::Animation, QStringLiteral("still.crs"), still);
    ASSERT_EQ(still.steps.size(), 3u);
    EXPECT_EQ(still.steps[0].ms, 160);
    EXPECT_TRUE(still.lit(2, 20, 5));

    writeBmp(QStringLiteral("sun.bmp"));
    addAnimation(QStringLiteral("sun.bmp"), 3, 2, kStyleOneDot);
    RecordingSink picture;
    runPreview(context, PreviewKind::Picture, QStringLiteral("sun.bmp"), picture);
    ASSERT_EQ(picture.steps.size(), 3u);
    EXPECT_EQ(picture.steps[0].ms, 40);
    EXPECT_EQ(picture.steps[0].canvas.pixel(20, 20), qRgb(0, 0, 90));
    EXPECT_EQ(picture.steps[0].canvas.pixel(0, 20), kGreen);
}

TEST_F(PreviewTest, MissingFileGivesTheMessageAndEndsThatEntryOnly)
{
    addAnimation(QStringLiteral("gone.crs"), 1, 4, kStyleNone);
    context.project.items[0].time = 1;
    context.project.playList = {PlayListEntry{QStringLiteral("Hour")}, PlayListEntry{QStringLiteral("gone.crs")},
                                PlayListEntry{QStringLiteral("Text1")}, PlayListEntry{QStringLiteral("notes.txt")}};
    RecordingSink sink;
    EXPECT_TRUE(runPreview(context, PreviewKind::PlayList, {}, sink));
    EXPECT_EQ(sink.steps.size(), 20u + 51u);
    const QString path = context.library.filePath(QStringLiteral("gone.crs"));
    EXPECT_EQ(sink.messages,
              QStringList{"The file " + path + " not find!\nPlease:Copy this file to 'Animation'."});

    context.project.texts[0].backAnimation = QStringLiteral("gone.crs");
    RecordingSink back;
    EXPECT_TRUE(runPreview(context, PreviewKind::Text1, {}, back));
    EXPECT_TRUE(back.steps.empty());
    EXPECT_EQ(back.messages.size(), 1);
}

TEST_F(PreviewTest, AStopEndsEveryLoopAtOnce)
{
    writeCrs(QStringLiteral("rain.crs"), 3, 200);
    writeBmp(QStringLiteral("sun.bmp"));
    addAnimation(QStringLiteral("rain.crs"), 5, 4, kStyleMove);
    addAnimation(QStringLiteral("sun.bmp"), 5, 4, kStyleMove);
    context.project.items[1].backAnimation = QStringLiteral("rain.crs");
    context.project.playList = {PlayListEntry{QStringLiteral("Date")}, PlayListEntry{QStringLiteral("rain.crs")}};
    const std::pair<PreviewKind, QString> runs[] = {
        {PreviewKind::Text1, {}},       {PreviewKind::Date, {}},
        {PreviewKind::Temperature, {}}, {PreviewKind::Animation, QStringLiteral("rain.crs")},
        {PreviewKind::Picture, QStringLiteral("sun.bmp")}, {PreviewKind::PlayList, {}}};
    for (const auto &[kind, file] : runs) {
        RecordingSink sink(3);
        EXPECT_FALSE(runPreview(context, kind, file, sink)) << int(kind);
        EXPECT_EQ(sink.steps.size(), 3u) << int(kind);
    }
}
