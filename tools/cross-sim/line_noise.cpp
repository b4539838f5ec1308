#include "tools/cross-sim/line_noise.h"

namespace cross_sim {

LineNoise::LineNoise(double noiseRate, double garbleRate, std::uint32_t seed)
    : m_noiseRate(noiseRate), m_garbleRate(garbleRate), m_random(seed)
{
}

bool LineNoise::chance(double rate)
{
    return rate > 0 && std::uniform_real_distribution<double>(0.0, 1.0)(m_random) < rate;
}

QByteArray LineNoise::apply(const QByteArray &bytes)
{
    if (isQuiet())
        return bytes;
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<int> anyFlip(1, 255);
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 8 + 2);
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (chance(m_noiseRate)) {
            out.append(char(anyByte(m_random)));
            ++m_injected;
        }
        if (i == bytes.size())
            break;
        char b = bytes[i];
        if (chance(m_garbleRate)) {
            b = char(std::uint8_t(b) ^ std::uint8_t(anyFlip(m_random)));
            ++m_garbled;
        }
        out.append(b);
    }
    return out;
}

} // namespace cross_sim
