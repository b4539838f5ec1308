#pragma once

#include "common/status.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QStringList>

#include <array>
#include <cstdint>

namespace halvane::link {

// The data of the cross settings commands and of their read-backs: the
// values as the device dialogs show them, and the bytes on the wire.

// A value 0..99 as one byte, tens in the high nibble (23 is 0x23).
std::uint8_t toBcd(int value);
// High nibble x 10 + low nibble; nibbles above 9 give values above 99.
int fromBcd(std::uint8_t byte);

struct ClockTime {
    int hour = 0;
    int minute = 0;

    int minutes() const { return hour * 60 + minute; }
    bool valid() const { return hour >= 0 && hour < 24 && minute >= 0 && minute < 60; }
    ClockTime minuteEarlier() const;
    ClockTime minuteLater() const;
    QString text() const; // "HH:MM"
    friend bool operator==(const ClockTime &, const ClockTime &) = default;
};

// --- Brightness schedule (command 0x31, call cross reply bytes 16..27) ---

struct BrightnessRow {
    ClockTime start;
    int level = 0; // 0..3 for "1 rate" .. "4 rate"
    friend bool operator==(const BrightnessRow &, const BrightnessRow &) = default;
};

struct BrightnessSchedule {
    // Row 1's first list shows "Alway k rate" (Always), or an hour (Times);
    // the tick box "Brightness automatically" overrides both (Automatic).
    enum class Mode { Times, Always, Automatic };

    Mode mode = Mode::Always;
    int alwaysLevel = 0; // 0..3 for "Alway 1 rate" .. "Alway 4 rate"
    // Row 1's hour counts only in Times mode; the Set Bright dialog's defaults.
    std::array<BrightnessRow, 4> rows{{{{0, 0}, 0}, {{1, 0}, 1}, {{2, 0}, 2}, {{3, 0}, 3}}};
    friend bool operator==(const BrightnessSchedule &, const BrightnessSchedule &) = default;
};

inline constexpr qsizetype kBrightnessBytes = 12;
inline constexpr std::uint8_t kBrightnessAlways = 0x90; // + level 0..3
inline constexpr std::uint8_t kBrightnessAuto = 0x94;

// Values in range and, in Times mode, start times rising strictly; else the
// message the user sees ("HH2:MM2 is smaller than HH1:MM1").
common::Status validateBrightness(const BrightnessSchedule &schedule);
// The 12 bytes; in Times mode each start goes out one minute earlier.
QByteArray encodeBrightness(const BrightnessSchedule &schedule);
// What the dialog shows for 12 bytes read back. A field that names no list
// entry keeps the dialog's default; `*allValid` tells whether that happened.
BrightnessSchedule decodeBrightness(QByteArrayView bytes, bool *allValid = nullptr);

// --- On/off schedule (command 0x52, call cross reply bytes 28..83) ---

struct OnOffDay {
    enum class Mode { Times, AlwaysOpen, AlwaysClosed };

    Mode mode = Mode::AlwaysOpen;
    // open 1, close 1, open 2, close 2; the On/Off dialog's defaults.
    std::array<ClockTime, 4> times{{{0, 0}, {1, 0}, {2, 0}, {3, 0}}};
    friend bool operator==(const OnOffDay &, const OnOffDay &) = default;
};

// Monday first, as the dialog lists the days.
using OnOffSchedule = std::array<OnOffDay, 7>;

inline constexpr qsizetype kOnOffBytes = 56;
inline constexpr std::uint8_t kOnOffAlwaysOpen = 0x99;
inline constexpr std::uint8_t kOnOffAlwaysClosed = 0x88;

// "Monday" .. "Sunday".
const QStringList &dayNames();

// Values in range and, per day with hours, open 1 < close 1 < open 2 < close 2;
// else e.g. "Monday HH2:MM2 is smaller than HH1:MM1".
common::Status validateOnOff(const OnOffSchedule &schedule);
// The 56 bytes, Sunday first; a time with minute 00 goes out as the minute before.
QByteArray encodeOnOff(const OnOffSchedule &schedule);
// What the dialog shows for 56 bytes read back (minute 59 shown as the next hour).
OnOffSchedule decodeOnOff(QByteArrayView bytes, bool *allValid = nullptr);

// --- Clock (command 0x51) ---

inline constexpr qsizetype kClockBytes = 8;
// Century, year, month, day, day of week (1 = Sunday), hour, minute, second.
QByteArray encodeClock(const QDateTime &localTime);

// --- Parameters (command 0x33) ---

inline constexpr qsizetype kParameterBytes = 16;
inline constexpr int kTimeZoneCount = 24;
inline constexpr int kTempFactorCount = 21;
inline constexpr int kDefaultTempFactorPosition = 10; // "0"

// "Zone 0", "E1" .. "E11", "E12&W12", "W11" .. "W1".
const QStringList &timeZoneNames();
// "+10" .. "+1", "0", "-1" .. "-10"; position p means 10 - p.
QString tempFactorText(int position);

// 00 01 01 00 00 00 03 00 00 F3 01 00, dots, zone, 10 - factor position, 00.
common::Status validateParameters(int frameDots, int timeZone, int tempFactorPosition);
QByteArray encodeParameters(int frameDots, int timeZone, int tempFactorPosition);

} // namespace halvane::link
