// The brightness and on/off schedules of settings_codec.h.

#include "halvane/link/settings_codec.h"

#include <QCoreApplication>

namespace halvane::link {
namespace {

using Mode = BrightnessSchedule::Mode;

QString outOfOrder(int later, int earlier)
{
    return QCoreApplication::translate("halvane::link", "HH%1:MM%1 is smaller than HH%2:MM%2").arg(later).arg(earlier);
}

void appendTime(QByteArray &bytes, ClockTime t)
{
    bytes.append(char(toBcd(t.hour)));
    bytes.append(char(toBcd(t.minute)));
}

ClockTime timeAt(QByteArrayView bytes, qsizetype i)
{
    return {fromBcd(std::uint8_t(bytes[i])), fromBcd(std::uint8_t(bytes[i + 1]))};
}

bool validLevel(int level)
{
    return level >= 0 && level <= 3;
}

// The day of the dialog (Monday first) that goes out at wire position w (Sunday first).
const OnOffDay &dayOnWire(const OnOffSchedule &schedule, int w)
{
    return schedule[std::size_t((w + 6) % 7)];
}

} // namespace

common::Status validateBrightness(const BrightnessSchedule &s)
{
    bool inRange = validLevel(s.alwaysLevel);
    for (std::size_t i = 0; i < s.rows.size(); ++i) {
        const bool hourCounts = i > 0 || s.mode == Mode::Times;
        inRange = inRange && validLevel(s.rows[i].level) && s.rows[i].start.minute >= 0
                  && s.rows[i].start.minute < 60
                  && (!hourCounts || (s.rows[i].start.hour >= 0 && s.rows[i].start.hour < 24));
    }
    if (!inRange)
        return common::Status::failure(QCoreApplication::translate("halvane::link", "Brightness values out of range."));
    if (s.mode != Mode::Times)
        return common::Status::success(); // no order is needed with a mode code
    for (int i = 1; i < 4; ++i)
        if (s.rows[std::size_t(i)].start.minutes() <= s.rows[std::size_t(i - 1)].start.minutes())
            return common::Status::failure(outOfOrder(i + 1, i));
    return common::Status::success();
}

QByteArray encodeBrightness(const BrightnessSchedule &s)
{
    QByteArray bytes;
    for (std::size_t i = 0; i < s.rows.size(); ++i) {
        // With hours, the cross is told each start one minute early.
        const ClockTime start = s.mode == Mode::Times ? s.rows[i].start.minuteEarlier() : s.rows[i].start;
        appendTime(bytes, start);
        bytes.append(char(s.rows[i].level));
    }
    if (s.mode == Mode::Automatic)
        bytes[0] = char(kBrightnessAuto);
    else if (s.mode == Mode::Always)
        bytes[0] = char(kBrightnessAlways + s.alwaysLevel);
    return bytes;
}

BrightnessSchedule decodeBrightness(QByteArrayView bytes, bool *allValid)
{
    BrightnessSchedule s;
    bool valid = bytes.size() >= kBrightnessBytes;
    if (!valid) {
        if (allValid)
            *allValid = false;
        return s;
    }
    const std::uint8_t first = std::uint8_t(bytes[0]);
    if (first >= kBrightnessAlways && first < kBrightnessAuto) {
        s.alwaysLevel = first - kBrightnessAlways;
    } else if (first == kBrightnessAuto) {
        s.mode = Mode::Automatic;
    } else if (fromBcd(first) < 24) {
        s.mode = Mode::Times;
    } else {
        valid = false; // names no entry of the first list: keep its default
    }
    for (std::size_t i = 0; i < s.rows.size(); ++i) {
        BrightnessRow &row = s.rows[i];
        const ClockTime start = timeAt(bytes, qsizetype(3 * i));
        const int level = std::uint8_t(bytes[qsizetype(3 * i + 2)]);
        if (i == 0 && s.mode != Mode::Times) {
            if (start.minute < 60) // row 1's hour is a mode code here
                row.start.minute = start.minute;
            else
                valid = false;
        } else if (start.valid()) {
            row.start = s.mode == Mode::Times ? start.minuteLater() : start;
        } else {
            valid = false;
        }
        if (validLevel(level))
            row.level = level;
        else
            valid = false;
    }
    if (allValid)
        *allValid = valid;
    return s;
}

namespace {
const char *const kDayNames[] = {
    QT_TRANSLATE_NOOP("halvane::link", "Monday"),   QT_TRANSLATE_NOOP("halvane::link", "Tuesday"),
    QT_TRANSLATE_NOOP("halvane::link", "Wednesday"), QT_TRANSLATE_NOOP("halvane::link", "Thursday"),
    QT_TRANSLATE_NOOP("halvane::link", "Friday"),   QT_TRANSLATE_NOOP("halvane::link", "Saturday"),
    QT_TRANSLATE_NOOP("halvane::link", "Sunday")};

// A day as the messages name it, in the user's language.
QString dayText(std::size_t day)
{
    return QCoreApplication::translate("halvane::link", kDayNames[day]);
}
} // namespace

const QStringList &dayNames()
{
    static const QStringList names = [] {
        QStringList n;
        for (const char *day : kDayNames)
            n << QString::fromLatin1(day);
        return n;
    }();
    return names;
}

common::Status validateOnOff(const OnOffSchedule &schedule)
{
    for (std::size_t d = 0; d < schedule.size(); ++d) {
        const OnOffDay &day = schedule[d];
        for (std::size_t i = 0; i < day.times.size(); ++i) {
            const ClockTime t = day.times[i];
            const bool hourCounts = i > 0 || day.mode == OnOffDay::Mode::Times;
            if (t.minute < 0 || t.minute > 59 || (hourCounts && !t.valid()))
                return common::Status::failure(QCoreApplication::translate("halvane::link", "%1: time out of range.").arg(dayText(d)));
        }
        if (day.mode != OnOffDay::Mode::Times)
            continue;
        for (int i = 1; i < 4; ++i)
            if (day.times[std::size_t(i)].minutes() <= day.times[std::size_t(i - 1)].minutes())
                return common::Status::failure(dayText(d) + QLatin1Char(' ') + outOfOrder(i + 1, i));
    }
    return common::Status::success();
}

QByteArray encodeOnOff(const OnOffSchedule &schedule)
{
    QByteArray bytes;
    for (int w = 0; w < 7; ++w) {
        const OnOffDay &day = dayOnWire(schedule, w);
        const bool times = day.mode == OnOffDay::Mode::Times;
        for (const ClockTime &t : day.times)
            appendTime(bytes, times && t.minute == 0 ? t.minuteEarlier() : t); // 07:00 goes as 06:59
        if (day.mode == OnOffDay::Mode::AlwaysOpen)
            bytes[8 * w] = char(kOnOffAlwaysOpen);
        else if (day.mode == OnOffDay::Mode::AlwaysClosed)
            bytes[8 * w] = char(kOnOffAlwaysClosed);
    }
    return bytes;
}

OnOffSchedule decodeOnOff(QByteArrayView bytes, bool *allValid)
{
    OnOffSchedule schedule;
    bool valid = bytes.size() >= kOnOffBytes;
    bool allDaysValid = true;
    for (int w = 0; valid && w < 7; ++w) {
        OnOffDay &day = schedule[std::size_t((w + 6) % 7)];
        const std::uint8_t first = std::uint8_t(bytes[8 * w]);
        if (first == kOnOffAlwaysOpen || first == kOnOffAlwaysClosed) {
            day.mode = first == kOnOffAlwaysOpen ? OnOffDay::Mode::AlwaysOpen : OnOffDay::Mode::AlwaysClosed;
            continue; // the rest of the row stays as it was
        }
        OnOffDay read{OnOffDay::Mode::Times, {}};
        bool dayValid = true;
        for (std::size_t i = 0; i < 4; ++i) {
            const ClockTime t = timeAt(bytes, qsizetype(8 * w + 2 * int(i)));
            dayValid = dayValid && t.valid();
            read.times[i] = t.minute == 59 ? t.minuteLater() : t; // 06:59 shows as 07:00
        }
        if (dayValid)
            day = read; // a damaged day keeps the dialog's defaults
        allDaysValid = allDaysValid && dayValid;
    }
    valid = valid && allDaysValid;
    if (allValid)
        *allValid = valid;
    return schedule;
}

} // namespace halvane::link
