#include "common/clock.h"

#include <chrono>
#include <thread>

namespace common {
namespace {

class SystemClock : public Clock {
public:
    std::uint32_t tickMs() override
    {
        using namespace std::chrono;
        return std::uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }

    void sleepMs(int ms) override
    {
        if (ms > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }

    QDateTime localTime() override { return QDateTime::currentDateTime(); }
};

} // namespace

Clock &systemClock()
{
    static SystemClock clock;
    return clock;
}

} // namespace common
