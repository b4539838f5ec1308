// The send dialog end to end: the real send job on a worker thread against
// a virtual cross on a pseudo-terminal, driven and read through the
// dialog's widgets. Every block takes its real 2.35 s, so only the cases
// that need the line are here; the job's steps are tested in virtual time.

#include "halvane/ui/send_dlg.h"

#include "tests/common/tiny_frame_gif.h"
#include "tests/common/widget_find.h"
#include "tools/cross-sim/pty_cross.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using halvane::ui::CSendDlg;

namespace {

constexpr char kBoot[] = "PORT=1\nBAUDRATE=115200\nADDRESS1=FF\nADDRESS2=FF\nADDRESS3=FF\nADDRESS4=EF\n";
constexpr int kSendTimeoutMs = 60'000;


} // namespace

class SendDlgTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void completeSendShowsProgressAndClosesOnlyOnceDone();
    void silentCrossIsNotFoundAndTheDialogMayClose();
    void unacknowledgedBlockEndsInTheTocError();
    void missingPortEndsAtOnce();
    void oversizedProjectIsRefusedBeforeAnythingIsDeleted();
    void destroyingTheDialogMidSendWaitsForTheJob();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString appFolder() const { return m_dir->path() + QLatin1Char('/'); }
    void writeIni(const QByteArray &extra = {});
    cross_sim::PtyCross &startCross(cross_sim::CrossConfig config = {});
    std::unique_ptr<CSendDlg> dialogFor(const QStringList &playList);
    QString status(CSendDlg &dialog) { return byName<QLabel>(&dialog, QStringLiteral("Status"))->text(); }
    bool waitEnded(CSendDlg &dialog);
    void expectClosesOnlyAfterItsPause(CSendDlg &dialog);
    template <class F>
    auto crossState(F f) { return m_cross->withCross([&](const cross_sim::VirtualCross &c) { return f(c.state()); }); }

    std::unique_ptr<QTemporaryDir> m_dir; // fresh for every test
    std::unique_ptr<cross_sim::PtyCross> m_cross;
};

void SendDlgTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(path(QStringLiteral("animations"))));
    writeIni();
}

void SendDlgTest::cleanup()
{
    m_cross.reset();
    m_dir.reset();
}

