#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace halvane::preview {

// The Preview dialog's picture of the cross: every dot a d x d square on a
// grey grid, lit dots green, dark dots black; the four corner squares are not
// part of the cross and are neither gridded nor filled.

// The grid lines' colour.
inline constexpr QRgb kGridGrey = 0xFF808080u;

// The dialog's sizes for a cross picture whose client area is `pictureArea`.
struct PreviewLayout {
    int dotSize = 0;   // d = min(width, height) / S; 0 when the area is smaller than S
    QSize crossSize;   // S x d by S x d: the cross picture after resizing
    QSize dialogSize;  // S x d + 30 by S x d + 60
};
PreviewLayout previewLayout(const QSize &pictureArea, int side);

// Draws the grid and the dots of the S x S `canvas` onto `picture` (at least
// S x d by S x d): grey lines one pixel wide at y = r x d and x = c x d for
// r, c = 0 .. S - 1, reaching across the whole picture for the text band and
// the vertical bar and only across the arms elsewhere; then, for every dot
// of the plus shape, the square from (x d + 1, y d + 1) to ((x + 1) d - 1,
// (y + 1) d - 1) green when the canvas pixel is not black and black
// otherwise. Nothing happens for d < 1.
void drawDotGrid(QImage &picture, const QImage &canvas, int dotSize);

// The same on a new S x d by S x d picture whose corners show `background`.
QImage dotGridImage(const QImage &canvas, int dotSize, QRgb background = 0xFF000000u);

} // namespace halvane::preview
