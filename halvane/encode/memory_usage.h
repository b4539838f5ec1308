#pragma once

#include "halvane/encode/image_builder.h"

#include <QString>
#include <QStringList>

#include <array>

namespace halvane::encode {

// How much of one memory region the images of a send would take.
struct RegionUsage {
    MemoryRegion region = kTocRegion;
    std::size_t bytes = 0;
    int blocks = 0;

    bool fits() const { return bytes <= region.capacity; }
    // Whole per cent of the region, rounded up so a used region never shows 0.
    int percent() const;
};

// How full the cross's memory would be with a play project, and how long
// sending it would take: what the memory meter of the window and
// `halvane-cli project show` tell before anything is sent.
struct MemoryUsage {
    std::array<RegionUsage, 3> regions{{{kTocRegion}, {kAnimationsRegion}, {kTextRegion}}};
    int totalBlocks = 0;
    qint64 sendMs = 0;      // the least a send takes at the configured rate
    QString refusal;        // why the project would be refused (an image too large); empty when it fits
    QStringList warnings;   // what the build warned about (missing files...)

    bool fits() const { return refusal.isEmpty(); }
    // "TOC 1% · Animations 12% · Text 0% · send 0:42"
    QString summary() const;
    // One line per region with bytes, blocks and per cent, then the send
    // time, then the refusal when there is one.
    QStringList details() const;
};

// Builds the project's images as a send would, only to measure them.
MemoryUsage measureMemory(const project::PlayProjectData &project, const project::AnimationLibrary &library,
                          RecordEncoder &encoder, int baudRate);

} // namespace halvane::encode
