#include "dravelle/ui/recovery_keeper.h"

#include <QCoreApplication>
#include <QFile>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

namespace dravelle::ui {

RecoveryKeeper::RecoveryKeeper(document::AnimationStore &store, const QString &folder, QWidget *window)
    : QObject(window), m_store(store),
      m_copy(folder, store.resolution(), QCoreApplication::applicationPid()), m_window(window)
{
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::tick);
    m_timer.start();
}

void RecoveryKeeper::tick()
{
    const common::Status status = m_copy.update(m_store);
    // Said once in the status bar: a failing copy must not nag every minute.
    if (!status && !m_reported) {
        m_reported = true;
        if (auto *main = qobject_cast<QMainWindow *>(m_window))
            main->statusBar()->showMessage(tr("The recovery copy cannot be written: %1").arg(status.message));
    }
    if (status)
        m_reported = false;
}

void RecoveryKeeper::discard()
{
    m_timer.stop();
    m_copy.remove();
}

bool RecoveryKeeper::offerRestore()
{
    const QStringList copies = m_copy.leftBehind();
    if (copies.isEmpty())
        return false;
    const QString path = copies.constFirst();
    const auto answer = QMessageBox::question(
        m_window, tr("Dravelle"),
        tr("Dravelle was not closed normally. Do you want to restore the animation it was editing?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes) {
        QFile::remove(path);
        return false;
    }
    const common::Status status = editor::RecoveryCopy::restore(path, m_store);
    if (!status) {
        // The copy stays for another try.
        QMessageBox::warning(m_window, tr("Dravelle"),
                             tr("The recovery copy %1 cannot be read: %2").arg(path, status.message));
        return false;
    }
    QFile::remove(path);
    return true;
}

} // namespace dravelle::ui
