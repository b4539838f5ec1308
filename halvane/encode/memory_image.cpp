#include "halvane/encode/memory_image.h"

#include <algorithm>
#include <array>

namespace halvane::encode {

bool hasRoom(std::span<const std::uint8_t> image, std::size_t size, std::size_t count)
{
    return size <= image.size() && count <= image.size() - size;
}

AppendResult appendBytes(std::span<std::uint8_t> image, std::size_t size,
                         std::span<const std::uint8_t> bytes)
{
    if (!hasRoom(image, size, bytes.size()))
        return {size, false};
    std::copy(bytes.begin(), bytes.end(), image.begin() + std::ptrdiff_t(size));
    return {size + bytes.size(), true};
}

AppendResult appendEndMark(std::span<std::uint8_t> image, std::size_t size)
{
    static constexpr std::array<std::uint8_t, 2> kEndMark{0xFF, 0xFF};
    return appendBytes(image, size, kEndMark);
}

} // namespace halvane::encode
