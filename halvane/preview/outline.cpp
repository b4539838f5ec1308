#include "halvane/preview/outline.h"

#include "common/cross_geometry.h"
#include "halvane/encode/dot_image.h"
#include "halvane/preview/canvas.h"

namespace halvane::preview {

namespace {

constexpr int kCorner = common::CrossGeometry::kCorner;

bool isOneOf(int v, int a, int b)
{
    return v == a || v == b;
}

bool isOneOf(int v, int a, int b, int c, int d)
{
    return v == a || v == b || v == c || v == d;
}

// The vertical edges of the two-dot outline: the outer left and right edges
// and the inner verticals beside the corners.
bool onTwoDotVertical(int s, int x)
{
    return isOneOf(x, 0, 1, s - 2, s - 1) || isOneOf(x, kCorner, kCorner + 1, s - 18, s - 17);
}

} // namespace

int outlineThickness(int frameStyle)
{
    switch (frameStyle) {
    case kStyleOneDot:
    case kStyleFlashOneDot:
        return 1;
    case kStyleTwoDots:
    case kStyleMove:
    case kStyleFlashTwoDots:
        return 2;
    default:
        return 0;
    }
}

// The rules are tried in order; the first whose dot set (column or row)
// holds the dot decides, so corner dots are judged as vertical edges.
bool onOneDotOutline(int s, int x, int y)
{
    if (isOneOf(x, 0, s - 1))
        return y >= kCorner && y <= s - 17;
    if (isOneOf(x, kCorner, s - 17))
        return y <= kCorner || y >= s - 17;
    if (isOneOf(y, 0, s - 1))
        return x >= kCorner && x <= s - 17;
    if (isOneOf(y, kCorner, s - 17))
        return x <= kCorner || x >= s - 17;
    return false;
}

bool onTwoDotOutline(int s, int x, int y)
{
    if (isOneOf(x, 0, 1, s - 2, s - 1))
        return y >= kCorner && y <= s - 17;
    if (isOneOf(x, kCorner, kCorner + 1, s - 18, s - 17))
        return y <= kCorner + 1 || y >= s - 18;
    if (isOneOf(y, 0, 1, s - 2, s - 1))
        return x >= kCorner && x <= s - 17;
    if (isOneOf(y, kCorner, kCorner + 1, s - 18, s - 17))
        return x <= kCorner + 1 || x >= s - 18;
    return false;
}

bool moveFirstColour(int s, int x, int y)
{
    const bool vertical = onTwoDotVertical(s, x);
    const int p = (vertical ? y : x) % 4;
    const int along = vertical ? x : y;
    const bool leftOrTop = isOneOf(along, 0, 1, kCorner, kCorner + 1);
    return leftOrTop ? p <= 1 : p >= 2;
}

void drawOutline(QImage &canvas, int frameStyle, long long seconds)
{
    const int t = outlineThickness(frameStyle);
    if (t == 0)
        return;
    if (canvas.format() != QImage::Format_RGB32)
        canvas.convertTo(QImage::Format_RGB32);
    const int s = canvas.width();
    const bool even = seconds % 2 == 0;
    const bool flashing = frameStyle == kStyleFlashOneDot || frameStyle == kStyleFlashTwoDots;
    const QRgb steady = (!flashing || even) ? encode::kDotGreen : kDark;
    for (int y = 0; y < canvas.height() && y < s; ++y) {
        auto *line = reinterpret_cast<QRgb *>(canvas.scanLine(y));
        for (int x = 0; x < s; ++x) {
            if (!(t == 1 ? onOneDotOutline(s, x, y) : onTwoDotOutline(s, x, y)))
                continue;
            if (frameStyle == kStyleMove)
                line[x] = (moveFirstColour(s, x, y) == even) ? encode::kDotGreen : kDark;
            else
                line[x] = steady;
        }
    }
}

void SecondsCounter::add(long long ms)
{
    m_sum += ms;
    if (m_sum >= 1000) {
        m_sum = 0;
        ++m_seconds;
    }
}

} // namespace halvane::preview
