#include "halvane/link/cross_test.h"

#include "halvane/link/frame.h"

#include <QFile>

#include <algorithm>
#include <optional>

namespace halvane::link {
namespace {

constexpr int kReadSize = 32;
constexpr int kSleepMs = 600;
constexpr int kFramesWanted = 3;

// The sender address of the first frame start in `bytes`: 0x55 at k .. k + 5,
// the host address at k + 7 .. k + 10 and the sender at k + 11 .. k + 14,
// all within the bytes read.
std::optional<CrossAddress> frameSender(QByteArrayView bytes)
{
    for (qsizetype k = 0; k + 14 < bytes.size(); ++k) {
        bool match = true;
        for (qsizetype i = 0; match && i < 6; ++i)
            match = std::uint8_t(bytes[k + i]) == 0x55;
        for (qsizetype i = 0; match && i < 4; ++i)
            match = std::uint8_t(bytes[k + 7 + i]) == kHostAddress[std::size_t(i)];
        if (!match)
            continue;
        CrossAddress sender{};
        for (std::size_t i = 0; i < 4; ++i)
            sender[i] = std::uint8_t(bytes[k + 11 + qsizetype(i)]);
        return sender;
    }
    return std::nullopt;
}

} // namespace

LinkStatus RunCrossTest(const LinkContext &link, const std::atomic<bool> &stop, int timeoutMs)
{
    QString why;
    PortHandle port = OpenConfiguredPort(link, &why);
    if (!port)
        return cantOpenPort(why);
    QFile log(link.appFolder + kTestLogName);
    log.open(QIODevice::WriteOnly | QIODevice::Truncate); // the log is a by-product only
    std::vector<CrossAddress> senders;
    const std::uint32_t start = link.clock->tickMs();
    for (;;) {
        if (stop.load())
            return LinkStatus::failure(LinkStatus::Code::Stopped, QString());
        const QByteArray bytes = ReadAvailable(*port, kReadSize);
        if (!bytes.isEmpty()) {
            log.write(bytes);
            log.flush();
            if (const auto sender = frameSender(bytes))
                senders.push_back(*sender);
        }
        if (int(senders.size()) == kFramesWanted)
            break;
        if (link.clock->tickMs() - start >= std::uint32_t(std::max(timeoutMs, 0)))
            return LinkStatus::failure(LinkStatus::Code::Failed, linkText(kTextTestError));
        link.clock->sleepMs(kSleepMs);
    }
    CloseCrossPort(port);
    // The frames must come from the address every command goes to.
    const CrossAddress expected = ReadCrossAddress(link.iniPath(), settings::Address4Fallback::FF);
    for (const CrossAddress &sender : senders)
        if (sender != expected)
            return LinkStatus::failure(LinkStatus::Code::Failed, linkText(kTextTestError));
    return LinkStatus::success(linkText(kTextTestOk));
}

} // namespace halvane::link
