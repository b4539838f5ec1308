#pragma once

#include <QImage>

namespace halvane::preview {

// The frame styles of animations and data messages (AnimationEntry and
// ItemSettings frame style 1..6) and the outlines the preview draws for them
// around the cross. Dot (x, y): x the column, y the row, 0 .. S - 1.

enum FrameStyle : int {
    kStyleNone = 1,
    kStyleOneDot = 2,
    kStyleTwoDots = 3,
    kStyleMove = 4,
    kStyleFlashOneDot = 5,
    kStyleFlashTwoDots = 6,
};

// The outline's thickness t: 0 (None and unknown styles), 1 (one-dot
// styles) or 2 (two-dot styles and Move).
int outlineThickness(int frameStyle);

// Whether dot (x, y) belongs to the one-dot outline of a cross of `side`:
// the edges of the plus shape, one dot wide.
bool onOneDotOutline(int side, int x, int y);
// The same for the two-dot outline.
bool onTwoDotOutline(int side, int x, int y);
// For a dot of the two-dot outline: whether Move gives it the first dash
// colour (green in even seconds). The dashes are two dots long and run in
// opposite senses on the left/top and the right/bottom edges.
bool moveFirstColour(int side, int x, int y);

// Draws the outline of `frameStyle` onto the S x S canvas as it looks in
// second `seconds` of the preview: steady green for One dot and Two dots,
// Move's dashes swapping every second, the flash styles green in even and
// black in odd seconds. None (and any unknown style) draws nothing.
void drawOutline(QImage &canvas, int frameStyle, long long seconds);

// The seconds counter of a preview loop: it adds up the sleep times of the
// steps and, each time the sum reaches 1000 ms or more, sets the sum to 0 and
// counts one second. Even and odd seconds drive the flashing outlines.
class SecondsCounter {
public:
    void add(long long ms);
    long long seconds() const { return m_seconds; }

private:
    long long m_sum = 0;
    long long m_seconds = 0;
};

} // namespace halvane::preview
