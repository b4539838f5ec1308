#pragma once

#include "common/worker.h"
#include "halvane/link/cross_port.h"
#include "halvane/link/device_check.h"

#include <QObject>

#include <QString>
#include <QStringList>

#include <array>
#include <atomic>

namespace halvane::link {

// The automatic cross search of the program start: up to three passes over
// the ports 1 to 16, each at 9600 and then 115200 baud, one call cross per
// port and rate. The first answer is written to Halvane.ini in the order
// PORT, FIND = 1, BAUDRATE, then the resolution from a read version as
// CROSSSTYLE (0 for 48, 1 for 64, 99 when the version names neither or no
// version came). When nothing answers, FIND = 0 and nothing else changes.

inline constexpr int kSearchPasses = 3;
inline constexpr int kSearchPorts = 16;
inline constexpr std::array<int, 2> kSearchRates{9600, 115200};

struct SearchResult {
    bool found = false;
    int port = 0;
    int baudRate = 0;
    int resolution = 0; // 48, 64, or 0 when the cross named neither
    // Why the result could not be kept in Halvane.ini (empty when it was).
    QString settingsError;
    // When nothing was found: the ports with a device this user may not
    // open or another program holds, and why (see device_check.h).
    QList<PortProblem> portProblems;

    // The CROSSSTYLE value the search wrote (only when found).
    int crossStyle() const;
};

// The search itself, on the calling thread.
SearchResult SearchCross(const LinkContext &link);

// Runs SearchCross on a worker thread. The window may poll the two flags from
// timers, or take the `finished` signal; the result may be read once done().
class CrossSearch : public QObject {
    Q_OBJECT
public:
    explicit CrossSearch(LinkContext link, QObject *parent = nullptr);
    ~CrossSearch() override; // waits for the worker

    // Sets running, clears done and starts the worker (once).
    void start();
    bool running() const { return m_running.load(std::memory_order_acquire); }
    bool done() const { return m_done.load(std::memory_order_acquire); }
    // Blocks until the worker has ended.
    void wait();
    SearchResult result() const; // meaningful once done()

signals:
    // Queued to the search's owner thread once the worker has ended.
    void finished(const halvane::link::SearchResult &result);

private:
    LinkContext m_link;
    SearchResult m_result;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_done{false};
    bool m_started = false;
    common::Worker m_worker;
};

// The three status bar panes as Halvane.ini describes the last search:
// cross type, port, rate; or "Can't find cross!" with dashes.
std::array<QString, 3> statusBarTexts(const QString &iniPath);

} // namespace halvane::link

Q_DECLARE_METATYPE(halvane::link::SearchResult)
