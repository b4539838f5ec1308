#pragma once

#include "common/worker.h"
#include "halvane/settings/address_book.h"
#include "halvane/link/cross_port.h"
#include "halvane/link/cross_search.h"
#include "halvane/link/link_status.h"
#include "halvane/link/settings_codec.h"

#include <QObject>
#include <QVariant>

#include <functional>

namespace halvane::link {

// Runs the cross exchanges of the windows off the UI thread, one at a time:
// each operation opens the port, exchanges its frames with their fixed waits
// and closes it again on a worker thread, and its result comes back through
// the queued `finished` signal. A cancel takes effect at the operation's next
// wait (the port is closed on the way out) and ends it as Stopped. Destroying
// the runner cancels and waits, so a closed dialog never hears from its job.
class CrossRunner : public QObject {
    Q_OBJECT
public:
    // What an operation ended with; `value` carries what a read read
    // (BrightnessSchedule, OnOffSchedule, QByteArray version, SearchResult,
    // QDateTime for the clock).
    struct Result {
        LinkStatus status;
        QVariant value;
    };
    using Operation = std::function<Result(const LinkContext &link, const std::atomic<bool> &cancel)>;

    explicit CrossRunner(LinkContext link, QObject *parent = nullptr);

    // Starts `operation`; false while another one runs (nothing is started:
    // the port would be busy anyway).
    bool run(Operation operation);
    void cancel();
    bool busy() const { return m_worker.running(); }
    // Blocks until the running operation has ended (shutdown and tests only).
    void wait() { m_worker.wait(); }

    // The operations of the windows.
    static Operation findCross();
    // Stores `book` as the Search Cross dialog's OK does, then finds the cross.
    static Operation findCrossAtAddress(settings::AddressBook book);
    static Operation readVersion();
    static Operation setClock();
    static Operation readBrightness();
    static Operation setBrightness(BrightnessSchedule schedule);
    static Operation readOnOff();
    static Operation setOnOff(OnOffSchedule schedule);
    static Operation setParameters(int frameDots, int timeZone, int tempFactorPosition);
    // The cross test; it ends by itself after `timeoutMs` at the latest.
    static Operation crossTest(int timeoutMs);
    static Operation search();

signals:
    void finished(const halvane::link::CrossRunner::Result &result);

private:
    void deliver(const QVariant &result, bool cancelled);

    LinkContext m_link;
    common::Worker m_worker;
};

} // namespace halvane::link

Q_DECLARE_METATYPE(halvane::link::CrossRunner::Result)
Q_DECLARE_METATYPE(halvane::link::BrightnessSchedule)
Q_DECLARE_METATYPE(halvane::link::OnOffSchedule)
