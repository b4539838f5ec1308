#include "dravelle/editor/dot_tools.h"

#include "dravelle/editor/colour_list.h"
#include "dravelle/editor/shape_tracing.h"

#include <vector>

namespace dravelle::editor {

using namespace dravelle::document;

namespace {

bool isRubberBand(Tool tool)
{
    return tool == Tool::Line || tool == Tool::Rectangle || tool == Tool::Ellipse;
}

int bitsOfRgb(QRgb rgb)
{
    return (qRed(rgb) == 255 ? kColourBitRed : 0) | (qGreen(rgb) == 255 ? kColourBitGreen : 0)
           | (qBlue(rgb) == 255 ? kColourBitBlue : 0);
}

} // namespace

DotTools::DotTools(AnimationStore &store, int cellSize)
    : m_store(store), m_square(store, cellSize)
{
}

ToolEffect DotTools::redraw()
{
    m_square.redraw();
    return {true, false, false};
}

// The cell and, where they lie in the square, its right, lower and
// lower-right neighbours: the big pen and the eraser.
void DotTools::paintBlock(QPoint cell, int colourBits)
{
    for (QPoint offset : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
        m_square.paintCell(cell + offset, rgbOfBits(colourBits));
}

// The current tool's shape from the stroke's start to `to`, cell by cell.
void DotTools::paintTrace(QPoint to, QRgb colour)
{
    std::vector<QPoint> points;
    if (m_tool == Tool::Line)
        points = traceLine(m_start, to);
    else if (m_tool == Tool::Rectangle)
        points = traceRectangle(m_start, to);
    else
        points = traceEllipse(m_start, to);
    const CellGeometry &g = m_square.geometry();
    std::vector<bool> done(std::size_t(g.resolution * g.resolution), false);
    for (QPoint p : points) {
        if (!g.containsPixel(p))
            continue;
        const QPoint cell = g.cellAt(p);
        if (!done[std::size_t(g.indexOf(cell))]) {
            done[std::size_t(g.indexOf(cell))] = true;
            m_square.paintCell(cell, colour);
        }
    }
}

ToolEffect DotTools::leftDown(QPoint pixel)
{
    const CellGeometry &g = m_square.geometry();
    if (!m_store.hasAnimation() || isStroking() || m_tool == Tool::None || !g.containsPixel(pixel))
        return {};
    const QPoint cell = g.cellAt(pixel);
    m_leftDrag = true;
    m_store.setModified(true);
    m_start = m_last = g.strokePoint(cell);
    switch (m_tool) {
    case Tool::Pen:
        m_square.paintCell(cell, rgbOfBits(m_drawingColour));
        return {true, false, false};
    case Tool::ColourPicker:
        // A corner cell has no dot colour to take; picking its grey would
        // turn the pen into a restore brush.
        if (m_square.isCornerCell(cell))
            return {};
        m_drawingColour = bitsOfRgb(m_square.shownColour(cell));
        return {false, true, false};
    case Tool::Eraser:
        paintBlock(cell, m_eraseColour);
        return {true, false, false};
    case Tool::BigPen:
        paintBlock(cell, m_drawingColour);
        return {true, false, false};
    case Tool::Fill:
        m_square.floodFill(cell, rgbOfBits(m_drawingColour));
        return {true, false, false};
    default:
        return {};
    }
}

ToolEffect DotTools::leftMove(QPoint pixel)
{
    const CellGeometry &g = m_square.geometry();
    if (!m_leftDrag || !g.containsPixel(pixel))
        return {};
    const QPoint cell = g.cellAt(pixel);
    ToolEffect effect{true, false, false};
    if (m_tool == Tool::Pen) {
        m_square.paintCell(cell, rgbOfBits(m_drawingColour));
    } else if (m_tool == Tool::Eraser) {
        paintBlock(cell, m_eraseColour);
    } else if (m_tool == Tool::BigPen) {
        paintBlock(cell, m_drawingColour);
    } else if (isRubberBand(m_tool)) {
        paintTrace(m_last, EditingSquare::kRestore);
        paintTrace(g.strokePoint(cell), rgbOfBits(m_drawingColour));
    } else {
        effect = {};
    }
    m_last = g.strokePoint(cell);
    return effect;
}

ToolEffect DotTools::leftUp()
{
    if (!m_leftDrag)
        return {};
    m_leftDrag = false;
    m_square.readBack();
    m_store.commitWorkingPage();
    return {true, false, true};
}

ToolEffect DotTools::eraseDot(QPoint pixel)
{
    const CellGeometry &g = m_square.geometry();
    if (!g.containsPixel(pixel))
        return {};
    const QPoint cell = g.cellAt(pixel);
    if (m_square.isCornerCell(cell))
        return {};
    DotPage &working = m_store.workingPage();
    const int index = g.indexOf(cell);
    working.setColourAt(index, 0);
    m_square.paintCell(cell, rgbOfBits(m_eraseColour));
    return {true, false, false};
}

ToolEffect DotTools::rightDown(QPoint pixel)
{
    if (!m_store.hasAnimation() || isStroking() || !m_square.geometry().containsPixel(pixel))
        return {};
    m_rightDrag = true;
    m_store.setModified(true);
    return eraseDot(pixel);
}

ToolEffect DotTools::rightMove(QPoint pixel)
{
    return m_rightDrag ? eraseDot(pixel) : ToolEffect{};
}

ToolEffect DotTools::rightUp()
{
    if (!m_rightDrag)
        return {};
    m_rightDrag = false;
    m_store.commitWorkingPage();
    // The erased cells showed the erase colour while dragging; show the page.
    m_square.redraw();
    return {true, false, true};
}

} // namespace dravelle::editor
