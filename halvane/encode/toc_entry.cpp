#include "halvane/encode/toc_entry.h"

#include "halvane/encode/memory_layout.h"

namespace halvane::encode {
namespace {

constexpr std::uint8_t kPictureStyleBase = 0x10;

// Byte 6 of a data message: which message the cross draws.
constexpr std::array<std::uint8_t, project::kItemCount> kMessageKind{0x08, 0x04, 0x01, 0x80};

TocEntry blankEntry()
{
    TocEntry entry{};
    entry[0] = 0x01;
    entry[1] = 0x01;
    return entry;
}

void putAddress(TocEntry &entry, std::size_t at, std::uint32_t address)
{
    const auto bytes = addressBytes(address);
    entry[at] = bytes[0];
    entry[at + 1] = bytes[1];
    entry[at + 2] = bytes[2];
}

std::uint8_t low8(std::int64_t value)
{
    return std::uint8_t(value & 0xFF);
}

} // namespace

TocEntry animationTocEntry(const project::AnimationEntry &entry, bool picture,
                           std::uint32_t animationAddress)
{
    TocEntry toc = blankEntry();
    putAddress(toc, 2, animationAddress);
    const std::int64_t style = std::int64_t(entry.frameStyle) - 1;
    toc[5] = picture ? low8(kPictureStyleBase + style) : low8(std::int64_t(entry.reserved) * 16 + style);
    toc[10] = low8(entry.loop);
    return toc;
}

TocEntry itemTocEntry(int item, const project::ItemSettings &settings,
                      std::uint32_t backAnimationAddress)
{
    TocEntry toc = blankEntry();
    putAddress(toc, 2, backAnimationAddress);
    toc[5] = low8(std::int64_t(settings.styleA) * 16 + settings.frameStyle - 1);
    toc[6] = low8(std::int64_t(settings.styleB) * 16 + kMessageKind.at(std::size_t(item)));
    toc[11] = low8(settings.time);
    return toc;
}

TocEntry textTocEntry(std::uint32_t backAnimationAddress, std::uint32_t textAddress)
{
    TocEntry toc = blankEntry();
    putAddress(toc, 2, backAnimationAddress);
    putAddress(toc, 7, textAddress);
    return toc;
}

} // namespace halvane::encode
