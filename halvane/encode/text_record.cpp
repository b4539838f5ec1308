#include "halvane/encode/text_record.h"

#include "halvane/encode/dot_image.h"

#include <algorithm>

namespace halvane::encode {

namespace {

void writeHeader(std::vector<std::uint8_t> &record, int bandHeight, int columns, int speed)
{
    record[0] = 0x01;
    record[1] = 0x01;
    record[2] = std::uint8_t(bandHeight);
    record[3] = std::uint8_t(columns >> 8);
    record[4] = std::uint8_t(columns & 0xFF);
    record[5] = std::uint8_t(std::clamp(speed, project::kMinTextSpeed, project::kMaxTextSpeed) - 1);
    record[6] = 0x02;
    // bytes 7..15 are reserved and stay 0
}

// The eight dots of `row` at x = 8 column .. 8 column + 7, leftmost in the top bit.
std::uint8_t dotByte(const QRgb *row, int column)
{
    std::uint8_t byte = 0;
    for (int k = 0; k < 8; ++k)
        if (isLit(row[8 * column + k]))
            byte |= std::uint8_t(0x80u >> k);
    return byte;
}

} // namespace

std::vector<std::uint8_t> packTextRecord(const QImage &textArea, int frameDots, int bandHeight,
                                         int speed)
{
    const QImage area = textArea.convertToFormat(QImage::Format_RGB32);
    const int columns = area.width() / 8;
    const int rows = std::min(area.height(), bandHeight - 2 * frameDots);
    std::vector<std::uint8_t> record(
        kTextRecordHeaderSize + std::size_t(columns) * std::size_t(bandHeight), 0);
    writeHeader(record, bandHeight, columns, speed);
    for (int y = 0; y < rows; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(area.constScanLine(y));
        const std::size_t r = std::size_t(frameDots + y);
        for (int c = 0; c < columns; ++c)
            record[kTextRecordHeaderSize + std::size_t(c) * std::size_t(bandHeight) + r] =
                dotByte(line, c);
    }
    return record;
}

std::vector<std::uint8_t> textRecord(const project::TextSettings &message, const QStringList &fontNames,
                                     const common::CrossGeometry &geometry)
{
    const QFont font = engineFont(textFont(message, fontNames, geometry));
    const QString text = lineText(message);
    // C = W / 8 is a 16-bit count; 255 characters of a 46-dot cell stay far below it.
    const int width = padToByte(measureText(font, text)) + geometry.side;
    const int frameDots = common::CrossGeometry::clampFrameDots(geometry.harnessFrameDots);
    const int band = geometry.barHeight();
    QImage area = blackImage(width, band - 2 * frameDots);
    drawTextLine(area, font, text, 0, textTop(message));
    return packTextRecord(area, frameDots, band, message.speed);
}

AppendResult renderTextRecord(const project::TextSettings &message, const QStringList &fontNames,
                              const common::CrossGeometry &geometry,
                              std::span<std::uint8_t> image, std::size_t size)
{
    return appendBytes(image, size, textRecord(message, fontNames, geometry));
}

} // namespace halvane::encode
