#include "dravelle/ui/preview_player.h"

namespace dravelle::ui {

PreviewPlayer::PreviewPlayer(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &PreviewPlayer::next);
}

void PreviewPlayer::start(std::vector<document::DotPage> pages, std::vector<int> delays)
{
    m_timer.stop();
    m_pages = std::move(pages);
    m_delays = std::move(delays);
    m_next = 0;
    m_active = true;
    m_stopRequested = false;
    m_ending = false;
    next();
}

void PreviewPlayer::next()
{
    if (m_ending) {
        m_active = false;
        m_ending = false;
        m_pages.clear();
        m_delays.clear();
        emit finished();
        return;
    }
    if (m_stopRequested || m_next >= m_pages.size()) {
        m_ending = true;
        m_timer.start(kEndPauseMs);
        return;
    }
    const std::size_t k = m_next++;
    emit showPage(m_pages[k]);
    m_timer.start(std::max(0, m_delays[k]));
}

} // namespace dravelle::ui
