#pragma once

#include "dravelle/document/dot_page.h"

#include <QImage>
#include <QPoint>
#include <QRect>

namespace dravelle::editor {

// How a page looks in the editing square, the thumbnails and the preview.
// Each channel of a dot shows 255 when on, 0 when off and 128 when its code is
// 0, so the corner dots are grey.
inline constexpr QRgb kCornerGrey = qRgb(128, 128, 128);
// The one-pixel lines between the cells of the editing square.
inline constexpr QRgb kGridColour = qRgb(64, 64, 64);

QRgb displayColour(const document::DotPage &page, int index);

// The page at one pixel per dot (R x R, RGB32): a page-strip thumbnail.
QImage pageImage(const document::DotPage &page, int resolution);

// Cells of the editing square: dot (x, y) covers the pixels from
// (x f + 1, y f + 1) up to, not including, ((x + 1) f, (y + 1) f); pixel p
// belongs to cell p / f. Cells must be at least 6 pixels, so that the pixel
// (x f + 5, y f + 5) read back after a stroke lies inside the cell.
struct CellGeometry {
    static constexpr int kMinCellSize = 6;

    int resolution = 48;
    int cellSize = kMinCellSize;

    // The cell size that fits an area: min(width, height) / R, at least 6.
    static int cellSizeFor(int width, int height, int resolution);

    int squareSize() const { return resolution * cellSize; }
    bool containsPixel(QPoint pixel) const;
    // The cell (x, y) that pixel belongs to.
    QPoint cellAt(QPoint pixel) const { return {pixel.x() / cellSize, pixel.y() / cellSize}; }
    // The painted pixels of cell (x, y).
    QRect cellRect(QPoint cell) const;
    // The pixel a stroke starts from: the cell's origin + 1.
    QPoint strokePoint(QPoint cell) const;
    // The pixel whose colour gives the dot after a stroke.
    QPoint readBackPixel(QPoint cell) const { return {cell.x() * cellSize + 5, cell.y() * cellSize + 5}; }
    int indexOf(QPoint cell) const { return cell.x() + cell.y() * resolution; }
};

// Draws a whole page into a square image of geometry.squareSize() pixels.
void drawPage(QImage &square, const CellGeometry &geometry, const document::DotPage &page);

// A new square image (RGB32) showing `page`: the editing square or a preview picture.
QImage squareImage(const CellGeometry &geometry, const document::DotPage &page);

// The onion skin: a copy of the editing square in which every cell that
// shows a dark dot shows instead, faintly, the lit dot of `under` (the
// previous page) at the same place. Display only: the square itself, which
// strokes are read back from, is left alone.
QImage withOnionSkin(const QImage &square, const CellGeometry &geometry, const document::DotPage &under);
// The faint colour of a lit dot of the previous page (each on channel at 80).
QRgb onionColour(int colourBits);

} // namespace dravelle::editor
