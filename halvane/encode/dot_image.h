#pragma once

#include <QImage>

namespace halvane::encode {

// The off-screen bitmaps of the encoders and the preview. Every one is an
// RGB32 image that starts black; only whether a pixel is black is ever read
// back, so anti-aliased fringes and colours all count as lit dots.

// A width x height bitmap, every pixel black.
QImage blackImage(int width, int height);

// The colour in which texts and captions are drawn (red 0, green 255, blue 0).
inline constexpr QRgb kDotGreen = 0xFF00FF00u;

// The lit test: a pixel is a lit dot when its colour is not pure black.
inline bool isLit(QRgb pixel)
{
    return (pixel & 0x00FFFFFFu) != 0;
}

} // namespace halvane::encode
