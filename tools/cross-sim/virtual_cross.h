#pragma once

#include "tools/cross-sim/cross_state.h"
#include "tools/cross-sim/frame_reader.h"
#include "tools/cross-sim/line_noise.h"

#include <memory>
#include <optional>
#include <vector>

namespace cross_sim {

// Bytes the cross sends, `delayMs` after the frame that caused them.
struct Outgoing {
    QByteArray bytes;
    int delayMs = 0;
};

// The reply codes and the self-test frame's code.
inline constexpr std::uint8_t kReplyVersion = 0x41;
inline constexpr std::uint8_t kReplyCallCross = 0x42;
inline constexpr std::uint8_t kReplyFindCross = 0x43;
inline constexpr std::uint8_t kReplyDataBlock = 0x45;
inline constexpr std::uint8_t kSelfTestCode = 0x54; // "T"
inline constexpr int kSelfTestSpacingMs = 1000;

// A reply frame to the host: 55 x 6, 00, FF FF FF FD, the cross's address,
// the code, the data, the checksum (0x55 XOR address, code and data), AA AA.
// Replies are not stuffed: the host reads them at fixed offsets.
QByteArray replyFrame(const Address &source, std::uint8_t code, QByteArrayView data = {});

// The protocol side of a cross, without any line or clock: bytes in,
// answers out. It understands the frames addressed to it at its own rate:
// call cross (0x42 with the brightness and on/off schedules), read version
// (0x41 with the version text), find cross (0x43), the four settings, which
// it keeps, delete animations (erases the memory) and data blocks (stored at
// their address, answered with 0x45). With noise or garbling configured, its
// replies pass a noisy line (line_noise.h) on their way out.
class VirtualCross {
public:
    explicit VirtualCross(CrossConfig config = {});

    const CrossConfig &config() const { return m_config; }
    const CrossState &state() const { return m_state; }
    int framesRejected() const { return m_reader.rejected() + m_badFrames; }

    // Keeps the state in `folder` from now on, taking over what is kept there.
    common::Status useStateFolder(const QString &folder);

    // Bytes that arrived while the host's side of the line ran at `lineBaud`.
    // At any other rate than the cross's own they are noise and are dropped.
    std::vector<Outgoing> receive(QByteArrayView bytes, int lineBaud);

    // The three self-test frames, one second apart.
    std::vector<Outgoing> selfTest() const;
    QByteArray selfTestFrame() const;

private:
    std::optional<QByteArray> apply(const CommandFrame &frame);
    std::optional<QByteArray> storeBlock(const CommandFrame &frame);
    void storeSetting(QByteArray &field, const CommandFrame &frame);
    void log(const QString &line);

    CrossConfig m_config;
    CrossState m_state;
    FrameReader m_reader;
    LineNoise m_line;
    std::unique_ptr<StateFolder> m_folder;
    int m_badFrames = 0;
    int m_blocksSeen = 0;
};

} // namespace cross_sim
