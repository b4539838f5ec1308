#include "halvane/encode/frame_record.h"

#include "common/cross_geometry.h"
#include "halvane/encode/dot_image.h"

#include <algorithm>

namespace halvane::encode {

namespace {

bool isLarge(int side)
{
    return side == common::CrossGeometry::kLargeSide;
}

bool isCrossSide(int side)
{
    return side == common::CrossGeometry::kSmallSide || isLarge(side);
}

} // namespace

const std::array<StripCopy, 3> &stripCopies(int side)
{
    static constexpr std::array<StripCopy, 3> kSmall{{
        {16, 0, 16, 16, 0, 0},  // top arm
        {16, 32, 16, 16, 16, 0}, // bottom arm
        {0, 16, 48, 16, 32, 0},  // horizontal bar
    }};
    static constexpr std::array<StripCopy, 3> kLarge{{
        {16, 0, 32, 16, 0, 0},   // top arm
        {16, 48, 32, 16, 0, 16}, // bottom arm
        {0, 16, 64, 32, 32, 0},  // horizontal bar
    }};
    return isLarge(side) ? kLarge : kSmall;
}

int stripWidth(int side)
{
    return isLarge(side) ? 96 : 80;
}

int stripHeight(int side)
{
    return isLarge(side) ? 32 : 16;
}

int frameDataSize(int side)
{
    return stripWidth(side) / 8 * stripHeight(side);
}

int frameRecordSize(int side)
{
    return kFrameHeaderSize + frameDataSize(side);
}

int delayUnits(int delayMs)
{
    return std::clamp(delayMs / 4, 0, 0xFFFF);
}

void writeFrameHeader(std::span<std::uint8_t, kFrameHeaderSize> out, int delayMs)
{
    const int units = delayUnits(delayMs);
    std::fill(out.begin(), out.end(), std::uint8_t(0));
    out[0] = 0x01;
    out[1] = 0x01;
    out[2] = std::uint8_t(units >> 8);
    out[3] = std::uint8_t(units & 0xFF);
    out[4] = 0x02;
}

void packFrame(const QImage &canvas, int side, std::span<std::uint8_t> out)
{
    const int rowBytes = stripWidth(side) / 8;
    const auto bytes = std::size_t(frameDataSize(side));
    if (out.size() < bytes)
        return;
    std::fill(out.begin(), out.begin() + std::ptrdiff_t(bytes), std::uint8_t(0));
    if (canvas.width() != side || canvas.height() != side || !isCrossSide(side))
        return;
    const QImage source = canvas.format() == QImage::Format_RGB32
                              ? canvas
                              : canvas.convertToFormat(QImage::Format_RGB32);
    for (const StripCopy &copy : stripCopies(side)) {
        for (int y = 0; y < copy.height; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(source.constScanLine(copy.sourceY + y));
            const int row = (copy.stripY + y) * rowBytes;
            for (int x = 0; x < copy.width; ++x) {
                if (!isLit(line[copy.sourceX + x]))
                    continue;
                const int stripX = copy.stripX + x;
                out[std::size_t(row + stripX / 8)] |= std::uint8_t(0x80u >> (stripX % 8));
            }
        }
    }
}

AppendResult appendFrameRecord(const QImage &canvas, int side, int delayMs,
                               std::span<std::uint8_t> image, std::size_t size)
{
    const auto recordSize = std::size_t(frameRecordSize(side));
    if (!hasRoom(image, size, recordSize))
        return {size, false};
    const auto record = image.subspan(size, recordSize);
    writeFrameHeader(record.first<kFrameHeaderSize>(), delayMs);
    packFrame(canvas, side, record.subspan(kFrameHeaderSize));
    return {size + recordSize, true};
}

} // namespace halvane::encode
