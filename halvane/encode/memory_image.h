#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace halvane::encode {

// The send job's memory images (TOC, Animations, Text) are fixed buffers that
// are filled from the front; the caller keeps the number of bytes used. The
// encoders append whole records: a record that would run past the end of the
// buffer is not written at all, and the caller learns that it did not fit.
// Nothing is ever written beyond image.size().

struct AppendResult {
    std::size_t size = 0; // bytes used after the append; unchanged when it did not fit
    bool fits = true;     // false: nothing was written, the data needs more room

    explicit operator bool() const { return fits; }
};

// Whether `count` more bytes fit after the first `size` bytes of `image`.
bool hasRoom(std::span<const std::uint8_t> image, std::size_t size, std::size_t count);

// Appends `bytes` at `size`, or nothing when they do not fit.
AppendResult appendBytes(std::span<std::uint8_t> image, std::size_t size,
                         std::span<const std::uint8_t> bytes);

// The two bytes 0xFF 0xFF that end an animation and the table of contents.
AppendResult appendEndMark(std::span<std::uint8_t> image, std::size_t size);

} // namespace halvane::encode
