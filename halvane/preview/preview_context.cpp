#include "halvane/preview/preview_context.h"

#include "halvane/project/animation_library.h"
#include "halvane/settings/halvane_config.h"
#include "halvane/project/play_project.h"

#include <QFileInfo>

#include <algorithm>

namespace halvane::preview {

namespace {

constexpr int kSpeedStepMs = 20;

} // namespace

PreviewContext previewContextFor(const QString &iniPath, const project::PlayProjectData &project,
                                 const project::AnimationLibrary &library, const QDateTime &now)
{
    PreviewContext context;
    context.geometry = settings::readStartupSettings(iniPath).geometry();
    context.fontNames = settings::readFontNames(iniPath);
    context.library = library;
    context.project = project;
    context.now = now;
    return context;
}

std::optional<PreviewKind> previewKindForName(const QString &name)
{
    if (const auto text = project::textIndex(name))
        return PreviewKind(int(PreviewKind::Text1) + *text);
    if (const auto item = project::itemIndex(name)) {
        constexpr PreviewKind kItems[] = {PreviewKind::Hour, PreviewKind::Date,
                                          PreviewKind::Temperature, PreviewKind::Humidity};
        return kItems[*item];
    }
    switch (project::animationFileKind(name)) {
    case project::AnimationFileKind::Animation:
        return PreviewKind::Animation;
    case project::AnimationFileKind::Picture:
        return PreviewKind::Picture;
    case project::AnimationFileKind::None:
        break;
    }
    return std::nullopt;
}

QString missingFileMessage(const QString &path)
{
    return QCoreApplication::translate("halvane::preview", "The file ") + path
        + QCoreApplication::translate("halvane::preview",
                                      " not find!\nPlease:Copy this file to 'Animation'.");
}

std::optional<common::gif::Picture> loadAnimationFile(const PreviewContext &context,
                                                      const QString &fileName, StepSink &sink)
{
    const QString path = context.library.filePath(fileName);
    if (!project::isPlainFileName(fileName) || !QFileInfo(path).isFile()) {
        sink.message(missingFileMessage(path));
        return std::nullopt;
    }
    return common::gif::Picture::fromFile(path);
}

bool loadBackAnimation(const PreviewContext &context, const QString &fileName, StepSink &sink,
                       std::optional<common::gif::Picture> *back)
{
    back->reset();
    if (fileName.isEmpty())
        return true;
    *back = loadAnimationFile(context, fileName, sink);
    return back->has_value();
}

const project::AnimationEntry *findAnimation(const PreviewContext &context, const QString &fileName)
{
    for (const project::AnimationEntry &entry : context.project.animations)
        if (entry.fileName == fileName)
            return &entry;
    return nullptr;
}

int speedStepMs(int speed, int maxSpeed)
{
    return kSpeedStepMs * std::clamp(speed, 1, maxSpeed);
}

int animationStepMs(const project::AnimationEntry &entry, const common::gif::Picture &file, int frame)
{
    if (entry.speed == project::kSpeedOff)
        return file.frameDelayMs(frame);
    return speedStepMs(entry.speed, project::kSpeedOff);
}

long long messageDurationMs(int seconds)
{
    const long long even = seconds % 2 != 0 ? (long long)seconds + 1 : seconds;
    return std::max(0LL, even * 1000);
}

PreviewContext previewContextFor(const project::PlayProject &project, const QString &iniPath)
{
    return previewContextFor(iniPath, project.data(), project.library());
}

} // namespace halvane::preview
