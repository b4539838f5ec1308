#pragma once

#include "halvane/settings/halvane_config.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <optional>

namespace halvane::link {

// The one frame format of every exchange with the cross: building command
// frames and finding replies in the raw bytes read back.
//
// Command frame: 55 x 6, 00, destination (cross address), source (host
// address FF FF FF FD), command code, data, checksum, AA AA. From the source
// on, every 0xAA (the checksum included) is followed by an inserted 0x0F.
// The checksum is 0x55 XOR source, code and data before stuffing.

using settings::CrossAddress;

inline constexpr CrossAddress kHostAddress{0xFF, 0xFF, 0xFF, 0xFD};

// Command codes.
inline constexpr std::uint8_t kCmdDataBlock = 0x11;
inline constexpr std::uint8_t kCmdLastDataBlock = 0x14;
inline constexpr std::uint8_t kCmdSetBrightness = 0x31;
inline constexpr std::uint8_t kCmdSetParameters = 0x33;
inline constexpr std::uint8_t kCmdSetClock = 0x51;
inline constexpr std::uint8_t kCmdSetOnOff = 0x52;
inline constexpr std::uint8_t kCmdDeleteAnimations = 0x61;
inline constexpr std::uint8_t kCmdCallCross = 0xC1;
inline constexpr std::uint8_t kCmdReadVersion = 0xC2;
inline constexpr std::uint8_t kCmdFindCross = 0xC3;

// Reply codes.
inline constexpr std::uint8_t kReplyVersion = 0x41;   // "A"
inline constexpr std::uint8_t kReplyCallCross = 0x42; // "B"
inline constexpr std::uint8_t kReplyFindCross = 0x43; // "C"
inline constexpr std::uint8_t kReplyDataBlock = 0x45; // "E"

// Where reply data starts, counted from the start of the reply.
inline constexpr qsizetype kReplyDataOffset = 16;

// Data blocks: 4096 bytes addressed in 2-byte units.
inline constexpr qsizetype kDataBlockSize = 4096;

// The bytes of one command frame to `address`.
QByteArray BuildCommandFrame(const CrossAddress &address, std::uint8_t code,
                             QByteArrayView data = {});

// The data of a data block frame: block number x 2048 as three bytes, most
// significant first, then the block's bytes padded with zeros to 4096.
QByteArray dataBlockPayload(int blockNumber, QByteArrayView blockBytes);

// The data length of the replies the cross sends with `code`: 8 for read
// version, 68 for call cross (the two schedules), 0 for find cross and the
// data block acknowledgement; -1 for a code it does not answer with.
qsizetype replyDataLength(std::uint8_t code);

// The first offset k >= `from` at which a reply with `code` starts: 0x55 at
// k, FF FF FF FD at k + 7 .. k + 10 and the code at k + 15. A candidate counts
// only when it and its `dataLength` data bytes (k + 16 onward) lie within
// `bytes`; nothing past the bytes read is ever looked at.
//
// A reply is also judged on the rest of it that was read: after the data the
// cross sends its checksum (0x55 XOR its address, the code and the data) and
// AA AA, so a candidate whose checksum or trailer was read and is wrong (a
// byte lost, flipped or slipped in on the line) does not count, and neither
// does one that asks for more data than replies with that code carry. A reply
// cut off by the read size counts on the bytes that were read.
std::optional<qsizetype> FindReply(QByteArrayView bytes, std::uint8_t code,
                                   qsizetype dataLength = 0, qsizetype from = 0);

// The current cross address from Halvane.ini, with the ADDRESS4 fall-back the
// command asks for.
CrossAddress ReadCrossAddress(const QString &iniPath, settings::Address4Fallback fallback);

} // namespace halvane::link
