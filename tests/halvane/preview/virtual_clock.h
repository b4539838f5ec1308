#pragma once

#include "tests/common/virtual_clock.h"

namespace halvane::preview::testing {

// The tests' virtual clock as the preview tests use it: worker threads take
// turns at every sleep, and the local time runs from a fixed moment on.
class VirtualClock : public test_support::VirtualClock {
public:
    VirtualClock()
    {
        setYieldOnSleep(true);
        setLocalTimeRunning(QDateTime(QDate(2024, 3, 7), QTime(9, 5)));
    }
};

} // namespace halvane::preview::testing
