#include "common/app_dir.h"

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

QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString executableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Before the application object exists, ask the kernel where we run from.
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    return exe.exists() ? QFileInfo(exe.symLinkTarget()).absolutePath() : QDir::currentPath();
}

} // namespace

QString applicationFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    return withSlash(executableFolder());
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

} // namespace common
