#include "halvane/settings/halvane_config.h"

#include "common/app_dir.h"
#include "common/profile.h"

#include <QStringList>

#include <algorithm>

namespace halvane::settings {

QString halvaneIniPath()
{
    return common::applicationFile(QStringLiteral("Halvane.ini"));
}

QString addressKey(int part)
{
    return QStringLiteral("ADDRESS%1").arg(part);
}

QString storedAddressSection(int number)
{
    return QStringLiteral("ADDR%1").arg(number);
}

QString address4Default(Address4Fallback fallback)
{
    return fallback == Address4Fallback::FF ? QStringLiteral("FF") : QStringLiteral("EF");
}

namespace {

int nibble(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= '0' && u <= '9')
        return u - '0';
    return 0;
}

} // namespace

std::uint8_t addressTextToByte(const QString &text)
{
    if (text.isEmpty())
        return 0;
    const QString lower = text.toLower();
    return std::uint8_t((nibble(lower.front()) << 4) | nibble(lower.back()));
}

QString addressByteToText(std::uint8_t byte)
{
    static const char digits[] = "0123456789ABCDEF";
    return QString(QLatin1Char(digits[byte >> 4])) + QLatin1Char(digits[byte & 0x0F]);
}

CrossAddress readBootAddress(const QString &iniPath, Address4Fallback fallback)
{
    CrossAddress address{};
    const QString boot = QString::fromLatin1(kSectionBoot);
    for (int part = 1; part <= 4; ++part) {
        const QString def = part == 4 ? address4Default(fallback) : QStringLiteral("FF");
        const QString text = common::GetPrivateProfileStringA(boot, addressKey(part), def,
                                                              kBootAddressSize, iniPath);
        address[std::size_t(part - 1)] = addressTextToByte(text);
    }
    return address;
}

StartupSettings readStartupSettings(const QString &iniPath)
{
    StartupSettings s;
    s.crossStyle = readBootInt(iniPath, kKeyCrossStyle, 0);
    s.harnessFrameDots = common::CrossGeometry::clampFrameDots(
        readBootInt(iniPath, kKeyHarnessFrameDots, 0));
    // As stored: a value outside 0..4 means the built-in texts, not Auto.
    s.language = readBootInt(iniPath, kKeyLanguage, 0);
    return s;
}

namespace {
// A list position stored in Halvane.ini, or the default when it names no entry.
int storedPosition(const QString &iniPath, const char *key, int defaultValue, int count)
{
    const int v = readBootInt(iniPath, key, defaultValue);
    return v >= 0 && v < count ? v : defaultValue;
}
} // namespace

ParameterSettings readParameterSettings(const QString &iniPath)
{
    ParameterSettings s;
    s.crossStyle = readBootInt(iniPath, kKeyCrossStyle, kCrossStyle48);
    s.harnessFrameDots = common::CrossGeometry::clampFrameDots(readBootInt(iniPath, kKeyHarnessFrameDots, 0));
    s.timeZone = storedPosition(iniPath, kKeyTimeZone, 0, ParameterSettings::kTimeZones);
    s.tempFactor = storedPosition(iniPath, kKeyTempFactor, kDefaultTempFactor, ParameterSettings::kTempFactors);
    return s;
}

common::Status writeCrossResolution(const QString &iniPath, int side)
{
    return writeBootInt(iniPath, kKeyCrossStyle, side == 64 ? kCrossStyle64 : kCrossStyle48);
}

common::Status writeHarnessFrameDots(const QString &iniPath, int dots)
{
    return writeBootInt(iniPath, kKeyHarnessFrameDots, common::CrossGeometry::clampFrameDots(dots));
}

int readFontCount(const QString &iniPath)
{
    // A hand-edited FONTNUM may be huge; no installation has that many fonts.
    constexpr int kMaxFontKeys = 999;
    return std::min(kMaxFontKeys, common::GetPrivateProfileIntA(QString::fromLatin1(kSectionFont),
                                                                QString::fromLatin1(kKeyFontNum),
                                                                kDefaultFontNum, iniPath));
}

QStringList readFontNames(const QString &iniPath)
{
    const QString font = QString::fromLatin1(kSectionFont);
    const int count = readFontCount(iniPath);
    QStringList names;
    for (int i = 1; i <= count; ++i) {
        const QString name = common::GetPrivateProfileStringA(
            font, QStringLiteral("FONT%1").arg(i), QString(), kFontNameSize, iniPath);
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

int readBootInt(const QString &iniPath, const char *key, int defaultValue)
{
    return common::GetPrivateProfileIntA(QString::fromLatin1(kSectionBoot),
                                         QString::fromLatin1(key), defaultValue, iniPath);
}

common::Status writeBootInt(const QString &iniPath, const char *key, int value)
{
    return common::WritePrivateProfileStringA(QString::fromLatin1(kSectionBoot),
                                              QString::fromLatin1(key), QString::number(value),
                                              iniPath);
}

} // namespace halvane::settings
