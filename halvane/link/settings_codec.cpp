#include "halvane/link/settings_codec.h"

#include <QCoreApplication>
#include <algorithm>

namespace halvane::link {

std::uint8_t toBcd(int value)
{
    return std::uint8_t(((value / 10) % 10) << 4 | (value % 10));
}

int fromBcd(std::uint8_t byte)
{
    return (byte >> 4) * 10 + (byte & 0x0F);
}

ClockTime ClockTime::minuteEarlier() const
{
    if (minute > 0)
        return {hour, minute - 1};
    return {hour > 0 ? hour - 1 : 23, 59};
}

ClockTime ClockTime::minuteLater() const
{
    if (minute < 59)
        return {hour, minute + 1};
    return {hour < 23 ? hour + 1 : 0, 0};
}

QString ClockTime::text() const
{
    return QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0')).arg(minute, 2, 10, QLatin1Char('0'));
}

QByteArray encodeClock(const QDateTime &localTime)
{
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    const int year = std::clamp(date.year(), 0, 9999);
    const std::uint8_t dayOfWeek = std::uint8_t(date.dayOfWeek() % 7 + 1); // Sunday is 1
    const std::uint8_t bytes[kClockBytes] = {
        toBcd(year / 100), toBcd(year % 100), toBcd(date.month()),  toBcd(date.day()),
        dayOfWeek,         toBcd(time.hour()), toBcd(time.minute()), toBcd(time.second())};
    return QByteArray(reinterpret_cast<const char *>(bytes), kClockBytes);
}

const QStringList &timeZoneNames()
{
    static const QStringList names = [] {
        QStringList n{QStringLiteral("Zone 0")};
        for (int i = 1; i <= 11; ++i)
            n << QStringLiteral("E%1").arg(i);
        n << QStringLiteral("E12&W12");
        for (int i = 11; i >= 1; --i)
            n << QStringLiteral("W%1").arg(i);
        return n;
    }();
    return names;
}

QString tempFactorText(int position)
{
    const int value = 10 - position;
    return value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value);
}

common::Status validateParameters(int frameDots, int timeZone, int tempFactorPosition)
{
    if (frameDots < 0 || frameDots > 3)
        return common::Status::failure(QCoreApplication::translate("halvane::link", "Harness frame dots must be 0 to 3."));
    if (timeZone < 0 || timeZone >= kTimeZoneCount)
        return common::Status::failure(QCoreApplication::translate("halvane::link", "Unknown time zone."));
    if (tempFactorPosition < 0 || tempFactorPosition >= kTempFactorCount)
        return common::Status::failure(QCoreApplication::translate("halvane::link", "Temperature factor must be -10 to +10."));
    return common::Status::success();
}

QByteArray encodeParameters(int frameDots, int timeZone, int tempFactorPosition)
{
    // The first twelve bytes are fixed; the cross expects them as they are.
    QByteArray bytes = QByteArray::fromHex("000101000000030000F30100");
    bytes.append(char(frameDots));
    bytes.append(char(timeZone));
    bytes.append(char(std::int8_t(10 - tempFactorPosition)));
    bytes.append('\0');
    return bytes;
}

} // namespace halvane::link
