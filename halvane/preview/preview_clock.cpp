#include "halvane/preview/preview_clock.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace halvane::preview {

QDateTime SystemClock::now()
{
    return QDateTime::currentDateTime();
}

void SystemClock::sleepMs(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool sleepUnlessStopped(PreviewClock &clock, int ms, const std::atomic<bool> &stop)
{
    int left = std::max(ms, 0);
    do {
        if (stop.load())
            return false;
        const int piece = std::min(left, kStopCheckMs);
        clock.sleepMs(piece);
        left -= piece;
    } while (left > 0);
    return !stop.load();
}

} // namespace halvane::preview
