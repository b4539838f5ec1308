#include "halvane/preview/dot_grid.h"

#include "common/cross_geometry.h"
#include "halvane/encode/dot_image.h"
#include "halvane/preview/canvas.h"

#include <algorithm>

namespace halvane::preview {

namespace {

constexpr int kCorner = common::CrossGeometry::kCorner;
constexpr int kDialogExtraWidth = 30;
constexpr int kDialogExtraHeight = 60;

void fill(QImage &picture, int left, int top, int right, int bottom, QRgb colour)
{
    right = std::min(right, picture.width());
    bottom = std::min(bottom, picture.height());
    for (int y = std::max(top, 0); y < bottom; ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        std::fill(line + std::max(left, 0), line + std::max(right, left), colour);
    }
}

// Line r (a row or a column) spans the whole picture inside the band
// (16 .. S - 16) and only the arm (16 d .. (S - 16) d) beyond it; like a
// drawn line, it stops one pixel short of its end point.
void drawGridLines(QImage &picture, int side, int d)
{
    for (int r = 0; r < side; ++r) {
        const bool band = r >= kCorner && r <= side - kCorner;
        const int from = band ? 0 : kCorner * d;
        const int to = band ? side * d : (side - kCorner) * d;
        fill(picture, from, r * d, to, r * d + 1, kGridGrey);
        fill(picture, r * d, from, r * d + 1, to, kGridGrey);
    }
}

} // namespace

PreviewLayout previewLayout(const QSize &pictureArea, int side)
{
    PreviewLayout layout;
    layout.dotSize = side > 0 ? std::max(0, std::min(pictureArea.width(), pictureArea.height()) / side) : 0;
    const int edge = side * layout.dotSize;
    layout.crossSize = QSize(edge, edge);
    layout.dialogSize = QSize(edge + kDialogExtraWidth, edge + kDialogExtraHeight);
    return layout;
}

void drawDotGrid(QImage &picture, const QImage &canvas, int d)
{
    const int side = canvas.width();
    if (d < 1 || side < 2 * kCorner || canvas.height() < side)
        return;
    if (picture.format() != QImage::Format_RGB32)
        picture.convertTo(QImage::Format_RGB32);
    drawGridLines(picture, side, d);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            if (!common::CrossGeometry::inCross(side, x, y))
                continue;
            const QRgb colour = encode::isLit(canvas.pixel(x, y)) ? encode::kDotGreen : kDark;
            fill(picture, x * d + 1, y * d + 1, (x + 1) * d, (y + 1) * d, colour);
        }
}

QImage dotGridImage(const QImage &canvas, int d, QRgb background)
{
    const int edge = canvas.width() * std::max(d, 0);
    if (edge <= 0)
        return {};
    QImage picture(edge, edge, QImage::Format_RGB32);
    picture.fill(background);
    drawDotGrid(picture, canvas, d);
    return picture;
}

} // namespace halvane::preview
