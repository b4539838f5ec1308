#pragma once

#include "dravelle/editor/editing_square.h"

#include <QPoint>

namespace dravelle::editor {

// The tools of the vertical tool bar. None is the tool command without a
// button: with it a left stroke does nothing.
enum class Tool { Pen, ColourPicker, Eraser, Fill, BigPen, Line, Rectangle, Ellipse, None };

// What a mouse event changed, so the window knows what to repaint.
struct ToolEffect {
    bool squareChanged = false;   // repaint the editing square
    bool colourPicked = false;    // the drawing colour changed (colour picker)
    bool pageCommitted = false;   // the current page changed: redraw its thumbnail and counters
};

// The dot tools acting on the editing square: the editor window forwards the
// mouse events of the square in the square's pixel coordinates and paints
// square().image(). A left stroke paints the square (pen, big pen, eraser,
// fill, and the line, rectangle and ellipse rubber bands) and on button up the
// page is read back from the square and committed to the current page. The
// right button erases single dots with any tool, straight in the working page.
//
// Colours are channel bits (bit 0 red, bit 1 green, bit 2 blue): the eight
// colours of the colour bar. The drawing colour starts red, the erase colour
// black, the tool as the pen; they last for the run.
//
// After anything else changes the working page (a page is selected, Clear,
// Reverse Color, a template, Add Words) call redraw(). Mouse events do nothing
// before the first animation exists.
class DotTools {
public:
    DotTools(document::AnimationStore &store, int cellSize);

    EditingSquare &square() { return m_square; }
    const EditingSquare &square() const { return m_square; }

    Tool tool() const { return m_tool; }
    void setTool(Tool tool) { m_tool = tool; }
    int drawingColour() const { return m_drawingColour; }
    void setDrawingColour(int bits) { m_drawingColour = bits & document::kColourWhite; }
    int eraseColour() const { return m_eraseColour; }
    void setEraseColour(int bits) { m_eraseColour = bits & document::kColourWhite; }

    bool isStroking() const { return m_leftDrag || m_rightDrag; }

    ToolEffect redraw();

    ToolEffect leftDown(QPoint pixel);
    ToolEffect leftMove(QPoint pixel);
    ToolEffect leftUp();
    ToolEffect rightDown(QPoint pixel);
    ToolEffect rightMove(QPoint pixel);
    ToolEffect rightUp();

private:
    void paintBlock(QPoint cell, int colourBits);
    void paintTrace(QPoint to, QRgb colour);
    ToolEffect eraseDot(QPoint pixel);

    document::AnimationStore &m_store;
    EditingSquare m_square;
    Tool m_tool = Tool::Pen;
    int m_drawingColour = document::kColourBitRed;
    int m_eraseColour = 0;
    bool m_leftDrag = false;
    bool m_rightDrag = false;
    QPoint m_start;  // pixel (cell origin + 1) of the stroke's first cell
    QPoint m_last;   // the same for the cell reached last
};

} // namespace dravelle::editor
