#include "tools/cross-sim/pty_cross.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

namespace cross_sim {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kPollMs = 5;

int rateFromSpeed(speed_t speed)
{
    static const std::pair<speed_t, int> kRates[] = {
        {B1200, 1200},     {B2400, 2400},     {B4800, 4800},   {B9600, 9600},
        {B19200, 19200},   {B38400, 38400},   {B57600, 57600}, {B115200, 115200},
        {B230400, 230400}, {B460800, 460800}, {B921600, 921600}};
    for (const auto &[s, rate] : kRates)
        if (s == speed)
            return rate;
    return 0;
}

} // namespace

PtyCross::PtyCross(CrossConfig config) : m_cross(std::move(config)) {}

PtyCross::~PtyCross()
{
    stop();
}

common::Status PtyCross::useStateFolder(const QString &folder)
{
    std::lock_guard lock(m_mutex);
    return m_cross.useStateFolder(folder);
}

common::Status PtyCross::start(const QString &linkPath)
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        return common::Status::failure(QStringLiteral("Can't open a pseudo-terminal"));
    m_devicePath = QString::fromLocal8Bit(::ptsname(m_master));
    m_slave = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY);
    if (m_slave >= 0) {
        termios t{};
        ::tcgetattr(m_slave, &t);
        ::cfmakeraw(&t); // no echo or line editing before the host sets its own mode
        ::tcsetattr(m_slave, TCSANOW, &t);
    }
    if (!linkPath.isEmpty()) {
        const QFileInfo old(linkPath);
        if (old.exists() && !old.isSymLink())
            return common::Status::failure(QStringLiteral("%1 exists and is not a link").arg(linkPath));
        QFile::remove(linkPath);
        if (!QFile::link(m_devicePath, linkPath))
            return common::Status::failure(QStringLiteral("Can't create the link %1").arg(linkPath));
        m_linkPath = linkPath;
    }
    m_thread = std::thread([this] { run(); });
    return common::Status::success();
}

void PtyCross::stop()
{
    m_stop.store(true);
    if (m_thread.joinable())
        m_thread.join();
    if (!m_linkPath.isEmpty() && QFileInfo(m_linkPath).symLinkTarget() == m_devicePath)
        QFile::remove(m_linkPath);
    m_linkPath.clear();
    for (int *fd : {&m_slave, &m_master}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

void PtyCross::requestSelfTest()
{
    std::lock_guard lock(m_mutex);
    queue(m_cross.selfTest());
}

bool PtyCross::waitForCommands(int count, int timeoutMs) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_cross.state().commandsSeen >= count; });
}

void PtyCross::run()
{
    while (!m_stop.load()) {
        pollfd p{m_master, POLLIN, 0};
        const int ready = ::poll(&p, 1, kPollMs);
        if (ready > 0 && (p.revents & POLLIN))
            receive();
        else if (ready > 0)
            ::usleep(kPollMs * 1000); // hung up or in error: do not spin
        if (m_selfTestRepeat.load() && Clock::now() >= m_nextRepeat) {
            std::lock_guard lock(m_mutex);
            queue({{m_cross.selfTestFrame(), 0}});
            m_nextRepeat = Clock::now() + std::chrono::milliseconds(kSelfTestSpacingMs);
        }
        writeDue();
    }
}

void PtyCross::receive()
{
    char buffer[4096];
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n <= 0)
        return;
    const int baud = lineBaud();
    {
        std::lock_guard lock(m_mutex);
        queue(m_cross.receive(QByteArrayView(buffer, n), baud));
    }
    m_changed.notify_all();
}

void PtyCross::queue(const std::vector<Outgoing> &outgoing)
{
    const TimePoint now = Clock::now();
    for (const Outgoing &o : outgoing) {
        Pending p{now + std::chrono::milliseconds(o.delayMs), o.bytes};
        auto at = std::upper_bound(m_pending.begin(), m_pending.end(), p.due,
                                   [](TimePoint due, const Pending &q) { return due < q.due; });
        m_pending.insert(at, std::move(p));
    }
}

void PtyCross::writeDue()
{
    std::lock_guard lock(m_mutex);
    while (!m_pending.empty() && m_pending.front().due <= Clock::now()) {
        if (lineBaud() != m_cross.config().baudRate) {
            // The host listens at another rate: on a real line these bytes
            // would arrive as noise. A terminal has no rate, so drop them.
            m_pending.pop_front();
            continue;
        }
        QByteArray &bytes = m_pending.front().bytes;
        const ssize_t n = ::write(m_master, bytes.constData(), size_t(bytes.size()));
        // n < 0: the host has stopped reading (the frame is lost, as on a
        // real line) or the line is gone.
        if (n > 0 && n < bytes.size()) {
            bytes.remove(0, n);
            return;
        }
        m_pending.pop_front();
    }
}

int PtyCross::lineBaud() const
{
    // The master side reports the settings the host made on its side.
    termios t{};
    if (::tcgetattr(m_master, &t) != 0)
        return 0;
    return rateFromSpeed(::cfgetospeed(&t));
}

} // namespace cross_sim
