#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace test_support {

// Polls `condition` until it holds or `limit` of real time has passed, so a
// test waiting on another thread fails instead of hanging. True when it held.
inline bool waitUntil(const std::function<bool()> &condition,
                      std::chrono::milliseconds limit = std::chrono::seconds(20))
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

} // namespace test_support
