// libFuzzer target for the send job's acknowledgements: a whole send in
// virtual time over a port whose every write brings back bytes the fuzzer
// chooses (whole replies among them, so that they are easy to find).
// A block counts as sent only on an acknowledgement that arrived after the
// block's first chunk went out, never on one left from before; no block is
// tried more than three times; the send ends in one of its states with the
// status the state names, and "Send Complete!" only when every block counted.
//
// Input: one byte for the project, then deliveries, one per write: a length
// byte (high bit: a whole reply comes first: the call cross reply after the
// first write, an acknowledgement after the others) and that many bytes.

#include "halvane/encode/send_job.h"
#include "halvane/link/frame.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/halvane/encode/fake_encoder.h"

#include <cstdint>
#include <memory>
#include <vector>

using namespace halvane;

namespace {

class VirtualClock : public link::Clock {
public:
    std::uint32_t tickMs() override { return m_now; }
    void sleepMs(int ms) override { m_now += std::uint32_t(std::max(ms, 0)); }
    QDateTime localTime() override { return {}; }

private:
    std::uint32_t m_now = 0;
};

// What the port saw, for the checks after the send.
struct Line {
    QByteArrayView deliveries; // what is left of the input
    QByteArray input;          // arrived, not yet read
    std::vector<int> arrivedAt; // the write after which each byte of `input` arrived
    int writes = 0;
    int blockStart = -1;       // the write that began the current block's first attempt
    QByteArray blockAddress;
    int attempts = 0;
    bool lastReadFresh = false; // a read since this attempt began held an acknowledgement from this block's time
    int blocksCounted = 0;
    bool open = false;
};

// A whole reply of the cross at FF FF FF EF: the call cross reply for the
// first write (the call), an acknowledgement for every other.
QByteArray wholeReply(bool call)
{
    QByteArray reply = QByteArray::fromHex("555555555555 00 FFFFFFFD FFFFFFEF");
    reply += char(call ? link::kReplyCallCross : link::kReplyDataBlock);
    if (call)
        reply += QByteArray(68, 0x01);
    std::uint8_t checksum = 0x55;
    for (qsizetype i = 11; i < reply.size(); ++i)
        checksum ^= std::uint8_t(reply[i]);
    reply += char(checksum);
    reply += QByteArray(2, char(0xAA));
    return reply;
}

bool isBlockStart(const QByteArray &bytes)
{
    return bytes.size() >= 19 && bytes.startsWith(QByteArray(6, char(0x55)) + '\0')
        && (std::uint8_t(bytes[15]) == link::kCmdDataBlock || std::uint8_t(bytes[15]) == link::kCmdLastDataBlock);
}

class FuzzPort : public link::CrossPort {
public:
    explicit FuzzPort(Line &line) : m_line(line) { m_line.open = true; }
    ~FuzzPort() override { m_line.open = false; }

    qint64 write(const QByteArray &bytes) override
    {
        Line &l = m_line;
        if (isBlockStart(bytes)) {
            const QByteArray address = bytes.mid(16, 3);
            if (address != l.blockAddress || l.blockStart < 0) {
                // The job moved on: the block before must have been acknowledged.
                if (l.blockStart >= 0) {
                    FUZZ_CHECK(l.lastReadFresh, "a block counts only on an acknowledgement of its own time");
                    ++l.blocksCounted;
                }
                l.blockAddress = address;
                l.blockStart = l.writes;
                l.attempts = 0;
            }
            FUZZ_CHECK(++l.attempts <= 3, "no block is tried more than three times");
            l.lastReadFresh = false;
        }
        ++l.writes;
        deliver();
        return bytes.size();
    }
    qint64 pendingOutput() override { return 0; }
    QByteArray read(qint64 maxCount) override
    {
        Line &l = m_line;
        const qsizetype n = std::min<qsizetype>(std::max<qint64>(maxCount, 0), l.input.size());
        QByteArray got = l.input.left(n);
        QByteArray fresh = got;
        for (qsizetype i = 0; i < n; ++i)
            if (l.arrivedAt[std::size_t(i)] <= l.blockStart)
                fresh[i] = '\0'; // arrived before this block went out
        l.input.remove(0, n);
        l.arrivedAt.erase(l.arrivedAt.begin(), l.arrivedAt.begin() + n);
        if (l.blockStart >= 0 && link::FindReply(fresh, link::kReplyDataBlock))
            l.lastReadFresh = true;
        return got;
    }
    int baudRate() const override { return 9600; }

private:
    void deliver()
    {
        Line &l = m_line;
        if (l.deliveries.isEmpty())
            return;
        const std::uint8_t head = std::uint8_t(l.deliveries[0]);
        const qsizetype length = std::min<qsizetype>(head & 0x7F, l.deliveries.size() - 1);
        QByteArray bytes = head & 0x80 ? wholeReply(l.writes == 1) : QByteArray();
        bytes += l.deliveries.sliced(1, length).toByteArray();
        l.deliveries = l.deliveries.sliced(1 + length);
        l.input += bytes;
        l.arrivedAt.insert(l.arrivedAt.end(), std::size_t(bytes.size()), l.writes);
    }

