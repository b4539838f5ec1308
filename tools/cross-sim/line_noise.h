#pragma once

#include <QByteArray>

#include <cstdint>
#include <random>

namespace cross_sim {

// A noisy line on the cross's side: what the cross sends picks up random
// bytes before, inside and after each reply, and some of its own bytes
// arrive changed. Seeded, so a run can be repeated exactly.
class LineNoise {
public:
    // `noiseRate`: the chance of a random byte in each gap before, between
    // and after the bytes of a reply; `garbleRate`: the chance that a byte
    // arrives with some of its bits flipped. Both from 0 to 1.
    LineNoise(double noiseRate, double garbleRate, std::uint32_t seed);

    bool isQuiet() const { return m_noiseRate <= 0 && m_garbleRate <= 0; }
    // The bytes as they arrive at the far end.
    QByteArray apply(const QByteArray &bytes);

    int bytesInjected() const { return m_injected; }
    int bytesGarbled() const { return m_garbled; }

private:
    bool chance(double rate);

    double m_noiseRate;
    double m_garbleRate;
    std::mt19937 m_random;
    int m_injected = 0;
    int m_garbled = 0;
};

} // namespace cross_sim
