#include "dravelle/ui/recent_menu.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

namespace dravelle::ui {

RecentMenu::RecentMenu(std::unique_ptr<QSettings> settings, QMenu *menu, QAction *before, QWidget *window)
    : QObject(window), m_settings(std::move(settings)), m_files(*m_settings), m_menu(menu), m_before(before),
      m_window(window)
{
    // Another editor may have changed the list meanwhile.
    connect(m_menu, &QMenu::aboutToShow, this, &RecentMenu::rebuild);
    rebuild();
}

RecentMenu::~RecentMenu() = default;

void RecentMenu::add(const QString &path)
{
    m_files.add(path);
    rebuild();
}

void RecentMenu::rebuild()
{
    // Later: the entry being triggered may be among them.
    for (QAction *entry : std::as_const(m_entries)) {
        m_menu->removeAction(entry);
        entry->deleteLater();
    }
    m_entries.clear();
    const QStringList paths = m_files.paths();
    for (int k = 0; k < paths.size(); ++k) {
        const QString path = paths.at(k);
        auto *entry = new QAction(tr("&%1 %2").arg(k + 1).arg(QFileInfo(path).fileName()), m_menu);
        entry->setStatusTip(QDir::toNativeSeparators(path));
        entry->setToolTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] { choose(path); });
        m_menu->insertAction(m_before, entry);
        m_entries << entry;
    }
    if (!m_entries.isEmpty()) {
        auto *line = new QAction(m_menu);
        line->setSeparator(true);
        m_menu->insertAction(m_before, line);
        m_entries << line;
    }
}

void RecentMenu::choose(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        m_files.remove(path);
        rebuild();
        QMessageBox::information(m_window, tr("Dravelle"),
                                 tr("The file %1 cannot be found. It is taken off the recent files.")
                                     .arg(QDir::toNativeSeparators(path)));
        return;
    }
    emit openRequested(path);
}

} // namespace dravelle::ui
