#pragma once

#include "common/cross_geometry.h"

#include <QImage>

namespace halvane::preview {

// The S x S canvas of the preview and the copies that put captions and texts
// onto it. Canvases are RGB32 images; a pixel that is not pure black is a
// lit dot.

// A dark dot (black); lit dots are drawn in encode::kDotGreen.
inline constexpr QRgb kDark = 0xFF000000u;

// The edge of a play list thumbnail in pixels.
inline constexpr int kThumbnailSize = 32;

// An S x S black canvas.
QImage blackCanvas(const common::CrossGeometry &geometry);

// Copies the `width` x `height` window of `source` whose top left is
// (sourceX, sourceY) onto the canvas at (x, y), replacing what was there,
// black included. Parts of the window outside the source copy as black;
// parts outside the canvas are left out.
void copyWindow(QImage &canvas, int x, int y, const QImage &source, int sourceX, int sourceY,
                int width, int height);

// Places a caption bitmap in the text band inside an outline of thickness t:
// the window (S - 2t) x (B - 2t) of `caption` at (sourceX + t, t) goes to
// column t, row 16 + t, so the outline stays visible around it.
void placeCaption(QImage &canvas, const QImage &caption, int sourceX, int t,
                  const common::CrossGeometry &geometry);

// Places a text strip in the text band inside the harness frame dots: the
// window (S - 2fd) x (B - 2fd) of `strip` at (sourceX, 0) goes to column fd,
// row 16 + fd.
void placeText(QImage &canvas, const QImage &strip, int sourceX,
               const common::CrossGeometry &geometry);

// Sets every pixel that is not black to pure green (animation and picture
// thumbnails show lit dots as the cross would).
void makeLitPixelsGreen(QImage &canvas);

// The whole canvas stretched smoothly into a 32 x 32 thumbnail.
QImage thumbnailImage(const QImage &canvas);

} // namespace halvane::preview
