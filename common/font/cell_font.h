#pragma once

#include <QFont>

namespace common::font {

// Both programs size their fonts the way the cross's fonts were designed: a
// positive height is the character cell (ascent + descent) in dots, not the
// em size the font engine takes. The engine sizes fonts in whole pixels, so
// the cell height is mapped onto the em the face's own metrics ask for:
// em = cell x unitsPerEm / (winAscent + winDescent) from the OS/2 table (the
// hhea table, then the engine's metrics, when that is missing), rounded to the
// nearest pixel and at least 1. The chosen size's cell comes within one dot of
// the asked one.
int pixelSizeForCell(const QFont &face, int cellHeight);

} // namespace common::font
