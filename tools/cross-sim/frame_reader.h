#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <vector>

namespace cross_sim {

using Address = std::array<std::uint8_t, 4>;

// One command frame as the cross receives it, unstuffed and checked.
struct CommandFrame {
    Address destination{};
    Address source{};
    std::uint8_t code = 0;
    QByteArray data;
};

// Finds command frames in the bytes arriving on the line, as a cross does:
// a start of 55 55 55 55 55 55 00, four destination bytes, then stuffed bytes
// (AA 0F stands for AA) up to the unstuffed trailer AA AA, then the checksum
// test. Garbage, stray bytes and broken frames are skipped; the search goes
// on one byte after a broken start, so a frame cut short by a new one is
// dropped and the new one still found. The buffer never holds more than one
// frame of the largest size.
class FrameReader {
public:
    // Adds the bytes that arrived; returns the frames they completed.
    std::vector<CommandFrame> feed(QByteArrayView bytes);
    // Forgets a partial frame (the line was reset).
    void reset() { m_buffer.clear(); }
    // Frames dropped so far: bad stuffing, bad checksum, too long, too short.
    int rejected() const { return m_rejected; }

    enum class Parse { Frame, Incomplete, Broken };

private:
    Parse parseAt(qsizetype start, CommandFrame &frame, qsizetype &end) const;

    QByteArray m_buffer;
    int m_rejected = 0;
};

} // namespace cross_sim
