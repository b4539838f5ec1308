// Halvane's window: the time from the start to a painted window with a
// 30-entry project (aim: under 1 s, the search aside), and the whole
// process's CPU while the fifteen thumbnails play in the real window for ten
// seconds (aim: under 10 % of one core; painting must not add more than the
// workers cost).

#include "bench/bench_support.h"
#include "bench/gui_benchmark_main.h"
#include "common/app_dir.h"
#include "halvane/ui/halvane_app.h"
#include "halvane/ui/main_window.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kSide = 48;

// An application folder with a project of 30 entries: 23 animations, the
// four data messages and three texts. Returns the project's path.
QString makeFolder(const QTemporaryDir &dir)
{
    const QString app = dir.path() + QLatin1Char('/');
    QDir(app).mkpath(QStringLiteral("animations"));
    // Keeps the window's recent list out of the user's configuration.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, app + QStringLiteral("config"));
    QFile ini(app + QStringLiteral("Halvane.ini"));
    if (ini.open(QIODevice::WriteOnly))
        ini.write("[BOOT]\nCROSSSTYLE=0\n[FONT]\nFONTNUM=1\nFONT1=Liberation Sans\n");
    ini.close();
    QStringList names;
    for (int i = 0; i < 23; ++i) {
        names << QStringLiteral("a%1.crs").arg(i, 2, 10, QLatin1Char('0'));
        writeRunningDotAnimation(app + QStringLiteral("animations/") + names.back(), kSide, 100, i);
    }
    halvane::project::PlayProject project(halvane::project::AnimationLibrary(app + QStringLiteral("animations/")));
    (void)project.newProject(0);
    // The first group: messages and texts between animations, as users mix them.
    const QStringList messages = {"Hour", "Text1", "Date", "Text2", "Temperature", "Text3", "Humidity"};
    for (int i = 0; i < 8; ++i)
        (void)project.appendToPlayList(names[i]);
    for (int t = 0; t < 3; ++t)
        (void)project.setText(t, QStringLiteral("Open every day"));
    for (const QString &message : messages)
        (void)project.appendToPlayList(message);
    for (int i = 8; i < 23; ++i)
        (void)project.appendToPlayList(names[i]);
    const QString path = app + QStringLiteral("bench.plst");
    (void)project.saveAs(path);
    return path;
}

// A window of the run: the 30-entry project, no search, shown.
struct BenchWindow {
    explicit BenchWindow(const QString &app, const QString &project) : halvane(app)
    {
        window = halvane.mainWindow(project, false);
        window->resize(1280, 760);
        window->show();
    }
    halvane::ui::HalvaneApp halvane;
    halvane::ui::MainWindow *window = nullptr;
};

void startToPaintedWindow(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString project = makeFolder(dir);
    const QString app = dir.path() + QLatin1Char('/');
    common::setApplicationFolder(app);
    for (auto _ : state) {
        BenchWindow bench(app, project);
        bench.window->repaint();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(bench.window->windowTitle());
    }
}
BENCHMARK(startToPaintedWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

void fifteenThumbnailsInTheWindow(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString project = makeFolder(dir);
    const QString app = dir.path() + QLatin1Char('/');
    common::setApplicationFolder(app);
    for (auto _ : state) {
        BenchWindow bench(app, project);
        QEventLoop loop;
        QTimer::singleShot(1500, &loop, &QEventLoop::quit); // the thumbnails start
        loop.exec();
        const auto wallStart = std::chrono::steady_clock::now();
        const double cpuStart = processCpuSeconds();
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        const double cpu = processCpuSeconds() - cpuStart;
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        state.counters["cpu_share_%"] = 100.0 * cpu / wall;
    }
}
BENCHMARK(fifteenThumbnailsInTheWindow)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks<QApplication>(argc, argv);
}
