#pragma once

#include <QString>
#include <QtGlobal>

namespace halvane::encode {

// The time a send still needs, for the send dialog and the command line.
// Before any block has gone out a block is reckoned at the least it takes
// (nominalBlockMs at the configured rate); after that the blocks done so far
// set the pace, so retried blocks and a slow line show in the estimate.
class SendTimeEstimate {
public:
    explicit SendTimeEstimate(int baudRate) : m_baudRate(baudRate) {}

    // Block `position` (1-based) of `total` starts going out at `nowMs` (any
    // steady clock in milliseconds). Returns the time left, this block
    // included; 0 for a position outside 1..total.
    qint64 blockStarted(int position, int total, qint64 nowMs);

private:
    int m_baudRate;
    int m_firstPosition = 1;
    qint64 m_firstBlockAt = -1; // when the first block seen started; -1 before it
};

// "m:ss", rounded to the nearest second.
QString minutesText(qint64 ms);

} // namespace halvane::encode
