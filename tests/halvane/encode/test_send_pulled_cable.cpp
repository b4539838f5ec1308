// The pulled cable: the line of a real port (a pseudo-terminal with a virtual
// cross behind it) disappears while a block goes out. The send ends with that
// block's error text within the job's own waits, the port is released with
// its lock file, and the next send works once the cross is back. Real time.

#include "halvane/encode/send_job.h"
#include "halvane/link/serial_port.h"
#include "tests/common/bounded_wait.h"
#include "tests/halvane/encode/fake_encoder.h"
#include "tests/halvane/encode/sent_memory.h"
#include "tests/halvane/link/pty_fixture.h"

#include <QDir>
#include <QFileInfo>

#include <chrono>
#include <mutex>
#include <thread>

using namespace halvane::encode;
using Outcome = SendResult::Outcome;
using SteadyClock = std::chrono::steady_clock;

namespace {

// Calls `onStatus` on the job's thread with each status text.
class StatusHook : public SendObserver {
public:
    std::function<void(const QString &)> onStatus;
    QStringList statuses;

    void statusChanged(const QString &text) override
    {
        statuses << text;
        if (onStatus)
            onStatus(text);
    }
    void progressChanged(int, int) override {}
    void warning(const QString &) override {}
};

// The lock files a serial port library may keep for a device, wherever the
// system keeps them: "LCK.." and the device's name below /dev with '/' as '_'.
QStringList lockFilesFor(const QString &device)
{
    const QString name = QStringLiteral("LCK..") + QString(device).remove(QStringLiteral("/dev/")).replace(QLatin1Char('/'), QLatin1Char('_'));
    QStringList found;
    for (const char *folder : {"/var/lock", "/run/lock", "/etc/locks", "/var/spool/locks", "/var/spool/uucp", "/tmp",
                               "/var/tmp", "/var/lock/lockdev"}) {
        const QString path = QString::fromLatin1(folder) + QLatin1Char('/') + name;
        if (QFileInfo::exists(path))
            found << path;
    }
    return found;
}

class PulledCableTest : public PtyFixture {
protected:
    void SetUp() override
    {
        PtyFixture::SetUp();
        writeIni("PORT=1\nBAUDRATE=115200\nADDRESS1=FF\nADDRESS2=FF\nADDRESS3=FF\nADDRESS4=EF\n");
        m_project.playList = {{QStringLiteral("Hour")}, {QStringLiteral("a.crs")}};
        m_project.animations = {halvane::project::defaultAnimationEntry(QStringLiteral("a.crs"))};
        m_encoder.frames[QStringLiteral("a.crs")] = 20; // one Animations block
        m_encoder.patterned = true;
    }

    cross_sim::CrossConfig fast() const
    {
        cross_sim::CrossConfig config;
        config.baudRate = 115200;
        return config;
    }

    SendResult send(StatusHook &observer)
    {
        halvane::link::SystemLink system(appFolder());
        SendJob job(system.context(), m_encoder, observer);
        return job.run(m_project, halvane::project::AnimationLibrary(path(QStringLiteral("animations"))));
    }

    halvane::project::PlayProjectData m_project = halvane::project::defaultProjectData(0);
    FakeEncoder m_encoder;
};

} // namespace

TEST_F(PulledCableTest, TheBlockFailsInTimeThePortIsFreeAndTheNextSendWorks)
{
    cross_sim::PtyCross &cross = addCross(1, fast());
    const QString device = cross.devicePath();

    // While the first Animations block goes out, the cable is pulled.
    std::atomic<bool> blockStarted{false};
    std::atomic<bool> pulled{false};
    QStringList locksWhileHeld;
    SteadyClock::time_point pulledAt;
    std::thread puller([&] {
        if (!test_support::waitUntil([&] { return blockStarted.load(); }, std::chrono::seconds(60)))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(120)); // two chunks in
        locksWhileHeld = lockFilesFor(device);
        pulledAt = SteadyClock::now();
        cross.stop();
        pulled = true;
    });
    StatusHook observer;
    observer.onStatus = [&](const QString &text) {
        if (text == QStringLiteral("Sending No0 Section Animations"))
            blockStarted = true;
    };
    const SendResult result = send(observer);
    const SteadyClock::time_point ended = SteadyClock::now();
    puller.join();

    ASSERT_TRUE(pulled.load()) << observer.statuses.join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(result.outcome, Outcome::BlockFailed);
    EXPECT_EQ(result.status, QStringLiteral("Sending No0 Section Animations Error!"));
    // Three attempts of the fixed waits and a block's time on the line, no more.
    const auto afterPull = std::chrono::duration_cast<std::chrono::milliseconds>(ended - pulledAt).count();
    EXPECT_LT(afterPull, 3 * nominalBlockMs(115200) + 2000) << "ms after the line went";
    EXPECT_FALSE(locksWhileHeld.isEmpty()) << "the open port had a lock file";
    EXPECT_TRUE(lockFilesFor(device).isEmpty()) << lockFilesFor(device).join(QLatin1Char(' ')).toStdString();

    // The cross is back on COM1 (a new terminal behind the same name).
    cross_sim::PtyCross &back = addCross(1, fast());
    StatusHook second;
    const SendResult again = send(second);
    EXPECT_EQ(again.status, QStringLiteral("Send Complete!"));
    SendImages images;
    FakeEncoder same = m_encoder;
    ASSERT_TRUE(buildImages(m_project, halvane::project::AnimationLibrary(path(QStringLiteral("animations"))), same, &images));
    EXPECT_TRUE(sameMemory(back.withCross([](const cross_sim::VirtualCross &c) { return c.state().memory; }),
                           memoryAfterSend(images)));
    EXPECT_TRUE(lockFilesFor(back.devicePath()).isEmpty());
}
