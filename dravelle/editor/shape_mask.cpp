#include "dravelle/editor/shape_mask.h"

#include <algorithm>
#include <cstdint>

namespace dravelle::editor {
namespace {

// Work in doubled coordinates so that pixel centres (x + 0.5, y + 0.5) are
// whole numbers and every test is exact.
struct Point2 {
    std::int64_t x;
    std::int64_t y;
};

Point2 doubled(QPoint p)
{
    return {2 * std::int64_t(p.x()), 2 * std::int64_t(p.y())};
}

Point2 pixelCentre(int x, int y)
{
    return {2 * std::int64_t(x) + 1, 2 * std::int64_t(y) + 1};
}

// Positive on the inner side of edge a -> b once the triangle is oriented.
std::int64_t edgeFunction(Point2 a, Point2 b, Point2 p)
{
    return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

// With the orientation used here the inner side lies below a rightward
// horizontal edge (a top edge) and right of an upward edge (a left edge).
bool isTopOrLeftEdge(Point2 a, Point2 b)
{
    const std::int64_t dy = b.y - a.y;
    return dy < 0 || (dy == 0 && b.x > a.x);
}

bool insideEdge(Point2 a, Point2 b, Point2 p)
{
    const std::int64_t e = edgeFunction(a, b, p);
    return e > 0 || (e == 0 && isTopOrLeftEdge(a, b));
}

} // namespace

ShapeMask::ShapeMask(int size)
    : m_size(size), m_inside(std::size_t(size) * std::size_t(size), false)
{
}

bool ShapeMask::contains(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_size || y >= m_size)
        return false;
    return m_inside[std::size_t(x + y * m_size)];
}

int ShapeMask::count() const
{
    return int(std::count(m_inside.begin(), m_inside.end(), true));
}

void ShapeMask::addRect(int left, int top, int right, int bottom)
{
    for (int y = std::max(top, 0); y < std::min(bottom, m_size); ++y)
        for (int x = std::max(left, 0); x < std::min(right, m_size); ++x)
            set(x, y);
}

void ShapeMask::addTriangle(QPoint a, QPoint b, QPoint c)
{
    Point2 p0 = doubled(a), p1 = doubled(b), p2 = doubled(c);
    const std::int64_t area = edgeFunction(p0, p1, p2);
    if (area == 0)
        return;
    if (area < 0)
        std::swap(p1, p2);
    for (int y = 0; y < m_size; ++y)
        for (int x = 0; x < m_size; ++x) {
            const Point2 p = pixelCentre(x, y);
            if (insideEdge(p0, p1, p) && insideEdge(p1, p2, p) && insideEdge(p2, p0, p))
                set(x, y);
        }
}

void ShapeMask::addEllipse(int left, int top, int right, int bottom)
{
    const std::int64_t a = std::int64_t(right) - left;  // doubled semi-axes
    const std::int64_t b = std::int64_t(bottom) - top;
    if (a <= 0 || b <= 0)
        return;
    const std::int64_t cx = std::int64_t(left) + right;  // doubled centre
    const std::int64_t cy = std::int64_t(top) + bottom;
    for (int y = 0; y < m_size; ++y)
        for (int x = 0; x < m_size; ++x) {
            const Point2 p = pixelCentre(x, y);
            const std::int64_t dx = p.x - cx, dy = p.y - cy;
            const std::int64_t lhs = dx * dx * b * b + dy * dy * a * a;
            const std::int64_t rhs = a * a * b * b;
            const bool onLeftOrTop = dx < 0 || (dx == 0 && dy < 0);
            if (lhs < rhs || (lhs == rhs && onLeftOrTop))
                set(x, y);
        }
}

} // namespace dravelle::editor
