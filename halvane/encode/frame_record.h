#pragma once

#include "halvane/encode/memory_image.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <span>

namespace halvane::encode {

// The frame record: one picture of the cross as the cross stores it.
//
//   0     0x01, 0x01
//   2     (delay / 4) >> 8, (delay / 4) & 0xFF: the display time in 4 ms units
//   4     0x02, then eleven reserved zero bytes
//   16    F bytes of dots: the strip packed row by row, top row first, the
//         leftmost dot in the top bit of each byte
//
// The strip holds the plus shape of the S x S canvas as three rectangles side
// by side: on a 48 cross (80 x 16, F = 160) the top arm, the bottom arm and
// the whole horizontal bar; on a 64 cross (96 x 32, F = 384) the top and
// bottom arms stacked in the left 32 columns and the bar in the right 64.

inline constexpr int kFrameHeaderSize = 16;

// One rectangle copy from the canvas into the strip.
struct StripCopy {
    int sourceX, sourceY, width, height; // on the S x S canvas
    int stripX, stripY;                  // where it lands in the strip
};

// The three copies for a cross of side 48 or 64 (anything else counts as 48).
const std::array<StripCopy, 3> &stripCopies(int side);

int stripWidth(int side);      // 80 or 96
int stripHeight(int side);     // 16 or 32
int frameDataSize(int side);   // F: 160 or 384
int frameRecordSize(int side); // 16 + F: 176 or 400

// The delay of a frame in the cross's 4 ms units (remainder dropped), held to
// 0 .. 0xFFFF: a delay beyond 262,140 ms stays the longest the cross can
// show instead of wrapping round to a short one.
int delayUnits(int delayMs);

// Writes the 16-byte header with `delayMs` at `out` (16 bytes).
void writeFrameHeader(std::span<std::uint8_t, kFrameHeaderSize> out, int delayMs);

// Packs the plus shape of `canvas` into the F bytes of a cross of `side` at
// the start of `out`; a dot is lit when its canvas pixel is not black. A
// canvas that is not side x side gives dark dots.
void packFrame(const QImage &canvas, int side, std::span<std::uint8_t> out);

// Appends one frame record of `canvas` (side x side) with `delayMs`; nothing
// when it does not fit.
AppendResult appendFrameRecord(const QImage &canvas, int side, int delayMs,
                               std::span<std::uint8_t> image, std::size_t size);

} // namespace halvane::encode
