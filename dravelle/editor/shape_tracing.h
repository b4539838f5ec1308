#pragma once

#include <QPoint>

#include <vector>

namespace dravelle::editor {

// The pixels the line, rectangle and ellipse tools trace between two pixel
// positions of the editing square; the tools then paint the cell of every
// traced pixel. Points may repeat.

// Bresenham's line, x-major when |dx| >= |dy|, else y-major, always stepped
// from the end with the smaller major coordinate, so a line traced from A to B
// and from B to A takes the same pixels.
std::vector<QPoint> traceLine(QPoint from, QPoint to);

// The four sides (x0,y0)-(x1,y0), (x0,y0)-(x0,y1), (x1,y0)-(x1,y1), (x0,y1)-(x1,y1).
std::vector<QPoint> traceRectangle(QPoint corner0, QPoint corner1);

// The midpoint ellipse in the box between two corners: centre
// (x0 + (x1 - x0) / 2, y0 + (y1 - y0) / 2), semi-axes |x1 - x0| / 2 and
// |y1 - y0| / 2 (integer division); one quadrant is traced (first where the
// slope is below 1, then the rest) and mirrored into the other three. A flat
// box gives a straight line.
std::vector<QPoint> traceEllipse(QPoint corner0, QPoint corner1);

} // namespace dravelle::editor
