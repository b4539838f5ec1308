#include "dravelle/ui/wait_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace dravelle::ui {

WaitWindow::WaitWindow(const std::atomic_bool &busy, QWidget *parent)
    : QDialog(parent)
    , m_busy(busy)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(tr("Dravelle"));
    auto *text = new QLabel(tr("Processing, please wait..."), this);
    text->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->addWidget(text);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_poll.setInterval(100);
    connect(&m_poll, &QTimer::timeout, this, &WaitWindow::checkBusy);
    m_poll.start();
}

WaitWindow::~WaitWindow()
{
    setWaitCursor(false);
}

void WaitWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    setWaitCursor(true);
}

void WaitWindow::hideEvent(QHideEvent *event)
{
    setWaitCursor(false);
    QDialog::hideEvent(event);
}

void WaitWindow::checkBusy()
{
    if (!m_busy.load()) {
        m_poll.stop();
        close();
    }
}

void WaitWindow::setWaitCursor(bool on)
{
    if (on == m_cursorSet)
        return;
    m_cursorSet = on;
    if (on)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

} // namespace dravelle::ui