    Line &m_line;
};

class FuzzOpener : public link::PortOpener {
public:
    explicit FuzzOpener(Line &line) : m_line(line) {}
    std::unique_ptr<link::CrossPort> open(int, int) override { return std::make_unique<FuzzPort>(m_line); }

private:
    Line &m_line;
};

class Statuses : public encode::SendObserver {
public:
    QString last;
    int lastPosition = 0;
    void statusChanged(const QString &text) override { last = text; }
    void progressChanged(int position, int total) override
    {
        FUZZ_CHECK(position >= lastPosition && position <= total, "progress only goes forward, within its range");
        lastPosition = position;
    }
    void warning(const QString &) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    static const QString folder = [] {
        fuzz::writeScratch(fuzz::scratchFile(QStringLiteral("Halvane.ini")),
                           "[BOOT]\nPORT=1\nBAUDRATE=9600\nADDRESS1=FF\nADDRESS2=FF\nADDRESS3=FF\nADDRESS4=EF\n");
        return fuzz::scratchFolder() + QLatin1Char('/');
    }();

    // One to three entries, with animations of up to two blocks and a text of one or two.
    project::PlayProjectData project = project::defaultProjectData(0);
    FakeEncoder encoder;
    project.playList.append({QStringLiteral("Hour")});
    if (data[0] & 1) {
        project.playList.append({QStringLiteral("a.crs")});
        project.animations.append(project::defaultAnimationEntry(QStringLiteral("a.crs")));
        encoder.frames[QStringLiteral("a.crs")] = 1 + (data[0] >> 2) % 40;
    }
    if (data[0] & 2) {
        project.playList.append({QStringLiteral("Text1")});
        encoder.textBytes = data[0] & 0x80 ? 5000 : 100;
    }

    Line line;
    line.deliveries = QByteArrayView(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    VirtualClock clock;
    FuzzOpener opener(line);
    const link::LinkContext context{&opener, &clock, folder};
    Statuses statuses;
    encode::SendJob job(context, encoder, statuses);
    const encode::SendResult result = job.run(project, project::AnimationLibrary(fuzz::scratchFolder()));

    FUZZ_CHECK(job.isDone() && !line.open, "the job is done and the port released");
    FUZZ_CHECK(statuses.last == result.status, "the last status is the result's");
    using Outcome = encode::SendResult::Outcome;
    if (result.outcome == Outcome::Complete) {
        FUZZ_CHECK(line.lastReadFresh, "the last block counted on its own acknowledgement");
        ++line.blocksCounted;
        FUZZ_CHECK(line.blocksCounted == statuses.lastPosition, "every block counted before \"Send Complete!\"");
        FUZZ_CHECK(result.status == QStringLiteral("Send Complete!"), "a complete send says so");
    } else {
        FUZZ_CHECK(result.outcome == Outcome::CrossNotFound || result.outcome == Outcome::BlockFailed,
                   "a failed send ends in one of its error states");
        FUZZ_CHECK(result.status.endsWith(QLatin1String("Error!")) || result.status == QStringLiteral("Can't find cross!"),
                   "with its error text");
    }
    return 0;
}
