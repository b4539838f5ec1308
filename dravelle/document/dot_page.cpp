#include "dravelle/document/dot_page.h"

#include "common/cross_geometry.h"

namespace dravelle::document {

int maxPageCount(int resolution)
{
    const std::size_t pageBytes = std::size_t(kChannelCount) * std::size_t(resolution) * std::size_t(resolution)
                                  * sizeof(std::int32_t);
    return pageBytes == 0 ? 0 : int(kPagesMemoryBudget / 2 / pageBytes);
}

DotPage DotPage::blank(int resolution)
{
    DotPage page;
    for (auto &plane : page.planes)
        plane.assign(std::size_t(resolution) * std::size_t(resolution), kNotADot);
    return page;
}

DotPage DotPage::crossMask(int resolution)
{
    DotPage page = blank(resolution);
    for (int y = 0; y < resolution; ++y)
        for (int x = 0; x < resolution; ++x) {
            if (!common::CrossGeometry::inCross(resolution, x, y))
                continue;
            for (int c = 0; c < kChannelCount; ++c)
                page.planes[c][std::size_t(x + y * resolution)] = offCode(c);
        }
    return page;
}

bool DotPage::isCrossDot(int index) const
{
    for (const auto &plane : planes)
        if (plane[std::size_t(index)] != kNotADot)
            return true;
    return false;
}

int DotPage::colourAt(int index) const
{
    int bits = 0;
    for (int c = 0; c < kChannelCount; ++c)
        if (isOn(c, index))
            bits |= channelBit(c);
    return bits;
}

void DotPage::setColourAt(int index, int colourBits)
{
    for (int c = 0; c < kChannelCount; ++c) {
        std::int32_t &code = planes[c][std::size_t(index)];
        if (code != kNotADot)
            code = (colourBits & channelBit(c)) ? onCode(c) : offCode(c);
    }
}

void DotPage::reverse(int channelBits)
{
    reverseOnly(channelBits, false);
}

void DotPage::reverseOnly(int channelBits, bool onlyOn)
{
    for (int c = 0; c < kChannelCount; ++c) {
        if (!(channelBits & channelBit(c)))
            continue;
        for (std::int32_t &code : planes[c]) {
            if (code == onCode(c))
                code = offCode(c);
            else if (code == offCode(c) && !onlyOn)
                code = onCode(c);
        }
    }
}

int DotPage::litDotCount() const
{
    int lit = 0;
    for (int i = 0; i < dotCount(); ++i)
        if (colourAt(i) != 0)
            ++lit;
    return lit;
}

void layOver(DotPage &page, const DotPage &words)
{
    for (int c = 0; c < kChannelCount; ++c) {
        auto &target = page.planes[c];
        const auto &source = words.planes[c];
        const std::size_t n = std::min(target.size(), source.size());
        for (std::size_t i = 0; i < n; ++i)
            if (source[i] != kNotADot)
                target[i] = source[i];
    }
}

} // namespace dravelle::document
