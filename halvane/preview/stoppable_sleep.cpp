#include "halvane/preview/stoppable_sleep.h"

#include <algorithm>

namespace halvane::preview {

bool sleepUnlessStopped(common::Clock &clock, int ms, const std::atomic<bool> &stop)
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
