// CPU share of the fifteen play list thumbnails: the workers play a full
// group for ten seconds of real time while the process's CPU time is
// measured. They must not keep a core busy (aim: under 10 % of one core).

#include "bench/bench_support.h"
#include "bench/gui_benchmark_main.h"
#include "dravelle/document/crs_writer.h"
#include "halvane/preview/thumbnail_loops.h"
#include "halvane/preview/thumbnail_workers.h"
#include "halvane/project/play_project_records.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <thread>

using namespace halvane::preview;
using halvane::project::AnimationEntry;
using halvane::project::PlayListEntry;

namespace {

constexpr int kSide = 48;

// Fifteen entries: animations at speed `speed` (or their own 100 ms delays
// at 8) with outlines, the four data messages and three texts over back
// animations.
PreviewContext benchContext(const QTemporaryDir &dir, int speed)
{
    PreviewContext context;
    context.geometry = common::CrossGeometry{kSide, 0};
    context.fontNames = {QStringLiteral("Liberation Sans")};
    context.library = halvane::project::AnimationLibrary(dir.filePath(QStringLiteral("animations")));
    context.project = halvane::project::defaultProjectData(0);
    context.now = QDateTime::currentDateTime();
    QDir().mkpath(context.library.folder());
    writeRunningDotAnimation(context.library.filePath(QStringLiteral("back.crs")), kSide, 100);
    for (int i = 0; i < 8; ++i) {
        const QString name = QStringLiteral("a%1.crs").arg(i);
        writeRunningDotAnimation(context.library.filePath(name), kSide, 100);
        AnimationEntry entry = halvane::project::defaultAnimationEntry(name);
        entry.speed = speed;
        entry.frameStyle = 1 + i % 6;
        context.project.animations.push_back(entry);
        context.project.playList.push_back(PlayListEntry{name});
    }
    for (const char *item : halvane::project::kItemKeywords)
        context.project.playList.push_back(PlayListEntry{QString::fromLatin1(item)});
    for (auto &item : context.project.items)
        item.backAnimation = QStringLiteral("back.crs");
    for (int t = 0; t < 3; ++t) {
        context.project.texts[size_t(t)].text = QStringLiteral("Open every day");
        context.project.texts[size_t(t)].backAnimation = QStringLiteral("back.crs");
        context.project.playList.push_back(PlayListEntry{QString::fromLatin1(halvane::project::kTextKeywords[size_t(t)])});
    }
    return context;
}

void fifteenThumbnails(benchmark::State &state)
{
    QTemporaryDir dir;
    const PreviewContext context = benchContext(dir, int(state.range(0)));
    std::atomic<long long> images{0};
    for (auto _ : state) {
        ThumbnailWorkers workers([&](int, const QImage &) { ++images; }, common::systemClock());
        const auto wallStart = std::chrono::steady_clock::now();
        const double cpuStart = processCpuSeconds();
        workers.start(thumbnailLoops(context, 0));
        std::this_thread::sleep_for(std::chrono::seconds(10));
        workers.stopAndWait();
        const double cpu = processCpuSeconds() - cpuStart;
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        state.counters["cpu_share_%"] = 100.0 * cpu / wall;
        state.counters["images/s"] = double(images) / wall;
    }
}
// Speed 8 plays the files' own 100 ms delays; speed 1 steps every 20 ms,
// the busiest an animation thumbnail can be.
BENCHMARK(fifteenThumbnails)->Arg(8)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
