#include "dravelle/editor/shape_tracing.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace dravelle::editor {
namespace {

// Steps along the major axis from `a` to `b` (a.major <= b.major); `swapAxes`
// says whether the major axis is y.
void bresenham(QPoint a, QPoint b, bool swapAxes, std::vector<QPoint> &out)
{
    auto major = [swapAxes](QPoint p) { return swapAxes ? p.y() : p.x(); };
    auto minor = [swapAxes](QPoint p) { return swapAxes ? p.x() : p.y(); };
    if (major(a) > major(b))
        std::swap(a, b);
    const int dMajor = major(b) - major(a);
    const int dMinor = std::abs(minor(b) - minor(a));
    const int step = minor(a) < minor(b) ? 1 : -1;
    int decision = 2 * dMinor - dMajor;
    int m = minor(a);
    for (int k = major(a); k <= major(b); ++k) {
        out.push_back(swapAxes ? QPoint(m, k) : QPoint(k, m));
        if (decision > 0) {
            m += step;
            decision -= 2 * dMajor;
        }
        decision += 2 * dMinor;
    }
}

void addMirrored(std::vector<QPoint> &out, QPoint centre, int x, int y)
{
    out.push_back({centre.x() + x, centre.y() + y});
    out.push_back({centre.x() - x, centre.y() + y});
    out.push_back({centre.x() + x, centre.y() - y});
    out.push_back({centre.x() - x, centre.y() - y});
}

// One quadrant of the midpoint ellipse, decisions scaled by 4 to stay integral.
void midpointEllipse(QPoint centre, std::int64_t rx, std::int64_t ry, std::vector<QPoint> &out)
{
    const std::int64_t rx2 = rx * rx, ry2 = ry * ry;
    std::int64_t x = 0, y = ry;
    std::int64_t dx = 0, dy = 2 * rx2 * y;
    std::int64_t p = 4 * ry2 - 4 * rx2 * ry + rx2;
    while (dx < dy) {  // slope below 1
        addMirrored(out, centre, int(x), int(y));
        ++x;
        dx += 2 * ry2;
        if (p < 0) {
            p += 4 * (dx + ry2);
        } else {
            --y;
            dy -= 2 * rx2;
            p += 4 * (dx - dy + ry2);
        }
    }
    p = ry2 * (2 * x + 1) * (2 * x + 1) + 4 * rx2 * (y - 1) * (y - 1) - 4 * rx2 * ry2;
    while (y >= 0) {
        addMirrored(out, centre, int(x), int(y));
        --y;
        dy -= 2 * rx2;
        if (p > 0) {
            p += 4 * (rx2 - dy);
        } else {
            ++x;
            dx += 2 * ry2;
            p += 4 * (dx - dy + rx2);
        }
    }
}

} // namespace

std::vector<QPoint> traceLine(QPoint from, QPoint to)
{
    std::vector<QPoint> out;
    const bool yMajor = std::abs(to.y() - from.y()) > std::abs(to.x() - from.x());
    bresenham(from, to, yMajor, out);
    return out;
}

std::vector<QPoint> traceRectangle(QPoint c0, QPoint c1)
{
    std::vector<QPoint> out;
    for (auto [a, b] : {std::pair{c0, QPoint(c1.x(), c0.y())}, std::pair{c0, QPoint(c0.x(), c1.y())},
                        std::pair{QPoint(c1.x(), c0.y()), c1}, std::pair{QPoint(c0.x(), c1.y()), c1}}) {
        const std::vector<QPoint> side = traceLine(a, b);
        out.insert(out.end(), side.begin(), side.end());
    }
    return out;
}

std::vector<QPoint> traceEllipse(QPoint c0, QPoint c1)
{
    const QPoint centre(c0.x() + (c1.x() - c0.x()) / 2, c0.y() + (c1.y() - c0.y()) / 2);
    const int rx = std::abs(c1.x() - c0.x()) / 2;
    const int ry = std::abs(c1.y() - c0.y()) / 2;
    if (rx == 0 || ry == 0)
        return traceLine({centre.x() - rx, centre.y() - ry}, {centre.x() + rx, centre.y() + ry});
    std::vector<QPoint> out;
    midpointEllipse(centre, rx, ry, out);
    return out;
}

} // namespace dravelle::editor
