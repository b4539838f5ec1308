#include "common/folder_choice.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace common {
namespace {

// The shipped files of an installed program, relative to its bin/ folder.
const QString kShareFromBin = QStringLiteral("../share/halvane/");
const QString kDataFolderName = QStringLiteral("halvane/");

QString withSlash(QString folder)
{
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString cleanFolder(const QString &folder)
{
    return withSlash(QDir::cleanPath(folder));
}

// Copies the files of `from` into `to`, sub-folders included, never over a
// file that is already there.
Status copyMissing(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return Status::failure(QStringLiteral("Cannot create the folder %1.").arg(to));
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target))
                return Status::failure(QStringLiteral("Cannot create the folder %1.").arg(target));
            continue;
        }
        if (QFileInfo::exists(target))
            continue;
        if (!QFile::copy(source, target))
            return Status::failure(QStringLiteral("Cannot copy %1 to %2.").arg(source, target));
        // Shipped files are read-only; the user's copies are the user's to edit.
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return Status::success();
}

} // namespace

const ProgramFolder &halvaneProgramFolder()
{
    static const ProgramFolder folder{QStringLiteral("Halvane.ini"), QString(), {QStringLiteral("animations")},
                                      {QStringLiteral("Fonts")}};
    return folder;
}

const ProgramFolder &dravelleProgramFolder()
{
    static const ProgramFolder folder{QStringLiteral("Dravelle.ini"), QStringLiteral("Dravelle/"), {}, {}};
    return folder;
}

FolderPlaces systemFolderPlaces()
{
    FolderPlaces places;
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    places.executableFolder =
        exe.exists() ? QFileInfo(exe.symLinkTarget()).absolutePath() : QDir::currentPath();
    // A relative XDG_DATA_HOME is invalid and ignored, as the base directory rules say.
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    const QString home = qEnvironmentVariable("HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        places.dataHome = xdg;
    else if (!home.isEmpty())
        places.dataHome = QDir(home).filePath(QStringLiteral(".local/share"));
    return places;
}

FolderChoice chooseFolder(const ProgramFolder &program, const FolderPlaces &places)
{
    const QString exeFolder = cleanFolder(places.executableFolder);
    const QFileInfo settings(exeFolder + program.settingsFile);
    if (settings.isFile() && settings.isWritable())
        return {exeFolder, exeFolder, false};
    FolderChoice choice;
    // A read-only portable folder is its own shipped folder; an installed
    // program finds its files under share/ beside bin/.
    choice.shippedFolder =
        settings.isFile() ? exeFolder : cleanFolder(exeFolder + kShareFromBin + program.subFolder);
    // Neither (a build tree), or nowhere to keep the user's files: the
    // program's own folder, as before.
    if (places.dataHome.isEmpty() || !QFileInfo(choice.shippedFolder).isDir())
        return {exeFolder, exeFolder, false};
    choice.appFolder = cleanFolder(withSlash(places.dataHome) + kDataFolderName + program.subFolder);
    choice.perUser = true;
    return choice;
}

Status seedUserFolder(const ProgramFolder &program, const FolderChoice &choice)
{
    if (!choice.perUser)
        return Status::success();
    if (!QDir().mkpath(choice.appFolder))
        return Status::failure(QStringLiteral("Cannot create the folder %1 for your settings.").arg(choice.appFolder));
    const QString settings = choice.appFolder + program.settingsFile;
    const QString shippedSettings = choice.shippedFolder + program.settingsFile;
    if (!QFileInfo::exists(settings) && QFileInfo::exists(shippedSettings)) {
        if (!QFile::copy(shippedSettings, settings))
            return Status::failure(QStringLiteral("Cannot copy %1 to %2.").arg(shippedSettings, settings));
        QFile::setPermissions(settings, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    for (const QString &name : program.seedFolders) {
        const QString target = choice.appFolder + name;
        if (QFileInfo::exists(target))
            continue; // seeded once: what the user removed stays removed
        // Copied beside and renamed, so a copy cut short is retried whole next time.
        const QString partial = target + QStringLiteral(".part");
        QDir(partial).removeRecursively();
        if (const Status copied = copyMissing(choice.shippedFolder + name, partial); !copied)
            return copied;
        if (!QDir().rename(partial, target))
            return Status::failure(QStringLiteral("Cannot create the folder %1.").arg(target));
    }
    for (const QString &name : program.emptyFolders)
        if (!QDir().mkpath(choice.appFolder + name))
            return Status::failure(QStringLiteral("Cannot create the folder %1.").arg(choice.appFolder + name));
    return Status::success();
}

} // namespace common
