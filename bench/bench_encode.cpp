// Speed of the content encoders: text records per second and animation
// frames converted per second. The send job builds every image before the
// first block goes out, so a whole play list must convert in well under the
// 2.35 s one block takes to send.

#include "bench/gui_benchmark_main.h"
#include "dravelle/document/crs_writer.h"
#include "halvane/encode/file_record_encoder.h"
#include "halvane/encode/frame_conversion.h"
#include "halvane/encode/image_builder.h"
#include "halvane/encode/text_record.h"
#include "tests/common/gif/gif_test_file.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

using namespace halvane::encode;
using halvane::project::TextSettings;

namespace {

const QStringList kFonts{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                         QStringLiteral("Liberation Serif")};

constexpr int kLongAnimation = 300; // frames

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

// A 48 x 48 .crs of `frames` pages: a bar sweeping across the cross.
QString smallCrs(int frames)
{
    const QString path = folder().filePath(QStringLiteral("sweep%1.crs").arg(frames));
    if (QFile::exists(path))
        return path;
    std::vector<dravelle::document::CrsPage> pages;
    pages.resize(std::size_t(frames));
    for (int p = 0; p < frames; ++p) {
        pages[std::size_t(p)].colours.assign(48 * 48, 0);
        for (int y = 0; y < 48; ++y)
            pages[std::size_t(p)].colours[std::size_t((p % 48) + y * 48)] = std::uint8_t(1 + p % 7);
    }
    dravelle::document::writeCrsFile(path, 48, pages);
    return path;
}

// A 480 x 480 GIF of `frames` full frames of changing stripes.
QString largeGif(int frames)
{
    const QString path = folder().filePath(QStringLiteral("large%1.gif").arg(frames));
    if (QFile::exists(path))
        return path;
    std::vector<gif_test::Frame> list;
    for (int p = 0; p < frames; ++p) {
        gif_test::Frame f = gif_test::solid(QRect(0, 0, 480, 480), 0, 2);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 480; ++x)
                f.pixels[std::size_t(y * 480 + x)] = std::uint8_t(((x + y + 7 * p) / 20) % 8);
        list.push_back(std::move(f));
    }
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(gif_test::build(480, 480, gif_test::pureColours(), list));
    return path;
}

void countFrames(benchmark::State &state, int framesPerRun)
{
    state.counters["frames/s"] = benchmark::Counter(double(state.iterations()) * framesPerRun,
                                                    benchmark::Counter::kIsRate);
}

// Frames per second of a 300-frame animation (load included): a 48 x 48 .crs
// at speed 4 or a 480 x 480 GIF with its own delays, to a 48 or a 64 cross.
void longAnimation(benchmark::State &state, bool large)
{
    const QString path = large ? largeGif(kLongAnimation) : smallCrs(kLongAnimation);
    const int side = int(state.range(0));
    std::vector<std::uint8_t> image(std::size_t(kLongAnimation) * 400);
    for (auto _ : state) {
        const ConversionResult r = convertAnimation(path, large ? 8 : 4, side, image, 0);
        benchmark::DoNotOptimize(r.size);
    }
    countFrames(state, kLongAnimation);
}
BENCHMARK_CAPTURE(longAnimation, crs48, false)->Arg(48)->Arg(64)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(longAnimation, gif480, true)->Arg(48)->Arg(64)->Unit(benchmark::kMillisecond);

TextSettings benchText(int length)
{
    TextSettings m;
    const QString sentence = QStringLiteral("Welcome to the summer sale, everything must go! ");
    while (m.text.size() < length)
        m.text += sentence;
    m.text.truncate(length);
    m.font = 0;
    return m;
}

// Text records per second: a short greeting and the longest text (255
// characters) at the default size, on both crosses.
void textRecords(benchmark::State &state)
{
    const TextSettings message = benchText(int(state.range(0)));
    const common::CrossGeometry geometry{int(state.range(1)), 0};
    std::vector<std::uint8_t> image(1 << 20);
    for (auto _ : state) {
        const AppendResult r = renderTextRecord(message, kFonts, geometry, image, 0);
        benchmark::DoNotOptimize(r.size);
    }
    state.counters["records/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(textRecords)->ArgsProduct({{20, 255}, {48, 64}})->Unit(benchmark::kMillisecond);

// The fullest play list the Animations image takes on a 64 cross: 27
// animations of 600 frames from 48 x 48 files (16,200 frames, 6.5 MB of the
// 7.3 MB) and the three longest texts: the images the send job builds before
// its first block, built as it builds them.
void wholePlayList(benchmark::State &state)
{
    constexpr int kFrames = 600;
    const QString file = QFileInfo(smallCrs(kFrames)).fileName();
    halvane::project::PlayProjectData project = halvane::project::defaultProjectData(0);
    for (int i = 0; i < 27; ++i)
        project.playList.append({file});
    project.animations.append(halvane::project::defaultAnimationEntry(file));
    for (int i = 0; i < 3; ++i) {
        project.playList.append({QString::fromLatin1(halvane::project::kTextKeywords[std::size_t(i)])});
        project.texts[std::size_t(i)] = benchText(255);
    }
    FileRecordEncoder encoder(common::CrossGeometry{64, 0}, kFonts);
    const halvane::project::AnimationLibrary library(folder().path());
    for (auto _ : state) {
        SendImages images;
        const common::Status built = buildImages(project, library, encoder, &images);
        benchmark::DoNotOptimize(built.ok);
    }
    countFrames(state, 27 * kFrames);
}
BENCHMARK(wholePlayList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
