#pragma once

#include "common/status.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace cross_sim {

// What a send left in a cross's memory, read back the way the cross plays
// it: the table of contents in words, every animation it names as frames of
// the S x S cross with their delays, every text record as its band of dots.
// The memory is untrusted: every address, count and header is checked, and
// whatever does not make sense is reported instead of read.

struct TocEntryView {
    enum class Kind { Animation, Picture, Hour, Date, Temperature, Humidity, Text, Unknown };
    Kind kind = Kind::Unknown;
    QByteArray bytes;                   // the 16 bytes
    std::uint32_t animationAddress = 0; // bytes 2-4 in 2-byte units (0: none)
    std::uint32_t textAddress = 0;      // bytes 7-9 (texts only)
};

struct FrameView {
    int delayMs = 0;
    QImage dots; // S x S, lit dots green, everything else black
};

struct AnimationView {
    std::uint32_t address = 0; // in 2-byte units
    std::vector<FrameView> frames;
    QString problem; // why reading stopped early, or ""
};

struct TextView {
    std::uint32_t address = 0;
    int speed = 0;   // 1..7
    QImage band;     // 8C x B, lit dots green
    QString problem; // why it could not be read, or ""
};

struct MemoryView {
    int side = 48;
    std::vector<TocEntryView> toc;
    QString tocProblem; // no end mark, or ""
    std::vector<AnimationView> animations; // in the order the TOC first names them
    std::vector<TextView> texts;

    // Index into animations / texts of the record at `address`, or -1.
    int animationAt(std::uint32_t address) const;
    int textAt(std::uint32_t address) const;
};

// Reads the 8 MiB memory of a cross of side 48 or 64.
MemoryView readMemoryView(const QByteArray &memory, int side);

// One line per TOC entry in words, then the animations and texts, naming the
// files writeMemoryView() makes.
QStringList describeMemoryView(const MemoryView &view);

// Writes into `folder`: toc.txt (describeMemoryView), animation-NN.gif (an
// animated GIF of each animation, with its frame delays) and text-NN.png.
common::Status writeMemoryView(const MemoryView &view, const QString &folder);

} // namespace cross_sim
