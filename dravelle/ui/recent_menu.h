#pragma once

#include "dravelle/editor/recent_files.h"

#include <QObject>

#include <memory>

class QAction;
class QMenu;
class QSettings;
class QWidget;

namespace dravelle::ui {

// The recent files on the File menu: "&1 name.crs" and so on, newest first,
// just above `before`. A file that has gone is taken off the list with a
// word to the user; the others ask the window to open them.
class RecentMenu : public QObject {
    Q_OBJECT

public:
    RecentMenu(std::unique_ptr<QSettings> settings, QMenu *menu, QAction *before, QWidget *window);
    ~RecentMenu() override;

    void add(const QString &path);
    QStringList paths() const { return m_files.paths(); }
    QList<QAction *> entries() const { return m_entries; }

signals:
    void openRequested(const QString &path);

private:
    void rebuild();
    void choose(const QString &path);

    std::unique_ptr<QSettings> m_settings;
    editor::RecentFiles m_files;
    QMenu *m_menu;
    QAction *m_before;
    QWidget *m_window;
    QList<QAction *> m_entries;
};

} // namespace dravelle::ui
