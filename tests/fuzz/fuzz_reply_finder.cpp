// libFuzzer target for the reply finder: any bytes read from the line, any
// code, data length and start. Whatever it reports is a reply whose header,
// data, checksum and trailer (as far as read) are right and which lies within
// the bytes; a whole reply put after the bytes is always found.

#include "halvane/link/frame.h"
#include "tests/fuzz/fuzz_support.h"

#include <QByteArray>

#include <cstdint>
#include <memory>

using namespace halvane::link;

namespace {

constexpr std::uint8_t kCodes[] = {kReplyVersion, kReplyCallCross, kReplyFindCross, kReplyDataBlock};

// A reply as the cross sends it, with `length` data bytes taken from `fill`.
QByteArray wholeReply(std::uint8_t code, qsizetype length, QByteArrayView fill)
{
    QByteArray reply(6, char(0x55));
    reply += '\0';
    reply += QByteArray::fromHex("FFFFFFFD");
    const QByteArray source = fill.size() >= 4 ? fill.first(4).toByteArray() : QByteArray::fromHex("FFFFFFEF");
    reply += source;
    reply += char(code);
    for (qsizetype i = 0; i < length; ++i)
        reply += fill.isEmpty() ? char(i) : fill[i % fill.size()];
    std::uint8_t checksum = 0x55;
    for (qsizetype i = 11; i < reply.size(); ++i)
        checksum ^= std::uint8_t(reply[i]);
    reply += char(checksum);
    reply += QByteArray(2, char(0xAA));
    return reply;
}

std::uint8_t at(QByteArrayView b, qsizetype i)
{
    return std::uint8_t(b[i]);
}

void checkReported(QByteArrayView bytes, std::uint8_t code, qsizetype length, qsizetype from,
                   qsizetype k)
{
    FUZZ_CHECK(k >= from && k >= 0, "a reply at or after the start asked for");
    FUZZ_CHECK(k + kReplyDataOffset + length <= bytes.size(), "header and data lie within the bytes");
    FUZZ_CHECK(at(bytes, k) == 0x55 && at(bytes, k + 7) == 0xFF && at(bytes, k + 8) == 0xFF
                   && at(bytes, k + 9) == 0xFF && at(bytes, k + 10) == 0xFD && at(bytes, k + 15) == code,
               "the header of a reply to the host with the code");
    const qsizetype carried = replyDataLength(code) < 0 ? length : replyDataLength(code);
    FUZZ_CHECK(length <= carried, "no more data than the code's replies carry");
    const qsizetype sum = k + kReplyDataOffset + carried;
    if (sum < bytes.size()) {
        std::uint8_t checksum = 0x55;
        for (qsizetype i = k + 11; i < sum; ++i)
            checksum ^= at(bytes, i);
        FUZZ_CHECK(checksum == at(bytes, sum), "a checksum that was read is right");
    }
    for (qsizetype i = sum + 1; i <= sum + 2 && i < bytes.size(); ++i)
        FUZZ_CHECK(at(bytes, i) == 0xAA, "a trailer that was read is AA AA");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    const std::uint8_t code = data[0] < 0xF0 ? kCodes[data[0] % 4] : data[0];
    const qsizetype length = data[1] % 80;
    const qsizetype from = data[2] % 40;
    // The bytes in a buffer of their exact size, so a read past them is caught.
    const qsizetype count = qsizetype(size - 3);
    std::unique_ptr<char[]> exact(new char[std::size_t(count) + 1]);
    std::copy(data + 3, data + size, exact.get());
    const QByteArrayView bytes(exact.get(), count);

    // Every reply reported, walking on as the version read does.
    int walked = 0;
    for (auto k = FindReply(bytes, code, length, from); k && walked < 64;
         k = FindReply(bytes, code, length, *k + 1), ++walked)
        checkReported(bytes, code, length, from, *k);

    // A whole reply after the bytes is found, there or at an earlier reply.
    const qsizetype carried = replyDataLength(code);
    if (carried >= 0 && from <= count) {
        const qsizetype wanted = std::min(length, carried);
        const QByteArray line = bytes.toByteArray() + wholeReply(code, carried, bytes.first(std::min<qsizetype>(count, 90)));
        const auto found = FindReply(line, code, wanted, from);
        FUZZ_CHECK(found.has_value() && *found <= count, "a whole reply is never missed");
        checkReported(line, code, wanted, from, *found);
    }
    return 0;
}
