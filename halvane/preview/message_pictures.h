#pragma once

#include "common/cross_geometry.h"
#include "halvane/project/play_project_records.h"

#include <QDateTime>
#include <QImage>

namespace halvane::preview {

// The entry kind of data message 0..3 (Hour, Date, Temperature, Humidity),
// which chooses its caption.
project::EntryKind dataMessageKind(int item);

// The Preview dialog's caption, laid out wider than the thumbnails' one: a
// black strip cw + 2S dots wide and B rows high (cw: the caption's width in
// the caption font) with the caption drawn at x = S - 2fd, y = 4 on a 64
// cross and 0 on a 48 cross. The dialog shows the window that starts at
// column windowStart (+ t inside an outline).
struct CaptionStrip {
    QImage image;
    int windowStart = 0; // (cw + S) / 2
};
CaptionStrip renderCaptionStrip(project::EntryKind message, const common::CrossGeometry &geometry,
                                const QDateTime &now);

} // namespace halvane::preview
