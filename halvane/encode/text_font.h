#pragma once

#include "common/cross_geometry.h"
#include "halvane/project/play_project_records.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

namespace halvane::encode {

// A font as the cross's texts ask for it: a face name and the height of the
// character cell (ascent + descent) in dots, not the height of the glyphs.
struct CellFont {
    QString face;        // empty: the font engine's default face
    int cellHeight = 16;
    bool bold = false;
    bool italic = false;
};

// The text font of a message: the face at position `font` of `fontNames`
// (empty when there is no such position), cell height B + size, weight and
// slant from the bold and italic fields. A size outside the Size list is
// brought into it.
CellFont textFont(const project::TextSettings &message, const QStringList &fontNames,
                  const common::CrossGeometry &geometry);

// The caption font of the data messages: "Arial" bold, cell height 16 on a
// 48 cross and 24 on a 64 cross.
CellFont captionFont(const common::CrossGeometry &geometry);

// The font engine's font for a cell font, sized by common::font::pixelSizeForCell.
// A face the engine does not know, or an empty name, falls back silently to
// the engine's substitute face, whose metrics are used.
QFont engineFont(const CellFont &font);

// The width of `text` drawn as one line in `font`, in dots (the sum of the
// advances; nothing is padded).
int measureText(const QFont &font, const QString &text);

// A width padded up to the next multiple of 8 (0 stays 0, 48 stays 48).
int padToByte(int width);

// Draws `text` as one line in green with a transparent background, the left
// end of its cell at x and the top of its cell at `top`.
void drawTextLine(QImage &image, const QFont &font, const QString &text, int x, int top);

// The message's text as it is drawn: one line of at most 255 characters.
QString lineText(const project::TextSettings &message);

// The y at which the message's cell is drawn: -offset. Offsets beyond any
// band and cell are held at a distance that still draws nothing.
int textTop(const project::TextSettings &message);

} // namespace halvane::encode
