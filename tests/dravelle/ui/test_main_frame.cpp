// Dravelle's main window: the close prompt, the question before an edited
// animation is replaced, Save and Save As, and the Template menu.

#include "dialog_test_support.h"
#include "window_driver.h"

#include "dravelle/editor/picture_import.h"
#include "dravelle/ui/dravelle_view.h"
#include "dravelle/ui/main_frame.h"
#include "dravelle/ui/square_widget.h"
#include "tests/dravelle/lit_dots.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>
#include <QTemporaryDir>

using dravelle::document::AnimationStore;
using dravelle::ui::MainFrame;
using namespace window_driver;

class MainFrameTest : public QObject {
    Q_OBJECT

private:
    DravelleWindow m_window;
    AnimationStore *m_store = nullptr;
    MainFrame *m_frame = nullptr;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_answer;  // what the Save As dialog answers
    int m_asked = 0;

    QString file(const char *name) const { return m_dir->filePath(QString::fromLatin1(name)); }
    void penAt(int x, int y) { m_window.penAt(x, y); }
    QAction *menuCommand(const QString &text)
    {
        for (QAction *menu : m_frame->menuBar()->actions())
            for (QAction *a : menu->menu()->actions())
                if (a->text() == text)
                    return a;
        return nullptr;
    }
    // Closes the window, answering the close prompt with `button`.
    std::shared_ptr<MessageSeen> closeAnswering(QMessageBox::StandardButton button)
    {
        auto seen = answerNextMessage(button);
        m_frame->close();
        return seen;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_answer.clear();
        m_asked = 0;
        QVERIFY(m_window.open([this](QWidget *) {
            ++m_asked;
            return m_answer;
        }));
        m_store = m_window.store.get();
        m_frame = m_window.frame.get();
    }
    void cleanup()
    {
        m_window.close();
        m_dir.reset();
    }

    void closePromptCancelKeepsTheWindow()
    {
        auto seen = closeAnswering(QMessageBox::Cancel);
        QCOMPARE(seen->text, QStringLiteral("Do you want save the animation?"));  // a fresh animation asks too
        QVERIFY(m_frame->isVisible());
        QCOMPARE(m_asked, 0);
    }

    void closePromptNoClosesWithoutSaving()
    {
        m_answer = file("never.crs");
        closeAnswering(QMessageBox::No);
        QVERIFY(!m_frame->isVisible());
        QCOMPARE(m_asked, 0);
        QVERIFY(!QFile::exists(m_answer));
    }

    void closePromptYesSavesFirst()
    {
        penAt(20, 20);
        m_answer.clear();  // Save As cancelled: the window stays
        closeAnswering(QMessageBox::Yes);
        QCOMPARE(m_asked, 1);
        QVERIFY(m_frame->isVisible());
        m_answer = file("kept.crs");
        closeAnswering(QMessageBox::Yes);
        QVERIFY(!m_frame->isVisible());
        QVERIFY(QFile::exists(m_answer));
    }

    void savedFileHoldsTheDrawnDots()
    {
        penAt(20, 20);
        m_window.click("Add");
        penAt(30, 5);
        m_answer = file("drawn.crs");
        QTest::keyClick(m_frame, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_asked, 1);
        QVERIFY(!m_store->isModified());
        penAt(31, 5);
        QTest::keyClick(m_frame, Qt::Key_S, Qt::ControlModifier);  // the same file, no question
        QCOMPARE(m_asked, 1);

        dravelle::editor::ImportOptions options;
        options.path = m_answer;
        const auto read = dravelle::editor::importPictureFile(options);
        QVERIFY2(read.loaded, qPrintable(read.error));
        QCOMPARE(read.pages.size(), std::size_t(2));
        QCOMPARE(litDots(read.pages[0]), std::set<int>{20 + 20 * 48});
        QCOMPARE(litDots(read.pages[1]), (std::set<int>{20 + 20 * 48, 30 + 5 * 48, 31 + 5 * 48}));
    }

    void failedSaveKeepsTheAnimationModified()
    {
        m_answer = file("no/such/folder/x.crs");
        auto seen = answerNextMessage(QMessageBox::Ok);
        menuCommand("Save Animation as")->trigger();
        QVERIFY(!seen->text.isEmpty());
        QVERIFY(m_store->isModified());
        QVERIFY(m_store->documentPath().isEmpty());
    }

    void replacingAsksOnlyAfterAChange()
    {
        // An untouched new animation goes without a question.
        menuCommand("Diamond")->trigger();
        QCOMPARE(m_store->pageCount(), 33);
        menuCommand("New Animation")->trigger();
        QCOMPARE(m_store->pageCount(), 1);

        penAt(24, 24);
        auto seen = answerNextMessage(QMessageBox::Cancel);
        menuCommand("Circle")->trigger();
        QCOMPARE(seen->text, QStringLiteral("Do you want save the animation?"));
        QCOMPARE(m_store->pageCount(), 1);
        QCOMPARE(litDots(m_store->page(1)).size(), std::size_t(1));

        answerNextMessage(QMessageBox::No);
        m_frame->activateWindow();  // the question box had the focus
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->isActiveWindow(), 2000);
        QTest::keyClick(m_frame, Qt::Key_N, Qt::ControlModifier);
        QVERIFY(litDots(m_store->page(1)).empty());
    }

    // A picture dropped onto the window opens as Open Animation does: the
    // import dialog for it, over a new animation. Other files and drags of
    // several files are refused at the door.
    void droppedPictureOpensTheImportDialog()
    {
        QImage picture(48, 48, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QVERIFY(picture.save(file("white.bmp"), "BMP"));
        QFile text(file("notes.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("x");
        text.close();
        const auto drag = [this](const QStringList &paths) {
            auto data = std::make_unique<QMimeData>();
            QList<QUrl> urls;
            for (const QString &path : paths)
                urls << QUrl::fromLocalFile(path);
            data->setUrls(urls);
            return data;
        };
        const auto accepts = [this](const QMimeData &data) {
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            enter.ignore();
            QApplication::sendEvent(m_frame, &enter);
            return enter.isAccepted();
        };
        QVERIFY(m_frame->acceptDrops());
        QVERIFY(!accepts(*drag({file("notes.txt")})));
        QVERIFY(!accepts(*drag({file("white.bmp"), file("white.bmp")})));
        const auto picture1 = drag({file("white.bmp")});
        QVERIFY(accepts(*picture1));

        QString title;
        ModalAnswerer answerer([&title](QWidget *modal) {
            title = modal->windowTitle();
            clickNamed(modal, QStringLiteral("Cancel"));
        });
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, picture1.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_frame, &drop);
        QVERIFY(drop.isAccepted());
        QTRY_COMPARE_WITH_TIMEOUT(title, QStringLiteral("Get Animation From Video File"), 10'000);
        // Cancelled before any conversion: the new animation's one empty page.
        QCOMPARE(m_store->pageCount(), 1);
        QVERIFY(litDots(m_store->page(1)).empty());
    }

    void templateSetsTheGroupButtons()
    {
        menuCommand("Cross")->trigger();
        QCOMPARE(m_store->pageCount(), 16);
        QCOMPARE(m_store->currentPage(), 1);
        QVERIFY(byName(m_frame, "Down")->isEnabled());
        QVERIFY(byName(m_frame, "Last")->isEnabled());
        QVERIFY(!byName(m_frame, "Up")->isEnabled());
        m_window.click("Last");
        QCOMPARE(m_store->currentPage(), 9);
        QVERIFY(!byName(m_frame, "Down")->isEnabled());
    }
};

QTEST_MAIN(MainFrameTest)
#include "test_main_frame.moc"
