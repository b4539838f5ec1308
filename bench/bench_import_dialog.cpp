// Importing a 300-frame 480 x 480 GIF through the import dialog's worker,
// with the progress bar updating: frames per second, and the longest time the
// user-interface thread went without handling its events (aim: the whole
// import under 2 s, the UI thread never blocked for more than 50 ms).

#include "bench/gui_benchmark_main.h"
#include "common/gif/gif_memory_encoder.h"
#include "dravelle/document/animation_store.h"
#include "dravelle/ui/animated_picture.h"
#include "dravelle/ui/import_dlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kFrames = 300;
constexpr int kSide = 480;

// Every frame full size with a 256-colour map: a moving diagonal pattern, so
// each frame differs from the one before, as in a real animation.
QByteArray encodeGif()
{
    QByteArray out;
    common::gif::GifMemoryEncoder encoder(&out);
    GifFileType *gif = encoder.get();
    std::vector<GifColorType> colours(256);
    for (int i = 0; i < 256; ++i)
        colours[std::size_t(i)] = {GifByteType(i), GifByteType(255 - i), GifByteType((i * 7) & 255)};
    ColorMapObject *map = GifMakeMapObject(256, colours.data());
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, kSide, kSide, 8, 0, map) == GIF_OK;
    GifFreeMapObject(map);
    std::vector<GifPixelType> line(kSide);
    for (int f = 0; ok && f < kFrames; ++f) {
        ok = encoder.putFrameHeader(2, 4, QRect(0, 0, kSide, kSide));
        for (int y = 0; ok && y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x)
                line[std::size_t(x)] = GifPixelType((x + y + 3 * f) & 255);
            ok = EGifPutLine(gif, line.data(), kSide) == GIF_OK;
        }
    }
    if (!encoder.close() || !ok)
        return {};
    return out;
}

bool writeGif(const QString &path)
{
    QFile file(path);
    const QByteArray bytes = encodeGif();
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void BM_ImportThroughTheDialog(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.gif"));
    if (!writeGif(path)) {
        state.SkipWithError("cannot write the GIF");
        return;
    }

    double longestGapMs = 0;
    double seconds = 0;
    for (auto _ : state) {
        dravelle::document::AnimationStore store(64);
        store.newAnimation();
        dravelle::ui::ImportDlg dialog(store, path);
        dialog.show();
        QPushButton *ok = nullptr;
        QPushButton *get = nullptr;
        for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
            if (button->text() == QLatin1String("OK"))
                ok = button;
            if (button->text() == QLatin1String("GetAnimations"))
                get = button;
        }
        // A fast timer measures how long the event loop was kept away.
        QElapsedTimer sinceTick;
        QTimer ticker;
        ticker.setInterval(5);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longestGapMs = std::max(longestGapMs, sinceTick.nsecsElapsed() / 1e6);
            sinceTick.restart();
        });
        QElapsedTimer run;
        run.start();
        // Argument 0: the picture stopped, to see what its playback costs.
        if (state.range(0) == 0)
            dialog.picture()->stop();
        get->click();
        sinceTick.start();
        ticker.start();
        while (!ok->isEnabled() && run.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        seconds = run.nsecsElapsed() / 1e9;
        ticker.stop();
        if (store.pageCount() != kFrames)
            state.SkipWithError("the import did not finish");
        state.SetIterationTime(seconds);
    }
    state.counters["frames_per_s"] = kFrames / seconds;
    state.counters["import_s"] = seconds;
    state.counters["longest_ui_gap_ms"] = longestGapMs;
}
BENCHMARK(BM_ImportThroughTheDialog)->Arg(1)->Arg(0)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// The same import without the dialog: the worker's own speed.
void BM_ImportWorkerAlone(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.gif"));
    if (!writeGif(path)) {
        state.SkipWithError("cannot write the GIF");
        return;
    }
    for (auto _ : state) {
        const auto result = dravelle::editor::importPictureFile({path, dravelle::editor::ImportRegion::Full, 64, 64});
        benchmark::DoNotOptimize(result.pages.size());
    }
    state.counters["frames_per_s"] = benchmark::Counter(kFrames, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ImportWorkerAlone)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks<QApplication>(argc, argv);
}
