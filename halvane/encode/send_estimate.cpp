#include "halvane/encode/send_estimate.h"

#include "halvane/encode/send_job.h"

#include <algorithm>

namespace halvane::encode {

qint64 SendTimeEstimate::blockStarted(int position, int total, qint64 nowMs)
{
    if (position < 1 || position > total)
        return 0;
    if (position == 1 || m_firstBlockAt < 0) {
        m_firstPosition = position;
        m_firstBlockAt = nowMs;
    }
    const int done = position - m_firstPosition; // blocks timed so far
    const qint64 perBlock = done > 0 ? (nowMs - m_firstBlockAt) / done : nominalBlockMs(m_baudRate);
    return perBlock * (total - position + 1);
}

QString minutesText(qint64 ms)
{
    const qint64 s = (std::max<qint64>(ms, 0) + 500) / 1000;
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

} // namespace halvane::encode
