#pragma once

#include "common/cross_geometry.h"
#include "halvane/encode/memory_image.h"
#include "halvane/encode/text_font.h"

#include <QImage>
#include <QStringList>

#include <cstdint>
#include <span>
#include <vector>

namespace halvane::encode {

// The text record: the whole text of a message rendered once into the text
// band and packed column by column, which the cross scrolls by itself.
//
//   0     0x01, 0x01
//   2     B: rows per column (16 or 32)
//   3     C >> 8, C & 0xFF: the number of 8-dot columns
//   5     speed - 1 (0..6)
//   6     0x02, then nine reserved zero bytes
//   16    C x B bytes: byte 16 + c x B + r holds the dots of row r (0 = top of
//         the band) at x = 8c .. 8c + 7, the leftmost dot in the top bit.
//
// The strip behind it is W = w8 + S dots wide (w8: the text's width padded to
// a multiple of 8), so the text can scroll out of the cross completely; C = W / 8.
// The fd rows at the top and at the bottom of the band stay dark.

inline constexpr int kTextRecordHeaderSize = 16;

// The record of `message` on a cross of `geometry`, with the Fonts list
// `fontNames` (settings::readFontNames of Halvane.ini). A text longer
// than 255 characters is cut there; a speed outside 1..7 is brought into it.
std::vector<std::uint8_t> textRecord(const project::TextSettings &message, const QStringList &fontNames,
                                     const common::CrossGeometry &geometry);

// Appends the record of `message` to the Text image at `size` (the send job's
// "render text record"). Nothing is written when it does not fit.
AppendResult renderTextRecord(const project::TextSettings &message, const QStringList &fontNames,
                              const common::CrossGeometry &geometry,
                              std::span<std::uint8_t> image, std::size_t size);

// Packs a rendered text area into a record: `textArea` is W dots wide (a
// multiple of 8) and bandHeight - 2 x frameDots rows high; it lands in the
// band at row frameDots, the rows above and below it stay dark.
std::vector<std::uint8_t> packTextRecord(const QImage &textArea, int frameDots, int bandHeight,
                                         int speed);

} // namespace halvane::encode
