#pragma once

#include "halvane/link/link_status.h"
#include "halvane/link/port_link.h"
#include "halvane/link/settings_codec.h"

#include <QByteArray>

namespace halvane::link {

// The commands that set and read the cross's clock, schedules, parameters and
// version. Each opens the port and rate stored in Halvane.ini at the moment
// it runs, exchanges its frame and closes the port again. The sets read no
// reply: their success text means that the frame went out whole.

inline constexpr char kTextBrightnessSet[] = QT_TRANSLATE_NOOP("halvane::link", "Set Bright Complete!");
inline constexpr char kTextOnOffSet[] = QT_TRANSLATE_NOOP("halvane::link", "Set Open/Close Complete!");
inline constexpr char kTextParametersSet[] = QT_TRANSLATE_NOOP("halvane::link", "Set cross's parameters ok!");

// Set clock (0x51) from the clock's local time; ADDRESS4 fall-back "FF".
// The value is the time that was sent.
LinkResult<QDateTime> SetCrossClock(const LinkContext &link);

// Set brightness schedule (0x31). Out-of-order times are refused before the
// port is opened, with the message the user sees.
LinkStatus SetBrightnessSchedule(const LinkContext &link, const BrightnessSchedule &schedule);

// Call cross (1000 ms, 50 bytes) and the brightness schedule it reports.
LinkResult<BrightnessSchedule> ReadBrightnessSchedule(const LinkContext &link);

// Set on/off schedule (0x52); validated like the brightness schedule.
LinkStatus SetOnOffSchedule(const LinkContext &link, const OnOffSchedule &schedule);

// Call cross (ADDRESS4 fall-back "FF", 2000 ms, 100 bytes) and the on/off
// schedule it reports.
LinkResult<OnOffSchedule> ReadOnOffSchedule(const LinkContext &link);

// Set parameters (0x33) from list positions, then TEMPFACTOR and TIMEZONE
// are stored in Halvane.ini.
LinkStatus SetCrossParameters(const LinkContext &link, int frameDots, int timeZone,
                              int tempFactorPosition);

// Read version (600 ms, 100 bytes): the eight characters of the last reply.
LinkResult<QByteArray> ReadMcuVersion(const LinkContext &link);

} // namespace halvane::link
