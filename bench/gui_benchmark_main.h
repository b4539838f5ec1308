#pragma once

#include <QGuiApplication>

#include <benchmark/benchmark.h>

// The main() of a benchmark that draws text or decodes pictures: those need a
// GUI application (a QApplication for widgets), and the benchmarks need no
// display.
template <typename Application = QGuiApplication>
int runGuiBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
