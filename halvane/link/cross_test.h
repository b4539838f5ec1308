#pragma once

#include "halvane/link/link_status.h"
#include "halvane/link/port_link.h"

#include <atomic>

namespace halvane::link {

// The cross test: the program sends nothing and listens for the three frames
// a cross sends on its own in its self-test. Every byte read is logged raw to
// "testcross.bin" in the application folder.

inline constexpr char kTextTestOk[] = QT_TRANSLATE_NOOP("halvane::link", "Test Cross Work OK!");
inline constexpr char kTextTestError[] = QT_TRANSLATE_NOOP("halvane::link", "Test Cross Work Error!");
inline const QString kTestLogName = QStringLiteral("testcross.bin");

// Reads up to 32 bytes, then sleeps 600 ms, until three frames were seen (at
// most one per read). The test passes when the three frames carry the same
// sender address and it is the current cross address (ADDRESS4 fall-back
// "FF"). It ends early when `stop` becomes true (Stopped) or after
// `timeoutMs` of clock time with fewer frames (failed): a cross that never
// answers must not keep the test, and the port, for ever.
LinkStatus RunCrossTest(const LinkContext &link, const std::atomic<bool> &stop, int timeoutMs);

} // namespace halvane::link
