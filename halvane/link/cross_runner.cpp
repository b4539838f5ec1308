#include "halvane/link/cross_runner.h"

#include "halvane/link/cross_test.h"
#include "halvane/link/exchanges.h"
#include "halvane/link/settings_commands.h"

#include <algorithm>

namespace halvane::link {
namespace {

// The operation's clock: the runner's clock, except that every wait first
// looks at the cancel flag and ends the operation once it is raised. Long
// sleeps are taken in short pieces so a cancel acts within a few milliseconds.
class CancellableClock : public Clock {
public:
    CancellableClock(Clock &inner, const std::atomic<bool> &cancel) : m_inner(inner), m_cancel(cancel) {}

    std::uint32_t tickMs() override
    {
        check();
        return m_inner.tickMs();
    }

    void sleepMs(int ms) override
    {
        constexpr int kPieceMs = 20;
        while (ms > 0) {
            check();
            const int piece = std::min(ms, kPieceMs);
            m_inner.sleepMs(piece);
            ms -= piece;
        }
        check();
    }

    QDateTime localTime() override { return m_inner.localTime(); }

private:
    void check() const
    {
        if (m_cancel.load(std::memory_order_acquire))
            throw common::JobCancelled{};
    }

    Clock &m_inner;
    const std::atomic<bool> &m_cancel;
};

CrossRunner::Result statusOnly(LinkStatus status)
{
    return {std::move(status), {}};
}

template <class T>
CrossRunner::Result withValue(const LinkResult<T> &result)
{
    return {result.status, result.status.ok() ? QVariant::fromValue(result.value) : QVariant()};
}

} // namespace

CrossRunner::CrossRunner(LinkContext link, QObject *parent) : QObject(parent), m_link(std::move(link))
{
    qRegisterMetaType<Result>();
    connect(&m_worker, &common::Worker::finished, this, &CrossRunner::deliver);
}

bool CrossRunner::run(Operation operation)
{
    return m_worker.start([link = m_link, operation = std::move(operation)](const std::atomic<bool> &cancel) {
        CancellableClock clock(*link.clock, cancel);
        LinkContext own = link;
        own.clock = &clock;
        return QVariant::fromValue(operation(own, cancel));
    });
}

void CrossRunner::cancel()
{
    m_worker.cancel();
}

void CrossRunner::deliver(const QVariant &result, bool cancelled)
{
    if (cancelled || !result.canConvert<Result>()) {
        emit finished(statusOnly(LinkStatus::failure(LinkStatus::Code::Stopped, QString())));
        return;
    }
    emit finished(result.value<Result>());
}

CrossRunner::Operation CrossRunner::findCross()
{
    return [](const LinkContext &link, const std::atomic<bool> &) { return statusOnly(FindCross(link)); };
}

CrossRunner::Operation CrossRunner::findCrossAtAddress(settings::AddressBook book)
{
    return [book = std::move(book)](const LinkContext &link, const std::atomic<bool> &) {
        return statusOnly(FindCrossAtAddress(link, book));
    };
}

CrossRunner::Operation CrossRunner::readVersion()
{
    return [](const LinkContext &link, const std::atomic<bool> &) { return withValue(ReadMcuVersion(link)); };
}

CrossRunner::Operation CrossRunner::setClock()
{
    return [](const LinkContext &link, const std::atomic<bool> &) { return withValue(SetCrossClock(link)); };
}

CrossRunner::Operation CrossRunner::readBrightness()
{
    return [](const LinkContext &link, const std::atomic<bool> &) {
        return withValue(ReadBrightnessSchedule(link));
    };
}

CrossRunner::Operation CrossRunner::setBrightness(BrightnessSchedule schedule)
{
    return [schedule](const LinkContext &link, const std::atomic<bool> &) {
        return statusOnly(SetBrightnessSchedule(link, schedule));
    };
}

CrossRunner::Operation CrossRunner::readOnOff()
{
    return [](const LinkContext &link, const std::atomic<bool> &) { return withValue(ReadOnOffSchedule(link)); };
}

CrossRunner::Operation CrossRunner::setOnOff(OnOffSchedule schedule)
{
    return [schedule](const LinkContext &link, const std::atomic<bool> &) {
        return statusOnly(SetOnOffSchedule(link, schedule));
    };
}

CrossRunner::Operation CrossRunner::setParameters(int frameDots, int timeZone, int tempFactorPosition)
{
    return [=](const LinkContext &link, const std::atomic<bool> &) {
        return statusOnly(SetCrossParameters(link, frameDots, timeZone, tempFactorPosition));
    };
}

CrossRunner::Operation CrossRunner::crossTest(int timeoutMs)
{
    return [timeoutMs](const LinkContext &link, const std::atomic<bool> &cancel) {
        return statusOnly(RunCrossTest(link, cancel, timeoutMs));
    };
}

CrossRunner::Operation CrossRunner::search()
{
    return [](const LinkContext &link, const std::atomic<bool> &) {
        const SearchResult found = SearchCross(link);
        return Result{found.found ? LinkStatus::success(linkText(kTextFindCross))
                                  : LinkStatus::failure(LinkStatus::Code::NoReply, linkText(kTextCantFindCross)),
                      QVariant::fromValue(found)};
    };
}

} // namespace halvane::link
