#pragma once

#include "halvane/link/cross_port.h"

#include <QString>

#include <array>
#include <atomic>
#include <memory>

class QThread;

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

    // The CROSSSTYLE value the search wrote (only when found).
    int crossStyle() const;
};

// The search itself, on the calling thread.
SearchResult SearchCross(const LinkContext &link);

// Runs SearchCross on a worker thread. The window polls the two flags from
// timers; the result may be read once done() is true.
class CrossSearch {
public:
    explicit CrossSearch(LinkContext link);
    ~CrossSearch(); // waits for the worker
    CrossSearch(const CrossSearch &) = delete;
    CrossSearch &operator=(const CrossSearch &) = delete;

    // Sets running, clears done and starts the worker (once).
    void start();
    bool running() const { return m_running.load(std::memory_order_acquire); }
    bool done() const { return m_done.load(std::memory_order_acquire); }
    // Blocks until the worker has ended.
    void wait();
    SearchResult result() const; // meaningful once done()

private:
    LinkContext m_link;
    SearchResult m_result;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_done{false};
    std::unique_ptr<QThread> m_thread;
};

// The three status bar panes as Halvane.ini describes the last search:
// cross type, port, rate; or "Can't find cross!" with dashes.
std::array<QString, 3> statusBarTexts(const QString &iniPath);

} // namespace halvane::link
