#include "halvane/settings/port_map.h"

#include "common/profile.h"
#include "halvane/settings/halvane_config.h"

namespace halvane::settings {

QString defaultPortDevicePath(int portNumber)
{
    struct Range {
        int first;
        int count;
        const char *prefix;
    };
    static constexpr Range kRanges[] = {
        {1, 8, "/dev/ttyUSB"},
        {9, 4, "/dev/ttyACM"},
        {13, 4, "/dev/ttyS"},
    };
    for (const Range &r : kRanges)
        if (portNumber >= r.first && portNumber < r.first + r.count)
            return QString::fromLatin1(r.prefix) + QString::number(portNumber - r.first);
    return {};
}

QString portDevicePath(const QString &iniPath, int portNumber)
{
    if (portNumber < 1)
        return {};
    // A value can never contain this character, so it tells "no entry" from "empty".
    static const QString kNoEntry = QStringLiteral("\x01");
    constexpr int kPathSize = 4096;
    const QString mapped = common::GetPrivateProfileStringA(
        QString::fromLatin1(settings::kSectionPorts), QStringLiteral("COM%1").arg(portNumber),
        kNoEntry, kPathSize, iniPath);
    if (mapped == kNoEntry)
        return defaultPortDevicePath(portNumber);
    return mapped;
}

} // namespace halvane::settings
