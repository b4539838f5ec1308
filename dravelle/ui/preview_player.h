#pragma once

#include "dravelle/document/dot_page.h"

#include <QObject>
#include <QTimer>

#include <vector>

namespace dravelle::ui {

// The editor's preview: plays the pages once, each for its delay, from a
// copy taken when it starts, so the page commands, drawing and templates
// that change the store meanwhile never touch what it reads. Runs on timers
// of the user-interface thread. stop() lets the page that is showing keep its
// delay; then, as after the last page, the player waits 100 ms and finishes.
class PreviewPlayer : public QObject {
    Q_OBJECT

public:
    static constexpr int kEndPauseMs = 100;

    explicit PreviewPlayer(QObject *parent = nullptr);

    // Starts playing (pages with their words laid over); a running preview
    // starts again from the first page.
    void start(std::vector<document::DotPage> pages, std::vector<int> delays);
    // Asks the preview to end after the showing page.
    void stop() { m_stopRequested = true; }
    // True from start() until finished().
    bool isActive() const { return m_active; }
    bool isStopRequested() const { return m_stopRequested; }

signals:
    void showPage(const document::DotPage &page);
    void finished();

private:
    void next();

    QTimer m_timer;
    std::vector<document::DotPage> m_pages;
    std::vector<int> m_delays;
    std::size_t m_next = 0;
    bool m_active = false;
    bool m_stopRequested = false;
    bool m_ending = false;
};

} // namespace dravelle::ui
