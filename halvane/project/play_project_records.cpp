#include "halvane/project/play_project_records.h"

#include "common/cross_geometry.h"
#include <QCoreApplication>


namespace halvane::project {

std::optional<int> itemIndex(const QString &name)
{
    for (int i = 0; i < kItemCount; ++i)
        if (name == QLatin1String(kItemKeywords[std::size_t(i)]))
            return i;
    return std::nullopt;
}

std::optional<int> textIndex(const QString &name)
{
    for (int i = 0; i < kTextCount; ++i)
        if (name == QLatin1String(kTextKeywords[std::size_t(i)]))
            return i;
    return std::nullopt;
}

EntryKind entryKind(const QString &name)
{
    if (textIndex(name))
        return EntryKind::Text;
    if (const auto item = itemIndex(name))
        return EntryKind(int(EntryKind::Hour) + *item);
    return EntryKind::Animation;
}

namespace {
AnimationFileKind kindOfEnding(const QString &ending)
{
    if (ending == QLatin1String("crs"))
        return AnimationFileKind::Animation;
    if (ending == QLatin1String("bmp") || ending == QLatin1String("jpg"))
        return AnimationFileKind::Picture;
    return AnimationFileKind::None;
}
} // namespace

AnimationFileKind animationFileKind(const QString &name)
{
    const QString ending = name.right(4).toLower();
    return ending.startsWith(QLatin1Char('.')) ? kindOfEnding(ending.mid(1)) : AnimationFileKind::None;
}

AnimationFileKind imageFileKind(const QString &name)
{
    return kindOfEnding(name.right(3).toLower());
}

QStringList speedChoices()
{
    return {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
            QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("OFF")};
}

QStringList frameStyleChoices()
{
    static const char *const kStyles[] = {
        QT_TRANSLATE_NOOP("PlayProject", "None"),          QT_TRANSLATE_NOOP("PlayProject", "One dot"),
        QT_TRANSLATE_NOOP("PlayProject", "Two dots"),      QT_TRANSLATE_NOOP("PlayProject", "Move"),
        QT_TRANSLATE_NOOP("PlayProject", "Flash one dot"), QT_TRANSLATE_NOOP("PlayProject", "Flash two dots")};
    QStringList styles;
    for (const char *style : kStyles)
        styles << QCoreApplication::translate("PlayProject", style);
    return styles;
}

QStringList textSizeChoices()
{
    QStringList sizes;
    for (int i = 0; i < kTextSizeCount; ++i)
        sizes << QString::number(kSmallestTextSize + i);
    return sizes;
}

int defaultTextSize(int harnessFrameDots)
{
    static constexpr int kSizeByFrameDots[] = {7, 5, 2, 0};
    return kSizeByFrameDots[common::CrossGeometry::clampFrameDots(harnessFrameDots)];
}

PlayProjectData defaultProjectData(int harnessFrameDots)
{
    PlayProjectData data;
    for (TextSettings &text : data.texts)
        text.size = defaultTextSize(harnessFrameDots);
    return data;
}

AnimationEntry defaultAnimationEntry(const QString &fileName)
{
    AnimationEntry entry;
    entry.fileName = fileName;
    return entry;
}

} // namespace halvane::project
