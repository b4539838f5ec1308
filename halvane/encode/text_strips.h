#pragma once

#include "common/cross_geometry.h"
#include "halvane/encode/text_font.h"

#include <QDateTime>
#include <QImage>
#include <QStringList>

namespace halvane::encode {

// The text pictures of the preview: the scrolling strip of the Preview
// dialog, the thumbnail strip and the captions of the data messages. All are
// black bitmaps B rows high with the text in green; a pixel that is not black
// is a lit dot.

// A bitmap w + 2S + 3 dots wide and B rows high (w: the text's width, not
// padded), the text drawn at x = S - 2fd, y = -offset. The Preview dialog
// shows, for i = 0 .. w + S + 2, the window at column i that is S - 2fd wide
// and B - 2fd high, at column fd and row 16 + fd of the cross.
QImage renderScrollingStrip(const project::TextSettings &message, const QStringList &fontNames,
                            const common::CrossGeometry &geometry);

// A bitmap S dots wide and B rows high with the beginning of the text at x = 0,
// y = -offset, for the play list thumbnails.
QImage renderThumbnailStrip(const project::TextSettings &message, const QStringList &fontNames,
                            const common::CrossGeometry &geometry);

// The captions of the four data messages (the cross draws them itself;
// captions exist only for the preview): Hour "%H:%M" and Date "%d/%m" of
// `now`, the fixed samples "+12°C" for Temperature and "88%" for Humidity.
// Other kinds have no caption (empty).
QString captionText(project::EntryKind message, const QDateTime &now);

// A bitmap S dots wide and B rows high with the caption in the caption font,
// at x = (S - cw) / 2 (cw: the caption's width; truncated toward zero) and
// y = 4 on a 64 cross, 0 on a 48 cross.
QImage renderCaption(project::EntryKind message, const common::CrossGeometry &geometry,
                     const QDateTime &now);

// The row at which captions are drawn: 4 when B is 32, else 0.
int captionTop(const common::CrossGeometry &geometry);

} // namespace halvane::encode
