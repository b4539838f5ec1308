#include "dravelle/editor/dravelle_config.h"

#include "common/app_dir.h"
#include "common/profile.h"

namespace dravelle::editor {

QString dravelleIniPath()
{
    return common::applicationFile(QLatin1String(kDravelleIni));
}

DravelleSettings readDravelleSettings(const QString &path)
{
    const QString section = QLatin1String(kDravelleSection);
    DravelleSettings s;
    s.resolutionIndex = common::GetPrivateProfileIntA(section, QLatin1String(kKeyResolution), 0, path);
    s.dontShowAgain = common::GetPrivateProfileIntA(section, QLatin1String(kKeyDontShowAgain), 0, path) != 0;
    return s;
}

common::Status writeDravelleSettings(const QString &path, const DravelleSettings &settings)
{
    const QString section = QLatin1String(kDravelleSection);
    const QString index = QString::number(settings.resolutionIndex == 0 ? 0 : 1);
    common::Status status = common::WritePrivateProfileStringA(section, QLatin1String(kKeyResolution), index, path);
    if (!status)
        return status;
    return common::WritePrivateProfileStringA(section, QLatin1String(kKeyDontShowAgain),
                                              settings.dontShowAgain ? QStringLiteral("1") : QStringLiteral("0"),
                                              path);
}

int resolutionIndexFor(int resolution)
{
    return resolution == 64 ? 1 : 0;
}

} // namespace dravelle::editor
