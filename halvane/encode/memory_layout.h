#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <cstdint>

namespace halvane::encode {

// The cross's memory as a send fills it: one 8 MiB store written in blocks of
// 4096 bytes and addressed in units of 2 bytes (the address of a byte is its
// position divided by 2), with three regions:
//
//   TOC          bytes 0 .. 65,535              blocks 0 .. 15
//   Animations   bytes 65,536 .. 7,340,031      blocks 16 .. 1791
//   Text         bytes 7,340,032 .. 8,388,607   blocks 1792 .. 2047

inline constexpr std::size_t kBlockSize = 4096;
inline constexpr std::size_t kCrossMemorySize = 8 * 1024 * 1024;

enum class Region { Toc, Animations, Text };

struct MemoryRegion {
    Region region;
    const char *name;     // "TOC", "Animations", "Text", as the status texts name them
    std::size_t start;    // byte position of the region's first byte
    std::size_t capacity; // bytes

    int firstBlock() const { return int(start / kBlockSize); }
};

inline constexpr MemoryRegion kTocRegion{Region::Toc, QT_TRANSLATE_NOOP("UsageText", "TOC"), 0, 65536};
inline constexpr MemoryRegion kAnimationsRegion{Region::Animations, QT_TRANSLATE_NOOP("UsageText", "Animations"),
                                                65536, 7274496};
inline constexpr MemoryRegion kTextRegion{Region::Text, QT_TRANSLATE_NOOP("UsageText", "Text"), 7340032, 1048576};
inline constexpr std::array<MemoryRegion, 3> kRegions{kTocRegion, kAnimationsRegion, kTextRegion};

// The number of blocks an image of `size` bytes takes: a remainder counts as
// one more block, an empty image takes none.
int blockCount(std::size_t size);

// The 2-byte-unit address of byte `offset` of a region.
std::uint32_t wordAddress(const MemoryRegion &region, std::size_t offset);

// A 24-bit address as three bytes, most significant first.
std::array<std::uint8_t, 3> addressBytes(std::uint32_t address);

} // namespace halvane::encode
