// Speed of the content encoders: text records per second and animation
// frames converted per second. The send job builds every image before the
// first block goes out, so a whole play list must convert in well under the
// 2.35 s one block takes to send.

#include "halvane/encode/text_record.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <vector>

using namespace halvane::encode;
using halvane::project::TextSettings;

namespace {

const QStringList kFonts{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                         QStringLiteral("Liberation Serif")};

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

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
