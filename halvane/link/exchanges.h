#pragma once

#include "halvane/settings/address_book.h"
#include "halvane/link/frame.h"
#include "halvane/link/link_status.h"
#include "halvane/link/port_link.h"

#include <optional>

namespace halvane::link {

// The single exchanges with the cross: one frame out, a fixed wait, one read.

// Writes one command frame to `address`, waits `waitMs` (busy wait) and reads
// up to `readSize` bytes once.
QByteArray exchangeOnce(const LinkContext &link, CrossPort &port, const CrossAddress &address,
                        std::uint8_t code, QByteArrayView data, int waitMs, int readSize);

// The outcome of call cross: the bytes read and where the 0x42 reply starts.
struct CallCrossReply {
    QByteArray bytes;
    qsizetype offset = -1; // -1: no reply

    bool answered() const { return offset >= 0; }
    // `length` reply data bytes from reply byte 16 on (only when answered()).
    QByteArrayView data(qsizetype length) const
    {
        return QByteArrayView(bytes).sliced(offset + kReplyDataOffset, length);
    }
};

// Call cross (0xC1) to the address with the given ADDRESS4 fall-back. A reply
// counts only when its `dataLength` data bytes were read as well.
CallCrossReply CallCross(const LinkContext &link, CrossPort &port,
                         settings::Address4Fallback fallback, int waitMs, int readSize,
                         qsizetype dataLength = 0);

// Read version (0xC2, ADDRESS4 fall-back "EF"): the eight characters of the
// last 0x41 reply among the bytes read, or nothing.
std::optional<QByteArray> ReadVersion(const LinkContext &link, CrossPort &port, int waitMs,
                                      int readSize);

inline constexpr qsizetype kVersionLength = 8;

// The resolution the version text names: 48 when it contains "48", else 64
// when it contains "64", else 0.
int resolutionFromVersion(QByteArrayView version);

// Find cross (0xC3) with the port, rate and address stored in Halvane.ini:
// "Find cross!" and FIND = 1 when the cross answers, "Can't find cross!" when
// it does not, "Can't Open Com Port!" when the port does not open.
LinkStatus FindCross(const LinkContext &link);

// The Search Cross dialog's "Search cross": stores the four addresses and the
// marked row as OK does, then FindCross with the address now current.
LinkStatus FindCrossAtAddress(const LinkContext &link, const settings::AddressBook &book);

} // namespace halvane::link
