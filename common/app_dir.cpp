#include "common/app_dir.h"

#include "common/folder_choice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstring>

namespace common {
namespace {

QString &overrideFolder()
{
    static QString folder;
    return folder;
}

// The family a main() named and the folder decided for it.
struct Prepared {
    const ProgramFolder *program = nullptr;
    bool decided = false;
    FolderChoice choice;
};

Prepared &prepared()
{
    static Prepared p;
    return p;
}

QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

QString executableFolder()
{
    if (QCoreApplication::instance())
        return withSlash(QCoreApplication::applicationDirPath());
    // Before the application object exists, ask the kernel where we run from.
    return withSlash(systemFolderPlaces().executableFolder);
}

QString applicationFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    if (prepared().decided)
        return prepared().choice.appFolder;
    return executableFolder();
}

void setProgramFolder(const ProgramFolder &program)
{
    prepared().program = &program;
}

Status prepareApplicationFolder()
{
    Prepared &p = prepared();
    if (!overrideFolder().isEmpty() || !p.program || p.decided)
        return Status::success();
    FolderPlaces places = systemFolderPlaces();
    places.executableFolder = executableFolder();
    FolderChoice choice = chooseFolder(*p.program, places);
    const Status seeded = seedUserFolder(*p.program, choice);
    if (!seeded) {
        choice.appFolder = choice.shippedFolder;
        choice.perUser = false;
    }
    p.choice = choice;
    p.decided = true;
    return seeded;
}

QString shippedFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    if (prepared().decided)
        return prepared().choice.shippedFolder;
    return executableFolder();
}

QString companionProgram(const QString &portablePath, const QString &installedName)
{
    const QString portable = applicationFolder() + portablePath;
    const QString installed = executableFolder() + installedName;
    if (applicationFolderIsPerUser() || (!QFileInfo::exists(portable) && QFileInfo::exists(installed)))
        return installed;
    return portable;
}

bool applicationFolderIsPerUser()
{
    return overrideFolder().isEmpty() && prepared().decided && prepared().choice.perUser;
}

void setApplicationFolder(const QString &folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : withSlash(QDir(folder).absolutePath());
}

bool takeAppDirArgument(QStringList &arguments, QString *error)
{
    static const QString option = QStringLiteral("--app-dir");
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg.startsWith(option + QLatin1Char('='))) {
            setApplicationFolder(arg.mid(option.size() + 1));
            arguments.removeAt(i);
            return true;
        }
        if (arg == option) {
            if (i + 1 >= arguments.size()) {
                if (error)
                    *error = QStringLiteral("--app-dir needs a folder");
                return false;
            }
            setApplicationFolder(arguments.at(i + 1));
            arguments.remove(i, 2);
            return true;
        }
    }
    return true;
}

bool takeAppDirArgument(int &argc, char **argv, QString *error)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const int before = args.size();
    if (!takeAppDirArgument(args, error))
        return false;
    const int removed = before - int(args.size());
    if (removed == 0)
        return true;
    // Shift argv down over the removed option, keeping the other pointers.
    int out = 0;
    bool skipped = false;
    for (int i = 0; i < argc; ++i) {
        const char *a = argv[i];
        if (!skipped && std::strncmp(a, "--app-dir", 9) == 0 && (a[9] == '\0' || a[9] == '=')) {
            skipped = true;
            if (a[9] == '\0')
                ++i;
            continue;
        }
        argv[out++] = argv[i];
    }
    argc = out;
    argv[argc] = nullptr;
    return true;
}

QString applicationFile(const QString &name)
{
    return applicationFolder() + name;
}

QString folderWithShipped(const QString &appFolder, const QString &name)
{
    return QDir(appFolder + name).exists() ? appFolder : shippedFolder();
}

} // namespace common
