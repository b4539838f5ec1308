#pragma once

#include <vector>

namespace common {

// The shape of the cross: an S x S square of dots without its four 16 x 16
// corners. The vertical bar is columns 16 .. S - 17, the horizontal bar (the
// text band) rows 16 .. S - 17. Dot (x, y) counts columns from the left and
// rows from the top.
struct CrossGeometry {
    static constexpr int kCorner = 16;
    static constexpr int kSmallSide = 48;
    static constexpr int kLargeSide = 64;

    int side = kSmallSide;     // S: 48 or 64
    int harnessFrameDots = 0;  // fd: 0..3

    // B = S - 32: the height of the text band (16 or 32).
    int barHeight() const { return side - 2 * kCorner; }

    // Whether dot (x, y) of the S x S square belongs to the cross.
    bool contains(int x, int y) const { return inCross(side, x, y); }
    static bool inCross(int side, int x, int y);

    // 1280 for a 48 cross, 3072 for a 64 cross.
    int dotCount() const { return dotCount(side); }
    static int dotCount(int side);

    // The plus-shape mask, row by row: mask[y * S + x] is true inside the cross.
    std::vector<bool> mask() const;

    // CROSSSTYLE 1 means 64 x 64; anything else (0, 99, garbage) means 48 x 48.
    static int sideForCrossStyle(int crossStyle);
    // The harness frame dots setting limited to 0..3.
    static int clampFrameDots(int frameDots);
    static CrossGeometry fromSettings(int crossStyle, int harnessFrameDots);
};

} // namespace common
