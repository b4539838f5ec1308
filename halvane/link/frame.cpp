#include "halvane/link/frame.h"

#include <algorithm>

namespace halvane::link {
namespace {

constexpr std::uint8_t kPreamble = 0x55;
constexpr int kPreambleCount = 6;
constexpr std::uint8_t kStuffed = 0xAA;
constexpr std::uint8_t kStuffing = 0x0F;

void appendStuffed(QByteArray &frame, std::uint8_t byte)
{
    frame.append(char(byte));
    if (byte == kStuffed)
        frame.append(char(kStuffing));
}

std::uint8_t at(QByteArrayView bytes, qsizetype i)
{
    return std::uint8_t(bytes[i]);
}

} // namespace

QByteArray BuildCommandFrame(const CrossAddress &address, std::uint8_t code, QByteArrayView data)
{
    QByteArray frame;
    frame.reserve(19 + 2 * data.size());
    frame.append(kPreambleCount, char(kPreamble));
    frame.append('\0');
    for (std::uint8_t b : address)
        frame.append(char(b)); // the destination is never stuffed
    std::uint8_t checksum = kPreamble;
    auto add = [&](std::uint8_t b) {
        checksum ^= b;
        appendStuffed(frame, b);
    };
    for (std::uint8_t b : kHostAddress)
        add(b);
    add(code);
    for (char c : data)
        add(std::uint8_t(c));
    appendStuffed(frame, checksum);
    frame.append(2, char(kStuffed));
    return frame;
}

QByteArray dataBlockPayload(int blockNumber, QByteArrayView blockBytes)
{
    const std::uint32_t unit = std::uint32_t(blockNumber) * (kDataBlockSize / 2);
    QByteArray payload;
    payload.reserve(3 + kDataBlockSize);
    payload.append(char((unit >> 16) & 0xFF));
    payload.append(char((unit >> 8) & 0xFF));
    payload.append(char(unit & 0xFF));
    payload.append(blockBytes.first(std::min(blockBytes.size(), kDataBlockSize)));
    payload.append(3 + kDataBlockSize - payload.size(), '\0');
    return payload;
}

qsizetype replyDataLength(std::uint8_t code)
{
    switch (code) {
    case kReplyVersion:
        return 8;
    case kReplyCallCross:
        return 12 + 56;
    case kReplyFindCross:
    case kReplyDataBlock:
        return 0;
    default:
        return -1;
    }
}

namespace {

bool headerAt(QByteArrayView bytes, qsizetype k, std::uint8_t code)
{
    return at(bytes, k) == kPreamble && at(bytes, k + 7) == kHostAddress[0]
        && at(bytes, k + 8) == kHostAddress[1] && at(bytes, k + 9) == kHostAddress[2]
        && at(bytes, k + 10) == kHostAddress[3] && at(bytes, k + 15) == code;
}

// The checksum and trailer after `length` data bytes, as far as they were read.
bool tailRightAt(QByteArrayView bytes, qsizetype k, qsizetype length)
{
    constexpr qsizetype kSourceOffset = 11;
    const qsizetype checksumAt = k + kReplyDataOffset + length;
    if (checksumAt < bytes.size()) {
        std::uint8_t checksum = kPreamble;
        for (qsizetype i = k + kSourceOffset; i < checksumAt; ++i)
            checksum ^= at(bytes, i);
        if (checksum != at(bytes, checksumAt))
            return false;
    }
    for (qsizetype i = checksumAt + 1; i <= checksumAt + 2 && i < bytes.size(); ++i)
        if (at(bytes, i) != kStuffed)
            return false;
    return true;
}

} // namespace

std::optional<qsizetype> FindReply(QByteArrayView bytes, std::uint8_t code, qsizetype dataLength,
                                   qsizetype from)
{
    const qsizetype wanted = std::max<qsizetype>(dataLength, 0);
    const qsizetype carried = replyDataLength(code) < 0 ? wanted : replyDataLength(code);
    if (wanted > carried)
        return std::nullopt;
    const qsizetype needed = kReplyDataOffset + wanted;
    for (qsizetype k = std::max<qsizetype>(from, 0); k + needed <= bytes.size(); ++k)
        if (headerAt(bytes, k, code) && tailRightAt(bytes, k, carried))
            return k;
    return std::nullopt;
}

CrossAddress ReadCrossAddress(const QString &iniPath, settings::Address4Fallback fallback)
{
    return settings::readBootAddress(iniPath, fallback);
}

} // namespace halvane::link
