// The window's recovery copy and recent files: written after a minute of
// changes, removed by a normal close, offered after a killed run and never
// otherwise; the recent files on the File menu and the one that has gone.

#include "dialog_test_support.h"
#include "window_driver.h"

#include "dravelle/editor/recovery_copy.h"
#include "dravelle/ui/main_frame.h"
#include "dravelle/ui/recent_menu.h"
#include "dravelle/ui/recovery_keeper.h"
#include "tests/dravelle/lit_dots.h"

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

using dravelle::document::AnimationStore;
using dravelle::ui::MainFrame;
using namespace window_driver;

class SessionTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AnimationStore> m_store;
    std::unique_ptr<MainFrame> m_frame;
    QString m_answer;

    QString folder() const { return m_dir.filePath(QStringLiteral("data")); }
    // A window as the program opens it, with its recovery folder and recent list.
    bool openWindow()
    {
        m_store = std::make_unique<AnimationStore>(48);
        m_frame = std::make_unique<MainFrame>(*m_store);
        m_frame->setSavePathChooser([this](QWidget *) { return m_answer; });
        m_frame->keepRecoveryCopies(folder());
        m_frame->keepRecentFiles(
            std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("user.conf")), QSettings::IniFormat));
        m_frame->resize(MainFrame::defaultSize());
        m_frame->show();
        return QTest::qWaitFor([this] { return m_store->hasAnimation(); }, 5000);
    }
    void penAt(int x, int y)
    {
        auto *square = m_frame->view()->square();
        const int f = square->cellSize();
        QTest::mouseClick(square, Qt::LeftButton, Qt::NoModifier,
                          square->squareOrigin() + QPoint(x * f + f / 2, y * f + f / 2));
    }
    // A recovery copy of one page lit at (x, 20), as a run that was killed left it.
    void leaveCopyOfKilledRun(int x)
    {
        QProcess sleeper;
        sleeper.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(sleeper.waitForStarted(5000));
        AnimationStore store(48);
        store.newAnimation();
        store.workingPage().setColourAt(x + 20 * 48, dravelle::document::kColourWhite);
        store.commitWorkingPage();
        store.setDelay(1, 430);
        QVERIFY(dravelle::editor::RecoveryCopy(folder(), 48, sleeper.processId()).update(store));
        sleeper.kill();
        QVERIFY(sleeper.waitForFinished(5000));
    }

private slots:
    void cleanup()
    {
        if (m_store)
            m_store->setModified(false);
        m_frame.reset();
        m_store.reset();
        QDir(folder()).removeRecursively();
        QFile::remove(m_dir.filePath(QStringLiteral("user.conf")));
    }

    void copyWrittenAfterAMinuteAndRemovedByAClose()
    {
        {
            ModalAnswerer unexpected;
            QVERIFY(openWindow());
            QTest::qWait(300);  // the offer would come just after the first animation
            QVERIFY2(unexpected.messages().isEmpty(), "no question on a normal start");
        }
        auto *keeper = m_frame->recovery();
        QCOMPARE(keeper->timer().interval(), 60'000);
        QVERIFY(keeper->timer().isActive());
        const QString copy = keeper->copy().path();
        QCOMPARE(QFileInfo(copy).absolutePath(), QFileInfo(folder()).absoluteFilePath());

        penAt(20, 20);
        keeper->tick();  // a minute later
        QVERIFY(QFileInfo::exists(copy));
        m_answer = m_dir.filePath(QStringLiteral("saved.crs"));
        QTest::keyClick(m_frame.get(), Qt::Key_S, Qt::ControlModifier);
        keeper->tick();
        QVERIFY2(!QFileInfo::exists(copy), "saved: nothing to recover");
        penAt(21, 20);
        keeper->tick();
        QVERIFY(QFileInfo::exists(copy));

        auto seen = answerNextMessage(QMessageBox::No);
        m_frame->close();
        QCOMPARE(seen->text, QStringLiteral("Do you want save the animation?"));
        QVERIFY(!m_frame->isVisible());
        QVERIFY2(!QFileInfo::exists(copy), "a normal close removes the copy");
    }

    void copyOfAKilledRunIsOffered()
    {
        leaveCopyOfKilledRun(25);
        auto seen = answerNextMessage(QMessageBox::Yes);
        QVERIFY(openWindow());
        QTRY_VERIFY_WITH_TIMEOUT(!seen->text.isEmpty(), 5000);
        QVERIFY2(seen->text.contains(QStringLiteral("restore")), qPrintable(seen->text));
        QTRY_COMPARE_WITH_TIMEOUT(litDots(m_store->page(1)), std::set<int>{25 + 20 * 48}, 5000);
        QCOMPARE(m_store->delay(1), 430);
        QVERIFY(m_store->isModified());
        QVERIFY(QDir(folder()).entryList({QStringLiteral("recovery-*")}, QDir::Files).isEmpty());
        m_store->setModified(false);
        m_frame.reset();

        // Declined: the copy goes and is not offered again.
        leaveCopyOfKilledRun(26);
        seen = answerNextMessage(QMessageBox::No);
        QVERIFY(openWindow());
        QTRY_VERIFY_WITH_TIMEOUT(!seen->text.isEmpty(), 5000);
        QVERIFY(litDots(m_store->page(1)).empty());
        QVERIFY(QDir(folder()).entryList({QStringLiteral("recovery-*")}, QDir::Files).isEmpty());
    }

    void recentFilesOnTheFileMenu()
    {
        QVERIFY(openWindow());
        penAt(20, 20);
        m_answer = m_dir.filePath(QStringLiteral("one.crs"));
        QVERIFY(m_frame->saveAnimationAs());
        m_answer = m_dir.filePath(QStringLiteral("two.crs"));
        QVERIFY(m_frame->saveAnimationAs());
        auto *recent = m_frame->recentFiles();
        QCOMPARE(recent->paths(), (QStringList{m_dir.filePath(QStringLiteral("two.crs")),
                                              m_dir.filePath(QStringLiteral("one.crs"))}));
        QCOMPARE(recent->entries().first()->text(), QStringLiteral("&1 two.crs"));

        QFile::remove(m_dir.filePath(QStringLiteral("one.crs")));
        auto seen = answerNextMessage(QMessageBox::Ok);
        recent->entries().at(1)->trigger();
        QVERIFY2(seen->text.contains(QStringLiteral("one.crs")), qPrintable(seen->text));
        QCOMPARE(recent->paths(), QStringList{m_dir.filePath(QStringLiteral("two.crs"))});
    }
};

QTEST_MAIN(SessionTest)
#include "test_session.moc"
