#pragma once

#include "dravelle/document/animation_store.h"
#include "dravelle/editor/page_view.h"

#include <QImage>

namespace dravelle::editor {

// The enlarged current page the dot tools draw into: an image of R x R cells
// of f pixels. Strokes paint cells here first; when a stroke ends the page is
// read back from the image into the store's working page. The square keeps a
// reference to the store and must not outlive it.
class EditingSquare {
public:
    // "Restore": painting a cell in this colour gives it back the colour of
    // its dot in the working page (the rubber bands use it to undo themselves).
    static constexpr QRgb kRestore = kCornerGrey;

    EditingSquare(document::AnimationStore &store, int cellSize);

    const CellGeometry &geometry() const { return m_geometry; }
    const QImage &image() const { return m_image; }

    // Draws every cell from the working page again.
    void redraw();

    // Fills cell (x, y) with `colour`, or with its dot's display colour for
    // kRestore. Corner cells (no dot) and cells outside the square are never
    // painted.
    void paintCell(QPoint cell, QRgb colour);
    // The colour the cell shows now.
    QRgb shownColour(QPoint cell) const;
    bool isCornerCell(QPoint cell) const;
    bool containsCell(QPoint cell) const;

    // Fills the cells 4-connected to `cell` that show the same colour with
    // `colour`. Nothing when the cell is a corner or already shows `colour`.
    void floodFill(QPoint cell, QRgb colour);

    // Takes the working page back from the image: each channel of a cross dot
    // is on when the pixel (x f + 5, y f + 5) shows 255 in it, off otherwise;
    // corners stay outside the cross.
    void readBack();

private:
    document::AnimationStore &m_store;
    CellGeometry m_geometry;
    QImage m_image;
};

} // namespace dravelle::editor
