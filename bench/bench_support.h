#pragma once

// What several benchmarks share: the process's CPU clock and a test animation.

#include "dravelle/document/crs_writer.h"

#include <QString>

#include <ctime>
#include <vector>

inline double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// A side x side animation of 24 pages, a bar of dots running down the
// vertical bar from row `shift`, each page shown `delayMs`.
inline void writeRunningDotAnimation(const QString &path, int side, int delayMs, int shift = 0)
{
    std::vector<dravelle::document::CrsPage> pages;
    for (int i = 0; i < 24; ++i) {
        dravelle::document::CrsPage page;
        page.colours.assign(size_t(side * side), 0);
        for (int x = 16; x < 32; ++x)
            page.colours[size_t(x + ((2 * i + shift) % side) * side)] = 2;
        page.delayMs = delayMs;
        pages.push_back(page);
    }
    (void)dravelle::document::writeCrsFile(path, side, pages);
}