// BOOT, and every port mapped to a pseudo-terminal path of this test (only
// COM1 ever gets a cross), so no real device is opened.
void SendDlgTest::writeIni(const QByteArray &extra)
{
    QByteArray text = "[BOOT]\n" + QByteArray(kBoot) + extra + "\n[PORTS]\n";
    for (int n = 1; n <= 16; ++n)
        text += QStringLiteral("COM%1=%2\n").arg(n).arg(path(QStringLiteral("com%1").arg(n))).toUtf8();
    QFile file(path(QStringLiteral("Halvane.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

cross_sim::PtyCross &SendDlgTest::startCross(cross_sim::CrossConfig config)
{
    config.baudRate = 115200;
    m_cross = std::make_unique<cross_sim::PtyCross>(config);
    const common::Status started = m_cross->start(path(QStringLiteral("com1")));
    if (!started)
        qWarning() << started.message;
    return *m_cross;
}

std::unique_ptr<CSendDlg> SendDlgTest::dialogFor(const QStringList &playList)
{
    halvane::project::PlayProjectData data = halvane::project::defaultProjectData(0);
    for (const QString &name : playList) {
        data.playList.append({name});
        if (name.endsWith(QLatin1String(".crs")))
            data.animations.append(halvane::project::defaultAnimationEntry(name));
    }
    auto dialog = std::make_unique<CSendDlg>(
        data, halvane::project::AnimationLibrary(path(QStringLiteral("animations"))), appFolder());
    dialog->show();
    return dialog;
}

bool SendDlgTest::waitEnded(CSendDlg &dialog)
{
    if (dialog.isDone())
        return true;
    QSignalSpy ended(&dialog, &CSendDlg::sendEnded);
    return ended.wait(kSendTimeoutMs);
}

// Once the job has ended, the close box closes the dialog after its pause.
void SendDlgTest::expectClosesOnlyAfterItsPause(CSendDlg &dialog)
{
    QVERIFY(dialog.isDone());
    QVERIFY(byName<QPushButton>(&dialog, QStringLiteral("Close"))->isEnabled());
    dialog.close();
    QVERIFY(dialog.isVisible()); // the 500 ms pause
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 5000);
}

void SendDlgTest::completeSendShowsProgressAndClosesOnlyOnceDone()
{
    startCross();
    // The animation file is gone: it goes as a dark frame, with a warning.
    auto dialog = dialogFor({QStringLiteral("Hour"), QStringLiteral("gone.crs")});
    QTRY_COMPARE_WITH_TIMEOUT(status(*dialog), QStringLiteral("Sending No0 Section TOC"), 20'000);

    // A TOC and an Animations block, none sent yet; each block at least
    // 2350 ms of waits and 357 ms on the line.
    auto *progress = byName<QProgressBar>(dialog.get(), QStringLiteral("Progress"));
    QCOMPARE(progress->maximum(), 2);
    QCOMPARE(progress->value(), 1);
    QCOMPARE(byName<QLabel>(dialog.get(), QStringLiteral("Blocks sent"))->text(), QStringLiteral("Blocks sent: 0 / 2"));
    QCOMPARE(byName<QLabel>(dialog.get(), QStringLiteral("Time left"))->text(), QStringLiteral("Time left: 0:05"));
    auto *warnings = byName<QLabel>(dialog.get(), QStringLiteral("Warnings"));
    QVERIFY(warnings->isVisible());
    QVERIFY2(warnings->text().contains(QStringLiteral("gone.crs")), qPrintable(warnings->text()));

    // Nothing ends a running send: not Esc, not Enter, not the close box.
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    QTest::keyClick(dialog.get(), Qt::Key_Enter);
    dialog->close();
    QVERIFY(!byName<QPushButton>(dialog.get(), QStringLiteral("Close"))->isEnabled());
    QTest::qWait(700);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isDone());

    QVERIFY(waitEnded(*dialog));
    QCOMPARE(status(*dialog), QStringLiteral("Send Complete!"));
    QCOMPARE(byName<QLabel>(dialog.get(), QStringLiteral("Blocks sent"))->text(), QStringLiteral("Blocks sent: 2 / 2"));
    const QByteArray toc = crossState([](const cross_sim::CrossState &s) { return s.memory.left(34); });
    QCOMPARE(toc.left(2), QByteArray::fromHex("0101"));
    QCOMPARE(quint8(toc.at(6)), quint8(0x28)); // Hour: style code B 2 x 16 + 8
    QCOMPARE(toc.mid(18, 3), QByteArray::fromHex("008000")); // the dark frame at the Animations start
    QCOMPARE(toc.mid(32, 2), QByteArray::fromHex("FFFF"));

    // Enter still does nothing once the send has ended.
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    QTest::qWait(700);
    QVERIFY(dialog->isVisible());
    expectClosesOnlyAfterItsPause(*dialog);
}

void SendDlgTest::silentCrossIsNotFoundAndTheDialogMayClose()
{
    cross_sim::CrossConfig config;
    config.silent = true;
    startCross(config);
    auto dialog = dialogFor({QStringLiteral("Hour")});
    QVERIFY(waitEnded(*dialog));
    QCOMPARE(status(*dialog), QStringLiteral("Can't find cross!"));
    auto *progress = byName<QProgressBar>(dialog.get(), QStringLiteral("Progress"));
    QCOMPARE(progress->value(), 0);
    QVERIFY(progress->maximum() > 0); // no longer the busy bar
    QVERIFY(byName<QLabel>(dialog.get(), QStringLiteral("Blocks sent"))->text().isEmpty());
    expectClosesOnlyAfterItsPause(*dialog);
}

void SendDlgTest::unacknowledgedBlockEndsInTheTocError()
{
    cross_sim::CrossConfig config;
    config.ignoreBlocks = 3; // all three attempts of the first block
    startCross(config);
    auto dialog = dialogFor({QStringLiteral("Hour")});
    QVERIFY(waitEnded(*dialog));
    QCOMPARE(status(*dialog), QStringLiteral("Send TOC Data Error!"));
    QCOMPARE(crossState([](const cross_sim::CrossState &s) { return s.memoryClears; }), 1);
    QCOMPARE(crossState([](const cross_sim::CrossState &s) { return s.blocksStored; }), 0);
    QCOMPARE(byName<QLabel>(dialog.get(), QStringLiteral("Blocks sent"))->text(), QStringLiteral("Blocks sent: 0 / 1"));
    expectClosesOnlyAfterItsPause(*dialog);
}

void SendDlgTest::missingPortEndsAtOnce()
{
    auto dialog = dialogFor({QStringLiteral("Hour")}); // COM1 has no cross
    QVERIFY(waitEnded(*dialog));
    QCOMPARE(status(*dialog), QStringLiteral("Can't Open Com Port!"));
    // Which device, and why, beside the fixed text.
    const QString why = byName<QLabel>(dialog.get(), QStringLiteral("Warnings"))->text();
    QVERIFY2(why.contains(QStringLiteral("COM1 (%1) does not exist").arg(path(QStringLiteral("com1")))), qPrintable(why));
    expectClosesOnlyAfterItsPause(*dialog);
}

void SendDlgTest::oversizedProjectIsRefusedBeforeAnythingIsDeleted()
{
    writeIni("CROSSSTYLE=1\n"); // 64 x 64: 400 bytes a frame
    QFile gif(path(QStringLiteral("animations/long.crs")));
    QVERIFY(gif.open(QIODevice::WriteOnly));
    gif.write(tinyFrameGif(9094)); // twice 9094 frames of 400 bytes: a file has at most 10000
    gif.close();
    startCross();
    auto dialog = dialogFor({QStringLiteral("long.crs"), QStringLiteral("long.crs")});
    QVERIFY(waitEnded(*dialog));
    QVERIFY2(status(*dialog).contains(QStringLiteral("The Animations image is 7275204 bytes")),
             qPrintable(status(*dialog)));
    QCOMPARE(crossState([](const cross_sim::CrossState &s) { return s.memoryClears; }), 0);
    QCOMPARE(crossState([](const cross_sim::CrossState &s) { return s.blocksStored; }), 0);
    expectClosesOnlyAfterItsPause(*dialog);
}

// A dialog destroyed under a running job (its parent window went) waits for
// the job; the job's last notices never reach the destroyed dialog.
void SendDlgTest::destroyingTheDialogMidSendWaitsForTheJob()
{
    cross_sim::CrossConfig config;
    config.silent = true;
    startCross(config);
    auto dialog = dialogFor({QStringLiteral("Hour")});
    QTRY_COMPARE_WITH_TIMEOUT(status(*dialog), QStringLiteral("Preparing Call Cross, Please wait......"), 5000);
    dialog.reset();
    QTest::qWait(200); // delivers whatever the job posted last
    // The port is free again: a new send reaches the same verdict.
    auto again = dialogFor({QStringLiteral("Hour")});
    QVERIFY(waitEnded(*again));
    QCOMPARE(status(*again), QStringLiteral("Can't find cross!"));
}

QTEST_MAIN(SendDlgTest)
#include "test_send_dlg.moc"
