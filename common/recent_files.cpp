#include "common/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace common {

namespace {
const char kOrganization[] = "cross";
const char kKey[] = "recent/files";

QString cleanPath(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
} // namespace

RecentFiles::RecentFiles(QString program) : m_program(std::move(program)) {}

QStringList RecentFiles::files() const
{
    QSettings settings(QString::fromLatin1(kOrganization), m_program);
    QStringList files;
    for (const QString &path : settings.value(QString::fromLatin1(kKey)).toStringList()) {
        if (path.isEmpty() || files.contains(path))
            continue;
        files << path;
        if (files.size() == kLimit)
            break;
    }
    return files;
}

void RecentFiles::add(const QString &path)
{
    const QString clean = cleanPath(path);
    QStringList list = files();
    list.removeAll(clean);
    list.prepend(clean);
    store(list.mid(0, kLimit));
}

void RecentFiles::remove(const QString &path)
{
    QStringList list = files();
    list.removeAll(cleanPath(path));
    list.removeAll(path);
    store(list);
}

void RecentFiles::clear()
{
    store({});
}

QString RecentFiles::menuText(int index, const QString &path)
{
    const QFileInfo file(path);
    QString name = file.fileName();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QString folder = QDir::toNativeSeparators(file.absolutePath());
    folder.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2  (%3)").arg(index + 1).arg(name, folder);
}

void RecentFiles::store(const QStringList &files)
{
    QSettings settings(QString::fromLatin1(kOrganization), m_program);
    settings.setValue(QString::fromLatin1(kKey), files);
    settings.sync();
}

} // namespace common
