#include "dravelle/document/packed_page.h"

namespace dravelle::document {

namespace {

// 0, 1, 2 for not-a-dot, off and on; -1 for a code of another plane.
int symbolOf(std::int32_t code, int channel)
{
    if (code == kNotADot)
        return 0;
    if (code == offCode(channel))
        return 1;
    if (code == onCode(channel))
        return 2;
    return -1;
}

std::int32_t codeOf(int symbol, int channel)
{
    return symbol == 0 ? kNotADot : (symbol == 1 ? offCode(channel) : onCode(channel));
}

} // namespace

PackedPage PackedPage::pack(const DotPage &page)
{
    PackedPage packed;
    packed.m_dots = page.dotCount();
    const std::size_t symbols = std::size_t(packed.m_dots) * kChannelCount;
    packed.m_bits.assign((symbols + 3) / 4, 0);
    std::size_t k = 0;
    for (int c = 0; c < kChannelCount; ++c) {
        for (std::int32_t code : page.planes[c]) {
            const int symbol = symbolOf(code, c);
            if (symbol < 0 || page.planes[c].size() != std::size_t(packed.m_dots)) {
                packed.m_bits.clear();
                packed.m_bits.shrink_to_fit();
                packed.m_raw = page;
                return packed;
            }
            packed.m_bits[k / 4] |= std::uint8_t(symbol << (2 * (k % 4)));
            ++k;
        }
    }
    return packed;
}

DotPage PackedPage::unpack() const
{
    if (m_raw)
        return *m_raw;
    DotPage page;
    std::size_t k = 0;
    for (int c = 0; c < kChannelCount; ++c) {
        page.planes[c].resize(std::size_t(m_dots));
        for (std::int32_t &code : page.planes[c]) {
            code = codeOf((m_bits[k / 4] >> (2 * (k % 4))) & 3, c);
            ++k;
        }
    }
    return page;
}

std::size_t PackedPage::bytes() const
{
    std::size_t held = sizeof(PackedPage) + m_bits.capacity();
    if (m_raw)
        for (const auto &plane : m_raw->planes)
            held += plane.capacity() * sizeof(std::int32_t);
    return held;
}

} // namespace dravelle::document
