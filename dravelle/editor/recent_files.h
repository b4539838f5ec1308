#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace dravelle::editor {

// The animations last opened or saved, newest first, for the File menu.
// They are kept in the user's own settings (not in Dravelle.ini, which
// belongs to the application folder) and read again at every use, so two
// running editors share one list.
class RecentFiles {
public:
    static constexpr int kMaxFiles = 8;

    explicit RecentFiles(QSettings &settings) : m_settings(settings) {}

    QStringList paths() const;
    // Puts the file first (as an absolute path), once, keeping eight.
    void add(const QString &path);
    void remove(const QString &path);

private:
    void keep(QStringList paths);

    QSettings &m_settings;
};

} // namespace dravelle::editor
