#pragma once

#include <QPoint>

#include <vector>

namespace dravelle::editor {

// A region of pixels on a square canvas, built from filled rectangles,
// triangles and ellipses as a filled region is: a pixel belongs to a shape
// when its centre lies inside it, and a centre exactly on the boundary counts
// when that part of the boundary is a left or top edge (the shape's outward
// normal points left, or straight up). So two shapes sharing an edge never both
// take the pixels on it, and a shape never takes pixels on its right or bottom.
// Coordinates are in pixel units, the square spans 0..size on both axes.
class ShapeMask {
public:
    explicit ShapeMask(int size);

    int size() const { return m_size; }
    bool contains(int x, int y) const;
    int count() const;

    // Left, top, right, bottom; right and bottom exclusive.
    void addRect(int left, int top, int right, int bottom);
    // A degenerate triangle (all corners on one line) adds nothing.
    void addTriangle(QPoint a, QPoint b, QPoint c);
    // The ellipse inscribed in the rectangle (left, top, right, bottom).
    void addEllipse(int left, int top, int right, int bottom);

private:
    void set(int x, int y) { m_inside[std::size_t(x + y * m_size)] = true; }

    int m_size;
    std::vector<bool> m_inside;
};

} // namespace dravelle::editor
