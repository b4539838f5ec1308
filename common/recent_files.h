#pragma once

#include <QString>
#include <QStringList>

namespace common {

// The last files a program opened or saved, newest first, for its File menu.
// They live in the user's own configuration (QSettings under the
// organization "cross" and the program's name, e.g.
// ~/.config/cross/halvane.conf), never in the settings file of the
// application folder, which may be shared or read-only.
class RecentFiles {
public:
    static constexpr int kLimit = 8;

    // `program` names the configuration file ("halvane", "dravelle").
    explicit RecentFiles(QString program);

    // Absolute paths, newest first, at most kLimit.
    QStringList files() const;
    // Puts `path` first (once, as an absolute clean path), dropping the
    // oldest beyond the limit.
    void add(const QString &path);
    void remove(const QString &path);
    void clear();

    // The menu text of entry `index` (0-based): "&1 name  (folder)".
    static QString menuText(int index, const QString &path);

private:
    void store(const QStringList &files);

    QString m_program;
};

} // namespace common
