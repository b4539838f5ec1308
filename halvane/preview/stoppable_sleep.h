#pragma once

#include "common/clock.h"

#include <atomic>

namespace halvane::preview {

// The waits of the preview loops and the thumbnail workers go through the
// link's clock (common::systemClock() in the program, a clock that
// only counts in the tests), so the loops can run in virtual time.

// The longest single sleep of a waiting preview: a stop request is noticed
// at least this often, whatever the step's own duration (GIF delays reach
// ten minutes).
inline constexpr int kStopCheckMs = 100;

// Sleeps `ms` in pieces of at most kStopCheckMs and returns false as soon as
// `stop` is raised (before or during the sleep), true after the whole sleep.
bool sleepUnlessStopped(common::Clock &clock, int ms, const std::atomic<bool> &stop);

} // namespace halvane::preview
