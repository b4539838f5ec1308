#include "dravelle/editor/editing_square.h"

#include <QPainter>

#include <vector>

namespace dravelle::editor {

using namespace dravelle::document;

EditingSquare::EditingSquare(AnimationStore &store, int cellSize)
    : m_store(store),
      m_geometry{store.resolution(), std::max(cellSize, CellGeometry::kMinCellSize)},
      m_image(m_geometry.squareSize(), m_geometry.squareSize(), QImage::Format_RGB32)
{
    redraw();
}

void EditingSquare::redraw()
{
    drawPage(m_image, m_geometry, m_store.workingPage());
}

bool EditingSquare::containsCell(QPoint cell) const
{
    return cell.x() >= 0 && cell.y() >= 0 && cell.x() < m_geometry.resolution && cell.y() < m_geometry.resolution;
}

bool EditingSquare::isCornerCell(QPoint cell) const
{
    return !m_store.workingPage().isCrossDot(m_geometry.indexOf(cell));
}

void EditingSquare::paintCell(QPoint cell, QRgb colour)
{
    if (!containsCell(cell) || isCornerCell(cell))
        return;
    if (colour == kRestore)
        colour = displayColour(m_store.workingPage(), m_geometry.indexOf(cell));
    QPainter painter(&m_image);
    painter.fillRect(m_geometry.cellRect(cell), QColor(colour));
}

QRgb EditingSquare::shownColour(QPoint cell) const
{
    return m_image.pixel(m_geometry.strokePoint(cell));
}

void EditingSquare::floodFill(QPoint start, QRgb colour)
{
    if (!containsCell(start))
        return;
    const QRgb target = shownColour(start);
    if (target == kCornerGrey || target == colour)
        return;
    // Explicit stack instead of recursion: the region can hold every cell.
    std::vector<QPoint> pending{start};
    while (!pending.empty()) {
        const QPoint cell = pending.back();
        pending.pop_back();
        if (!containsCell(cell) || isCornerCell(cell) || shownColour(cell) != target)
            continue;
        paintCell(cell, colour);
        pending.push_back(cell + QPoint(1, 0));
        pending.push_back(cell + QPoint(-1, 0));
        pending.push_back(cell + QPoint(0, 1));
        pending.push_back(cell + QPoint(0, -1));
    }
}

void EditingSquare::readBack()
{
    DotPage &page = m_store.workingPage();
    for (int y = 0; y < m_geometry.resolution; ++y)
        for (int x = 0; x < m_geometry.resolution; ++x) {
            const int index = m_geometry.indexOf({x, y});
            if (!page.isCrossDot(index))
                continue;
            const QRgb pixel = m_image.pixel(m_geometry.readBackPixel({x, y}));
            int bits = 0;
            if (qRed(pixel) == 255)
                bits |= kColourBitRed;
            if (qGreen(pixel) == 255)
                bits |= kColourBitGreen;
            if (qBlue(pixel) == 255)
                bits |= kColourBitBlue;
            page.setColourAt(index, bits);
        }
}

} // namespace dravelle::editor
