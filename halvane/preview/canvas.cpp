#include "halvane/preview/canvas.h"

#include "halvane/encode/dot_image.h"

#include <algorithm>

namespace halvane::preview {

namespace {

QRgb pixelOrBlack(const QImage &image, int x, int y)
{
    return image.valid(x, y) ? image.pixel(x, y) : kDark;
}

} // namespace

QImage blackCanvas(const common::CrossGeometry &geometry)
{
    return encode::blackImage(geometry.side, geometry.side);
}

void copyWindow(QImage &canvas, int x, int y, const QImage &source, int sourceX, int sourceY,
                int width, int height)
{
    if (canvas.format() != QImage::Format_RGB32)
        canvas.convertTo(QImage::Format_RGB32);
    // Only the rows and columns that land on the canvas are visited.
    const int top = std::max(0, -y);
    const int bottom = std::min(height, canvas.height() - y);
    const int left = std::max(0, -x);
    const int right = std::min(width, canvas.width() - x);
    for (int row = top; row < bottom; ++row) {
        auto *line = reinterpret_cast<QRgb *>(canvas.scanLine(y + row));
        for (int col = left; col < right; ++col)
            line[x + col] = pixelOrBlack(source, sourceX + col, sourceY + row) | kDark;
    }
}

void placeCaption(QImage &canvas, const QImage &caption, int sourceX, int t,
                  const common::CrossGeometry &geometry)
{
    const int s = geometry.side;
    const int b = geometry.barHeight();
    copyWindow(canvas, t, common::CrossGeometry::kCorner + t, caption, sourceX + t, t, s - 2 * t,
               b - 2 * t);
}

void placeText(QImage &canvas, const QImage &strip, int sourceX, const common::CrossGeometry &geometry)
{
    const int fd = geometry.harnessFrameDots;
    copyWindow(canvas, fd, common::CrossGeometry::kCorner + fd, strip, sourceX, 0,
               geometry.side - 2 * fd, geometry.barHeight() - 2 * fd);
}

void makeLitPixelsGreen(QImage &canvas)
{
    if (canvas.format() != QImage::Format_RGB32)
        canvas.convertTo(QImage::Format_RGB32);
    for (int y = 0; y < canvas.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(canvas.scanLine(y));
        for (int x = 0; x < canvas.width(); ++x)
            if (encode::isLit(line[x]))
                line[x] = encode::kDotGreen;
    }
}

QImage thumbnailImage(const QImage &canvas)
{
    return canvas.scaled(kThumbnailSize, kThumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace halvane::preview
