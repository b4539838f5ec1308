#include "halvane/link/exchanges.h"

namespace halvane::link {

using settings::Address4Fallback;

namespace {

constexpr int kFindCrossWaitMs = 600;
constexpr int kFindCrossReadSize = 50;

} // namespace

QByteArray exchangeOnce(const LinkContext &link, CrossPort &port, const CrossAddress &address,
                        std::uint8_t code, QByteArrayView data, int waitMs, int readSize)
{
    // A short write is not checked here: the missing reply tells the caller.
    WriteAndDrain(link, port, BuildCommandFrame(address, code, data));
    BusyWait(*link.clock, waitMs);
    return ReadAvailable(port, readSize);
}

CallCrossReply CallCross(const LinkContext &link, CrossPort &port, Address4Fallback fallback,
                         int waitMs, int readSize, qsizetype dataLength)
{
    CallCrossReply reply;
    reply.bytes = exchangeOnce(link, port, ReadCrossAddress(link.iniPath(), fallback),
                               kCmdCallCross, {}, waitMs, readSize);
    if (const auto k = FindReply(reply.bytes, kReplyCallCross, dataLength))
        reply.offset = *k;
    return reply;
}

std::optional<QByteArray> ReadVersion(const LinkContext &link, CrossPort &port, int waitMs,
                                      int readSize)
{
    const QByteArray bytes =
        exchangeOnce(link, port, ReadCrossAddress(link.iniPath(), Address4Fallback::EF),
                     kCmdReadVersion, {}, waitMs, readSize);
    std::optional<QByteArray> version;
    for (auto k = FindReply(bytes, kReplyVersion, kVersionLength); k;
         k = FindReply(bytes, kReplyVersion, kVersionLength, *k + 1))
        version = bytes.sliced(*k + kReplyDataOffset, kVersionLength); // the last one wins
    return version;
}

int resolutionFromVersion(QByteArrayView version)
{
    if (version.contains(QByteArrayView("48")))
        return 48;
    if (version.contains(QByteArrayView("64")))
        return 64;
    return 0;
}

LinkStatus FindCross(const LinkContext &link)
{
    QString why;
    PortHandle port = OpenConfiguredPort(link, &why);
    if (!port)
        return cantOpenPort(why);
    const QByteArray bytes =
        exchangeOnce(link, *port, ReadCrossAddress(link.iniPath(), Address4Fallback::EF),
                     kCmdFindCross, {}, kFindCrossWaitMs, kFindCrossReadSize);
    CloseCrossPort(port);
    if (!FindReply(bytes, kReplyFindCross))
        return LinkStatus::failure(LinkStatus::Code::NoReply, linkText(kTextCantFindCross));
    // FIND only feeds the status bar's texts; the cross was found either way.
    (void)settings::writeBootInt(link.iniPath(), settings::kKeyFind, 1);
    return LinkStatus::success(linkText(kTextFindCross));
}

LinkStatus FindCrossAtAddress(const LinkContext &link, const settings::AddressBook &book)
{
    if (const common::Status stored = settings::storeAddressBook(link.iniPath(), book); !stored)
        return LinkStatus::failure(LinkStatus::Code::Failed, stored.message);
    return FindCross(link);
}

} // namespace halvane::link
