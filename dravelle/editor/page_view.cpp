#include "dravelle/editor/page_view.h"

#include <QPainter>

#include <algorithm>

namespace dravelle::editor {

using namespace dravelle::document;

QRgb displayColour(const DotPage &page, int index)
{
    int value[kChannelCount];
    for (int c = 0; c < kChannelCount; ++c) {
        const std::int32_t code = page.planes[c][std::size_t(index)];
        value[c] = code == kNotADot ? 128 : (code == onCode(c) ? 255 : 0);
    }
    return qRgb(value[kRedChannel], value[kGreenChannel], value[kBlueChannel]);
}

QImage pageImage(const DotPage &page, int resolution)
{
    QImage image(resolution, resolution, QImage::Format_RGB32);
    for (int y = 0; y < resolution; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < resolution; ++x)
            line[x] = displayColour(page, x + y * resolution);
    }
    return image;
}

int CellGeometry::cellSizeFor(int width, int height, int resolution)
{
    return std::max(kMinCellSize, std::min(width, height) / resolution);
}

bool CellGeometry::containsPixel(QPoint pixel) const
{
    return pixel.x() >= 0 && pixel.y() >= 0 && pixel.x() < squareSize() && pixel.y() < squareSize();
}

QRect CellGeometry::cellRect(QPoint cell) const
{
    return {cell.x() * cellSize + 1, cell.y() * cellSize + 1, cellSize - 1, cellSize - 1};
}

QPoint CellGeometry::strokePoint(QPoint cell) const
{
    return {cell.x() * cellSize + 1, cell.y() * cellSize + 1};
}

void drawPage(QImage &square, const CellGeometry &geometry, const DotPage &page)
{
    QPainter painter(&square);
    painter.fillRect(0, 0, geometry.squareSize(), geometry.squareSize(), QColor(kGridColour));
    for (int y = 0; y < geometry.resolution; ++y)
        for (int x = 0; x < geometry.resolution; ++x)
            painter.fillRect(geometry.cellRect({x, y}), QColor(displayColour(page, geometry.indexOf({x, y}))));
}

QImage squareImage(const CellGeometry &geometry, const DotPage &page)
{
    QImage square(geometry.squareSize(), geometry.squareSize(), QImage::Format_RGB32);
    drawPage(square, geometry, page);
    return square;
}

QRgb onionColour(int colourBits)
{
    constexpr int kFaint = 80;
    return qRgb(colourBits & kColourBitRed ? kFaint : 0, colourBits & kColourBitGreen ? kFaint : 0,
                colourBits & kColourBitBlue ? kFaint : 0);
}

QImage withOnionSkin(const QImage &square, const CellGeometry &geometry, const DotPage &under)
{
    QImage shown = square.copy();
    if (under.dotCount() != geometry.resolution * geometry.resolution)
        return shown;
    QPainter painter(&shown);
    for (int y = 0; y < geometry.resolution; ++y)
        for (int x = 0; x < geometry.resolution; ++x) {
            const int bits = under.colourAt(geometry.indexOf({x, y}));
            if (bits != 0 && square.pixel(geometry.readBackPixel({x, y})) == qRgb(0, 0, 0))
                painter.fillRect(geometry.cellRect({x, y}), QColor(onionColour(bits)));
        }
    return shown;
}

} // namespace dravelle::editor
