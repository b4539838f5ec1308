#include "common/cross_geometry.h"

#include <algorithm>

namespace common {

bool CrossGeometry::inCross(int side, int x, int y)
{
    if (x < 0 || y < 0 || x >= side || y >= side)
        return false;
    const int last = side - kCorner - 1;
    const bool inVerticalBar = x >= kCorner && x <= last;
    const bool inHorizontalBar = y >= kCorner && y <= last;
    return inVerticalBar || inHorizontalBar;
}

int CrossGeometry::dotCount(int side)
{
    return side * side - 4 * kCorner * kCorner;
}

std::vector<bool> CrossGeometry::mask() const
{
    std::vector<bool> m(std::size_t(side) * std::size_t(side));
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            m[std::size_t(y) * std::size_t(side) + std::size_t(x)] = contains(x, y);
    return m;
}

int CrossGeometry::sideForCrossStyle(int crossStyle)
{
    return crossStyle == 1 ? kLargeSide : kSmallSide;
}

int CrossGeometry::clampFrameDots(int frameDots)
{
    return std::clamp(frameDots, 0, 3);
}

CrossGeometry CrossGeometry::fromSettings(int crossStyle, int harnessFrameDots)
{
    return {sideForCrossStyle(crossStyle), clampFrameDots(harnessFrameDots)};
}

} // namespace common
