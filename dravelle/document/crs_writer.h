#pragma once

#include "common/status.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace dravelle::document {

// One page as it goes into a .crs file: R x R colour codes, index x + y * R,
// bit 0 red, bit 1 green, bit 2 blue (0 = dark). The words layer must already
// be flattened into the codes: the animation store does that before saving,
// and keeps the layer apart in memory.
struct CrsPage {
    std::vector<std::uint8_t> colours;
    int delayMs = 200;
};

// The .crs writer: an animated GIF89a of R x R pixels with one global table of
// the eight pure colours, the comment "CxImage demo", a loop setting of 1, and
// one full frame per page at (0, 0) with delay = page delay / 10 (hundredths
// of a second, integer division, limited to 0..65535), disposal method 2 and
// no transparency. Corner dots (outside the cross) are always written black;
// only bits 0..2 of a code count.

// The file's bytes; empty when the input is not a valid animation (resolution
// other than 48 or 64, no page, a page without R x R codes).
QByteArray encodeCrs(int resolution, const std::vector<CrsPage> &pages);

// Encodes and saves atomically: the old file stays whole when anything fails,
// and the failure is reported in words a user can read. A new file gets the
// usual permissions (0666 less the umask).
common::Status writeCrsFile(const QString &path, int resolution, const std::vector<CrsPage> &pages);

} // namespace dravelle::document
