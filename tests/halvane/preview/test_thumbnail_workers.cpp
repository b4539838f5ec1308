#include "halvane/preview/thumbnail_workers.h"

#include "tests/common/bounded_wait.h"
#include "tests/halvane/preview/virtual_clock.h"

#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <thread>

using namespace halvane::preview;
using halvane::preview::testing::VirtualClock;

namespace {

constexpr QRgb kGreen = 0xFF00FF00u;
constexpr QRgb kBlack = 0xFF000000u;

QImage canvasOf(QRgb colour)
{
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Collects what the workers hand out, per box.
struct Received {
    std::mutex mutex;
    std::map<int, std::vector<QImage>> images;

    ThumbnailWorkers::ImageHandler handler()
    {
        return [this](int box, const QImage &image) {
            std::lock_guard lock(mutex);
            images[box].push_back(image);
        };
    }
    std::vector<QImage> of(int box)
    {
        std::lock_guard lock(mutex);
        return images[box];
    }
};

// A loop that shows green 100 ms steps until it is stopped, counting them.
PreviewLoop endlessGreen(std::atomic<int> *steps = nullptr)
{
    return [steps](StepSink &sink) {
        const QImage green = canvasOf(kGreen);
        for (;;) {
            if (steps)
                ++*steps;
            if (!sink.show(green, 100))
                return false;
        }
    };
}

// Every wait on a worker is bounded: a worker that never goes idle fails the
// test instead of hanging it.
void waitUntil(const std::function<bool()> &condition)
{
    ASSERT_TRUE(test_support::waitUntil(condition)) << "timed out waiting for the workers";
}

} // namespace

TEST(ThumbnailWorkers, WorkersBeginFiftyMillisecondsApart)
{
    VirtualClock clock;
    Received got;
    std::mutex mutex;
    std::map<int, long long> firstStepAt;
    std::vector<PreviewLoop> loops;
    for (int box = 0; box < 3; ++box)
        loops.push_back([&, box](StepSink &sink) {
            {
                std::lock_guard lock(mutex);
                firstStepAt[box] = VirtualClock::threadTotal();
            }
            return sink.show(canvasOf(kGreen), 100);
        });
    ThumbnailWorkers workers(got.handler(), clock);
    workers.start(loops);
    waitUntil([&] { return workers.allIdle(); });
    EXPECT_EQ(firstStepAt, (std::map<int, long long>{{0, 0}, {1, 50}, {2, 100}}));
}

TEST(ThumbnailWorkers, StopEndsEveryLoopWithinOneStep)
{
    VirtualClock clock;
    Received got;
    ThumbnailWorkers workers(got.handler(), clock);
    std::atomic<int> shownAfterStop{0};
    std::atomic<bool> sawFalse{false};
    // The loop raises the stop flag itself at its fifth step: that step's
    // show() must already answer false, and no further step may be shown.
    auto selfStopping = [&](StepSink &sink) {
        const QImage green = canvasOf(kGreen);
        for (int step = 0;; ++step) {
            if (step == 4)
                workers.requestStop();
            if (sawFalse)
                ++shownAfterStop;
            if (!sink.show(green, 1000)) {
                sawFalse = true;
                return false;
            }
        }
    };
    workers.start({selfStopping});
    waitUntil([&] { return workers.allIdle(); });
    EXPECT_TRUE(sawFalse);
    EXPECT_EQ(shownAfterStop, 0);
}

TEST(ThumbnailWorkers, RefreshWaitsForAllBeforeStartingAgain)
{
    VirtualClock clock;
    Received got;
    ThumbnailWorkers workers(got.handler(), clock);
    std::array<std::atomic<int>, 15> active{};
    std::atomic<int> overlaps{0};
    auto counted = [&](int box, QRgb colour) -> PreviewLoop {
        return [&, box, colour](StepSink &sink) {
            if (++active[size_t(box)] > 1)
                ++overlaps;
            const QImage canvas = canvasOf(colour);
            bool going = true;
            while (going)
                going = sink.show(canvas, 100);
            --active[size_t(box)];
            return false;
        };
    };
    std::vector<PreviewLoop> first, second;
    for (int box = 0; box < 15; ++box) {
        first.push_back(counted(box, kGreen));
        second.push_back(counted(box, 0xFFFFFFFFu));
    }
    auto lastOf14 = [&](QRgb colour) {
        waitUntil([&] {
            const auto images = got.of(14);
            return !images.empty() && images.back().pixel(0, 0) == colour;
        });
    };
    workers.start(first);
    lastOf14(kGreen);
    workers.refresh(second);
    lastOf14(0xFFFFFFFFu);
    workers.refresh(first);
    lastOf14(kGreen);
    workers.stopAndWait();
    EXPECT_EQ(overlaps, 0);
    EXPECT_EQ(got.of(14).size(), 3u);
}

TEST(ThumbnailWorkers, AOneShotLoopGoesIdleAndALoopThatShowsNothingLeavesBlack)
{
    VirtualClock clock;
    Received got;
    ThumbnailWorkers workers(got.handler(), clock);
    PreviewLoop once = [](StepSink &sink) { return sink.show(canvasOf(kGreen), 80); };
    PreviewLoop nothing = [](StepSink &sink) {
        sink.message(QStringLiteral("ignored by thumbnails"));
        return true;
    };
    workers.start({once, nothing, endlessGreen()});
    waitUntil([&] { return workers.isIdle(0) && workers.isIdle(1); });
    EXPECT_FALSE(workers.isIdle(2));
    ASSERT_EQ(got.of(0).size(), 1u);
    EXPECT_EQ(got.of(0)[0].pixel(5, 16), kGreen);
    ASSERT_EQ(got.of(1).size(), 1u);
    EXPECT_EQ(got.of(1)[0].pixel(5, 16), kBlack);
    workers.stopAndWait();
}

TEST(ThumbnailWorkers, ChangedCanvasesAreHandedOnAgain)
{
    VirtualClock clock;
    Received got;
    ThumbnailWorkers workers(got.handler(), clock);
    PreviewLoop blinking = [](StepSink &sink) {
        QImage canvas = canvasOf(kBlack);
        for (int step = 0; step < 6; ++step) {
            if (step % 3 == 0)
                canvas.fill(step % 2 ? kGreen : kBlack); // steps 0 and 3 change it
            if (!sink.show(canvas, 100))
                return false;
        }
        return true;
    };
    workers.start({blinking});
    waitUntil([&] { return workers.allIdle(); });
    const auto images = got.of(0);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].pixel(0, 0), kBlack);
    EXPECT_EQ(images[1].pixel(0, 0), kGreen);
}

TEST(ThumbnailWorkers, AStopCutsALongStepShort)
{
    VirtualClock clock;
    Received got;
    ThumbnailWorkers workers(got.handler(), clock);
    std::atomic<long long> slept{-1};
    std::atomic<bool> answered{true};
    // A GIF frame of 655 s: the stop must not wait for its end.
    workers.start({[&](StepSink &sink) {
        answered = sink.show(canvasOf(kGreen), 655350);
        slept = VirtualClock::threadTotal();
        return false;
    }});
    waitUntil([&] { return !got.of(0).empty(); });
    workers.stopAndWait();
    EXPECT_FALSE(answered);
    EXPECT_LT(slept, 655350);
}
