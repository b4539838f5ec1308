#include "halvane/project/animation_library.h"

#include "common/atomic_save.h"

#include "common/app_dir.h"
#include "halvane/project/ansi_text.h"
#include "halvane/project/play_project_records.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace halvane::project {
namespace {

// The context of this file's texts in the translations.
struct LibraryText {
    Q_DECLARE_TR_FUNCTIONS(LibraryText)
};

bool sameFile(const QString &a, const QString &b)
{
    std::error_code ec;
    return std::filesystem::equivalent(std::filesystem::path(QFile::encodeName(a).toStdString()),
                                       std::filesystem::path(QFile::encodeName(b).toStdString()),
                                       ec)
        && !ec;
}

common::Status copyFailure(const QString &source, const QString &why)
{
    return common::Status::failure(
        LibraryText::tr("Cannot copy \"%1\" into the animations folder: %2.").arg(source, why));
}

} // namespace

AnimationLibrary::AnimationLibrary(const QString &folder)
    : m_folder(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'))
{
}

AnimationLibrary AnimationLibrary::inApplicationFolder()
{
    return AnimationLibrary(common::applicationFile(QStringLiteral("animations/")));
}

bool AnimationLibrary::contains(const QString &name) const
{
    return isPlainFileName(name) && QFileInfo(filePath(name)).isFile();
}

AnimationLibrary::Scan AnimationLibrary::scan() const
{
    Scan result;
    const QFileInfoList files =
        QDir(m_folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo &file : files) {
        const QString name = file.fileName();
        if (!hasAnimationExtension(name))
            continue;
        const common::Status fits = checkAnimationName(name);
        if (fits)
            result.names << name;
        else
            result.refused << fits.message;
    }
    return result;
}

common::Status AnimationLibrary::copyIn(const QString &sourcePath) const
{
    const QFileInfo source(sourcePath);
    const QString target = filePath(source.fileName());
    if (sameFile(sourcePath, target))
        return common::Status::success();
    QFile in(sourcePath);
    if (!source.isFile() || !in.open(QIODevice::ReadOnly))
        return copyFailure(sourcePath, source.isFile() ? in.errorString() : LibraryText::tr("no such file"));
    if (!QDir().mkpath(m_folder))
        return copyFailure(sourcePath, LibraryText::tr("the folder cannot be created"));
    // Animation files are small enough to copy in one piece; the shared atomic
    // save checks the final flush, so a full disk never leaves a cut copy.
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return copyFailure(sourcePath, in.errorString());
    const common::Status saved = common::saveAtomically(target, bytes);
    if (!saved)
        return copyFailure(sourcePath, saved.message);
    return common::Status::success();
}

bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

bool hasAnimationExtension(const QString &name)
{
    return animationFileKind(name) != AnimationFileKind::None;
}

common::Status checkAnimationName(const QString &name)
{
    if (!isPlainFileName(name))
        return common::Status::failure(LibraryText::tr("\"%1\" is not a plain file name.").arg(name));
    if (!hasAnimationExtension(name))
        return common::Status::failure(
            LibraryText::tr("\"%1\" is not an animation file (.crs, .bmp or .jpg).").arg(name));
    if (name.size() > kMaxNameLength)
        return common::Status::failure(
            LibraryText::tr("The file name \"%1\" is longer than %2 characters; a play project cannot hold it.")
                .arg(name)
                .arg(kMaxNameLength));
    if (!isAnsiText(name))
        return common::Status::failure(
            LibraryText::tr("The file name \"%1\" has characters that a play project cannot hold.").arg(name));
    return common::Status::success();
}

} // namespace halvane::project
