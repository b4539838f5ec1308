#pragma once

#include "halvane/project/play_project_records.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace halvane::encode {

// One entry of the table of contents: what the cross plays for one play list
// entry, 16 bytes. Addresses are 24-bit, big-endian, in 2-byte units; every
// other field keeps only its low 8 bits.
//
//   byte   .crs           .bmp/.jpg      Hour..Humidity        Text1..3
//   0, 1   01 01          01 01          01 01                 01 01
//   2-4    animation      animation      back animation or 0   back animation or 0
//   5      reserved x 16  0x10 +         style A x 16 +        0
//          + style - 1    style - 1      style - 1
//   6      0              0              message kind          0
//   7-9    0              0              0                     text
//   10     loop           loop           0                     0
//   11     0              0              time in seconds       0
//   12-15  0              0              0                     0
//
// The message kind (byte 6) is style B x 16 + 0x08 for Hour, + 0x04 for
// Date, + 0x01 for Temperature, and (style B + 8) x 16 for Humidity.

inline constexpr std::size_t kTocEntrySize = 16;
using TocEntry = std::array<std::uint8_t, kTocEntrySize>;

// The word address 0 stands for "no back animation": no animation lives there.
inline constexpr std::uint32_t kNoBackAnimation = 0;

// A .crs animation (`picture` false) or a .bmp/.jpg picture (`picture` true)
// whose first frame record is at `animationAddress`.
TocEntry animationTocEntry(const project::AnimationEntry &entry, bool picture,
                           std::uint32_t animationAddress);

// Data message `item` (0..3: Hour, Date, Temperature, Humidity).
TocEntry itemTocEntry(int item, const project::ItemSettings &settings,
                      std::uint32_t backAnimationAddress);

// A text message whose text record is at `textAddress`.
TocEntry textTocEntry(std::uint32_t backAnimationAddress, std::uint32_t textAddress);

} // namespace halvane::encode
