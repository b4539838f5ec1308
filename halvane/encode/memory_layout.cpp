#include "halvane/encode/memory_layout.h"

namespace halvane::encode {

int blockCount(std::size_t size)
{
    return int((size + kBlockSize - 1) / kBlockSize);
}

std::uint32_t wordAddress(const MemoryRegion &region, std::size_t offset)
{
    return std::uint32_t((region.start + offset) / 2);
}

std::array<std::uint8_t, 3> addressBytes(std::uint32_t address)
{
    return {std::uint8_t(address >> 16), std::uint8_t(address >> 8), std::uint8_t(address)};
}

} // namespace halvane::encode
