#include "halvane/ui/icons.h"

#include <array>

namespace halvane::ui {

QIcon uiIcon(const QString &name)
{
    return QIcon(QStringLiteral(":/icons/ui/%1.svg").arg(name));
}

QIcon entryKindIcon(project::EntryKind kind)
{
    static const std::array<const char *, 6> kNames = {"animation", "text",        "hour",
                                                       "date",      "temperature", "humidity"};
    const auto index = static_cast<std::size_t>(kind);
    return uiIcon(QStringLiteral("kind-") + QLatin1String(kNames.at(index < kNames.size() ? index : 0)));
}

QIcon programIcon()
{
    return QIcon(QStringLiteral(":/icons/halvane.svg"));
}

} // namespace halvane::ui
