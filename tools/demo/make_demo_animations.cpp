// make-demo-animations: writes the sample animations of the demo project
// (scripts/run) with Dravelle's .crs writer, so the demo needs no binary files.
//
//   make-demo-animations DIR [48|64]

#include "dravelle/document/crs_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <cstdlib>
#include <functional>

namespace {

using dravelle::document::CrsPage;

constexpr std::uint8_t kGreen = 2;
constexpr std::uint8_t kWhite = 7;

// `count` pages of side x side, each dot lit in `colour` where `lit(page, x, y)` says so.
std::vector<CrsPage> pages(int side, int count, int delayMs, std::uint8_t colour,
                           const std::function<bool(int, int, int)> &lit)
{
    std::vector<CrsPage> out;
    out.resize(std::size_t(count));
    for (int p = 0; p < count; ++p) {
        out[std::size_t(p)].delayMs = delayMs;
        out[std::size_t(p)].colours.resize(std::size_t(side * side));
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if (lit(p, x, y))
                    out[std::size_t(p)].colours[std::size_t(x + y * side)] = colour;
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const int side = args.size() > 1 ? args.at(1).toInt() : 48;
    if (args.isEmpty() || (side != 48 && side != 64)) {
        err << "usage: make-demo-animations DIR [48|64]\n";
        return 2;
    }
    const QDir dir(args.first());
    QDir().mkpath(dir.path());
    const int c = side / 2;

    struct Demo {
        const char *name;
        std::vector<CrsPage> pages;
    };
    const Demo demos[] = {
        // A diamond outline growing from the centre.
        {"demo-diamond.crs", pages(side, 12, 120, kGreen, [&](int p, int x, int y) {
             const int r = std::abs(x - c) + std::abs(y - c);
             return r == 2 + p * side / 24 || r == 3 + p * side / 24;
         })},
        // A bar sweeping down the vertical bar and across the horizontal one.
        {"demo-sweep.crs", pages(side, 16, 80, kWhite, [&](int p, int x, int y) {
             const int at = p * side / 16;
             return (y >= at && y < at + 3) || (x >= at && x < at + 3);
         })},
        // Falling dots, to play behind a message.
        {"demo-rain.crs", pages(side, 8, 150, kGreen, [&](int p, int x, int y) {
             return x % 5 == 0 && (y + p * 2 + x * 3) % 8 == 0;
         })},
    };
    for (const Demo &demo : demos) {
        const QString path = dir.filePath(QString::fromLatin1(demo.name));
        if (const common::Status s = dravelle::document::writeCrsFile(path, side, demo.pages); !s) {
            err << "make-demo-animations: " << s.message << "\n";
            return 1;
        }
        QTextStream(stdout) << path << "\n";
    }
    return 0;
}
