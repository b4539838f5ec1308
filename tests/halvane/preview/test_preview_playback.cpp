#include "halvane/preview/dot_grid.h"
#include "halvane/preview/preview_playback.h"

#include "tests/common/bounded_wait.h"
#include "tests/halvane/preview/virtual_clock.h"

#include <gtest/gtest.h>

#include <mutex>
#include <thread>

using namespace halvane::preview;
using halvane::preview::testing::VirtualClock;

namespace {

QImage canvasOf(QRgb colour)
{
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

struct Collected {
    std::mutex mutex;
    std::vector<QImage> pictures;
    QStringList messages;
    size_t pictureCount()
    {
        std::lock_guard lock(mutex);
        return pictures.size();
    }
};

} // namespace

TEST(PreviewPlayback, ClosingWhilePlayingTakesOneRequestToStopAndASecondToClose)
{
    VirtualClock clock;
    Collected got;
    PreviewPlayback playback(clock, 5, [&](const QImage &p) {
        std::lock_guard lock(got.mutex);
        got.pictures.push_back(p);
    }, {});
    playback.start([](StepSink &sink) {
        const QImage green = canvasOf(0xFF00FF00u);
        while (sink.show(green, 100)) {
        }
        return false;
    });
    ASSERT_TRUE(test_support::waitUntil([&] { return got.pictureCount() > 0; }));
    EXPECT_TRUE(playback.isRunning());
    EXPECT_FALSE(playback.requestClose());
    playback.wait();
    EXPECT_FALSE(playback.isRunning());
    EXPECT_TRUE(playback.isFinished());
    EXPECT_TRUE(playback.requestClose());
    // Every step arrived as the dialog's dot-grid picture.
    std::lock_guard lock(got.mutex);
    EXPECT_EQ(got.pictures.front().size(), QSize(240, 240));
    EXPECT_EQ(got.pictures.front().pixel(1, 81), 0xFF00FF00u);
    EXPECT_EQ(got.pictures.front().pixel(0, 80), kGridGrey);
}

TEST(PreviewPlayback, ALoopThatEndsByItselfFinishesAndPassesItsMessagesOn)
{
    VirtualClock clock;
    Collected got;
    PreviewPlayback playback(
        clock, 3,
        [&](const QImage &p) {
            std::lock_guard lock(got.mutex);
            got.pictures.push_back(p);
        },
        [&](const QString &m) {
            std::lock_guard lock(got.mutex);
            got.messages << m;
        });
    playback.start([](StepSink &sink) {
        sink.message(QStringLiteral("first entry gone"));
        return sink.show(canvasOf(0xFF000000u), 250) && sink.show(canvasOf(0xFF00FF00u), 250);
    });
    playback.wait();
    EXPECT_TRUE(playback.isFinished());
    EXPECT_EQ(clock.totalMs(), 500);
    EXPECT_EQ(got.messages, QStringList{QStringLiteral("first entry gone")});
    ASSERT_EQ(got.pictures.size(), 2u);
    EXPECT_EQ(got.pictures[1].size(), QSize(144, 144));
    EXPECT_TRUE(playback.requestClose());
}


TEST(PreviewPlayback, ACloseBeforeTheStartClosesAtOnceAndStartsNothing)
{
    VirtualClock clock;
    std::atomic<bool> ran{false};
    PreviewPlayback playback(clock, 5, {}, {});
    EXPECT_TRUE(playback.requestClose());
    playback.start([&](StepSink &) { return ran = true; });
    playback.wait();
    EXPECT_FALSE(ran);
}
