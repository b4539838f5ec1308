#include "dravelle/editor/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace dravelle::editor {

namespace {
const QString kKey = QStringLiteral("recentFiles");
}

QStringList RecentFiles::paths() const
{
    QStringList paths = m_settings.value(kKey).toStringList();
    paths.removeAll(QString());
    return paths.mid(0, kMaxFiles);
}

void RecentFiles::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(absolute);
    list.prepend(absolute);
    keep(list);
}

void RecentFiles::remove(const QString &path)
{
    QStringList list = paths();
    list.removeAll(path);
    list.removeAll(QFileInfo(path).absoluteFilePath());
    keep(list);
}

void RecentFiles::keep(QStringList paths)
{
    m_settings.setValue(kKey, paths.mid(0, kMaxFiles));
    m_settings.sync();
}

} // namespace dravelle::editor
