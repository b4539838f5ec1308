#include "tools/cross-sim/frame_reader.h"

#include <algorithm>

namespace cross_sim {
namespace {

const QByteArray kStart = QByteArray(6, char(0x55)) + QByteArray(1, '\0');
constexpr qsizetype kAddressSize = 4;
// Source, code, the largest data (a data block) and the checksum.
constexpr qsizetype kMaxBody = 4 + 1 + 4099 + 1;
constexpr qsizetype kMinBody = 4 + 1 + 1;
constexpr std::uint8_t kAA = 0xAA;

// Unstuffs from `i` up to the trailer AA AA; `i` ends after the trailer.
FrameReader::Parse unstuff(QByteArrayView buf, qsizetype &i, QByteArray &body)
{
    for (;;) {
        if (body.size() > kMaxBody)
            return FrameReader::Parse::Broken;
        if (i >= buf.size())
            return FrameReader::Parse::Incomplete;
        const std::uint8_t b = std::uint8_t(buf[i]);
        if (b != kAA) {
            body.append(char(b));
            ++i;
            continue;
        }
        if (i + 1 >= buf.size())
            return FrameReader::Parse::Incomplete;
        const std::uint8_t next = std::uint8_t(buf[i + 1]);
        i += 2;
        if (next == kAA)
            return FrameReader::Parse::Frame; // the trailer
        if (next != 0x0F)
            return FrameReader::Parse::Broken;
        body.append(char(kAA));
    }
}

} // namespace

std::vector<CommandFrame> FrameReader::feed(QByteArrayView bytes)
{
    m_buffer.append(bytes);
    std::vector<CommandFrame> frames;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype start = m_buffer.indexOf(kStart, pos);
        if (start < 0) {
            // Keep what could still become a start.
            m_buffer.remove(0, std::max(pos, m_buffer.size() - (kStart.size() - 1)));
            return frames;
        }
        CommandFrame frame;
        qsizetype end = 0;
        switch (parseAt(start, frame, end)) {
        case Parse::Frame:
            frames.push_back(std::move(frame));
            pos = end;
            break;
        case Parse::Broken:
            ++m_rejected;
            pos = start + 1;
            break;
        case Parse::Incomplete:
            m_buffer.remove(0, start);
            return frames;
        }
    }
}

FrameReader::Parse FrameReader::parseAt(qsizetype start, CommandFrame &frame, qsizetype &end) const
{
    const QByteArrayView buf(m_buffer);
    qsizetype i = start + kStart.size();
    if (buf.size() < i + kAddressSize)
        return Parse::Incomplete;
    for (qsizetype a = 0; a < kAddressSize; ++a)
        frame.destination[std::size_t(a)] = std::uint8_t(buf[i++]);
    QByteArray body;
    const Parse unstuffed = unstuff(buf, i, body);
    if (unstuffed != Parse::Frame)
        return unstuffed;
    if (body.size() < kMinBody)
        return Parse::Broken;
    std::uint8_t checksum = 0x55;
    for (qsizetype k = 0; k + 1 < body.size(); ++k)
        checksum ^= std::uint8_t(body[k]);
    if (checksum != std::uint8_t(body.back()))
        return Parse::Broken;
    for (std::size_t a = 0; a < 4; ++a)
        frame.source[a] = std::uint8_t(body[qsizetype(a)]);
    frame.code = std::uint8_t(body[4]);
    frame.data = body.sliced(5, body.size() - 6);
    end = i;
    return Parse::Frame;
}

} // namespace cross_sim
