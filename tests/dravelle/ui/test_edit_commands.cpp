// The Edit menu's own commands driven as a user does: undo and redo of
// strokes, delays, dialogs and templates, the page clipboard through the
// strip, the page transforms and the onion skin.

#include "dialog_test_support.h"
#include "window_driver.h"

#include "dravelle/editor/page_clipboard.h"
#include "dravelle/editor/page_view.h"
#include "dravelle/ui/dravelle_view.h"
#include "dravelle/ui/main_frame.h"
#include "dravelle/ui/square_widget.h"
#include "tests/dravelle/lit_dots.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolButton>

using dravelle::document::AnimationStore;
using dravelle::document::DotPage;
using dravelle::ui::MainFrame;
using namespace window_driver;

class EditCommandsTest : public QObject {
    Q_OBJECT

private:
    DravelleWindow m_window;
    AnimationStore *m_store = nullptr;
    MainFrame *m_frame = nullptr;
    QTemporaryDir m_dir;
    QString m_answer;

    int dot(int x, int y) const { return x + y * m_store->resolution(); }
    void click(const QString &name) { QVERIFY2(m_window.click(name), qPrintable(name)); }
    void shiftClick(const QString &name)
    {
        QWidget *w = byName(m_frame, name);
        QVERIFY2(w, qPrintable(name));
        QTest::mouseClick(w, Qt::LeftButton, Qt::ShiftModifier, w->rect().center());
    }
    QString counter(const QString &name) { return byName<QLineEdit>(m_frame, name)->text(); }
    // The command `text` of the menu bar, or of its submenu `submenu`.
    QAction *command(const QString &text, const QString &submenu = {})
    {
        const auto named = [](QAction *a, const QString &name) { return a->text().remove(QLatin1Char('&')) == name; };
        for (QAction *top : m_frame->menuBar()->actions())
            for (QAction *a : top->menu()->actions()) {
                if (submenu.isEmpty() && named(a, text))
                    return a;
                if (a->menu() && named(a, submenu))
                    for (QAction *inner : a->menu()->actions())
                        if (named(inner, text))
                            return inner;
            }
        return nullptr;
    }
    void run(const QString &text, const QString &submenu = {})
    {
        QAction *a = command(text, submenu);
        QVERIFY2(a, qPrintable(text));
        a->trigger();
    }
    void stroke(int x0, int x1, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        std::vector<QPoint> points;
        for (int x = x0; x <= x1; ++x)
            points.push_back(m_window.cellPos(x, y));
        drag(m_window.square(), button, points);
    }
    void chooseTool(const QString &name) { QVERIFY2(m_window.chooseTool(name), qPrintable(name)); }

private slots:
    void init()
    {
        m_answer.clear();
        QVERIFY(m_window.open([this](QWidget *) { return m_answer; }));
        m_store = m_window.store.get();
        m_frame = m_window.frame.get();
    }
    void cleanup() { m_window.close(); }

    void strokesUndoAndRedoByKeysAndButtons()
    {
        auto *undo = byName<QToolButton>(m_frame, "Undo");
        auto *redo = byName<QToolButton>(m_frame, "Redo");
        QVERIFY(undo && redo);
        QVERIFY(!undo->isEnabled());
        stroke(20, 22, 5);                    // one stroke, three dots
        stroke(21, 21, 5, Qt::RightButton);   // the right button erases one
        QCOMPARE(litDots(m_store->page(1)), (std::set<int>{dot(20, 5), dot(22, 5)}));
        QVERIFY(undo->isEnabled());

        QTest::keyClick(m_frame, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(litDots(m_store->page(1)).size(), std::size_t(3));
        QTest::mouseClick(undo, Qt::LeftButton);
        QVERIFY(litDots(m_store->page(1)).empty());
        QVERIFY2(litDots(m_store->workingPage()).empty(), "the square shows the page again");
        QVERIFY(!undo->isEnabled());
        QVERIFY(redo->isEnabled());

        QTest::keyClick(m_frame, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(litDots(m_store->page(1)).size(), std::size_t(3));
        QTest::keyClick(m_frame, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(litDots(m_store->page(1)), (std::set<int>{dot(20, 5), dot(22, 5)}));
        QVERIFY(!redo->isEnabled());
    }

    void undoGoesBackToThePageAndGroupOfTheStep()
    {
        for (int k = 0; k < 9; ++k)
            click("Add");
        click("First");
        m_window.penAt(20, 20);
        click("Last");
        QCOMPARE(counter("Current Group"), QStringLiteral("2"));
        run("Undo");
        QCOMPARE(counter("Current Page"), QStringLiteral("1"));
        QCOMPARE(counter("Current Group"), QStringLiteral("1"));
        QVERIFY(litDots(m_store->page(1)).empty());
        QCOMPARE(m_store->pageCount(), 10);
        run("Undo");  // the last Add
        QCOMPARE(counter("Pages"), QStringLiteral("9"));
        QCOMPARE(counter("Current Page"), QStringLiteral("9"));
    }

    void keystrokesInADelayBoxAreOneStep()
    {
        auto *box = byName<QLineEdit>(m_frame, "Delay 1");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, "750");
        QCOMPARE(m_store->delay(1), 750);
        run("Undo");
        QCOMPARE(m_store->delay(1), 200);
        QCOMPARE(box->text(), QStringLiteral("200"));
        run("Redo");
        QCOMPARE(m_store->delay(1), 750);

        QTest::keyClick(box, Qt::Key_Return);  // the box is left: a new step begins
        QTest::keyClicks(box, "1");
        QCOMPARE(m_store->delay(1), 7501);
        run("Undo");
        QCOMPARE(m_store->delay(1), 750);
    }

    void dialogsAndTemplatesAreOneStepEach()
    {
        click("Add");
        {
            ModalAnswerer answerer([](QWidget *dialog) {
                auto *field = findNamed<QLineEdit>(dialog, QStringLiteral("Delay"));
                field->setText(QStringLiteral("30"));
                clickNamed(dialog, QStringLiteral("OK"));
            });
            run("Change All Delay");
            QTRY_COMPARE_WITH_TIMEOUT(m_store->delays(), (std::vector<int>{30, 30}), 5000);
        }
        run("Undo");
        QCOMPARE(m_store->delays(), (std::vector<int>{200, 200}));

        auto seen = answerNextMessage(QMessageBox::No);
        run("Circle");
        QCOMPARE(seen->text, QStringLiteral("Do you want save the animation?"));
        QCOMPARE(m_store->pageCount(), 25);
        m_window.penAt(20, 2);
        run("Undo");
        {
            // Back where the template left it: replacing asks nothing.
            ModalAnswerer unexpected;
            run("Diamond");
            QVERIFY(unexpected.messages().isEmpty());
        }
        QCOMPARE(m_store->pageCount(), 33);
        run("Undo");
        run("Undo");
        QCOMPARE(m_store->pageCount(), 2);
        QCOMPARE(m_store->delays(), (std::vector<int>{200, 200}));
    }

    void undoingBackToTheSaveClearsModified()
    {
        m_window.penAt(20, 20);
        m_answer = m_dir.filePath(QStringLiteral("saved.crs"));
        QTest::keyClick(m_frame, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!m_store->isModified());
        m_window.penAt(21, 20);
        QVERIFY(m_store->isModified());
        run("Undo");
        QVERIFY(!m_store->isModified());
        run("Undo");
        QVERIFY(m_store->isModified());
        run("Redo");
        QVERIFY(!m_store->isModified());
        // Closing at the saved state asks nothing.
        ModalAnswerer unexpected;
        m_frame->close();
        QVERIFY(!m_frame->isVisible());
        QVERIFY(unexpected.messages().isEmpty());
    }

    void clipboardThroughTheStrip()
    {
        for (int k = 1; k <= 3; ++k) {
            m_window.penAt(16 + k, 20);
            click("Add");
        }
        // Pages: 1 {17}, 2 {17, 18}, 3 {17, 18, 19}, 4 {17..19}; delay of page 2 = 50.
        click("Page 2");
        byName<QLineEdit>(m_frame, "Delay 2")->setText(QString());
        QTest::keyClicks(byName(m_frame, "Delay 2"), "50");
        click("Page 1");
        shiftClick("Page 2");
        QCOMPARE(m_frame->view()->chosenPages(), (std::pair<int, int>{1, 2}));
        QCOMPARE(byName(m_frame, "Page 2")->accessibleDescription(), QStringLiteral("chosen"));
        run("Copy Pages");
        click("Page 4");
        run("Paste Pages");
        QCOMPARE(m_store->pageCount(), 6);
        QCOMPARE(m_store->currentPage(), 5);
        QCOMPARE(m_store->page(5), m_store->page(1));
        QCOMPARE(m_store->page(6), m_store->page(2));
        QCOMPARE(m_store->delay(6), 50);

        click("Page 3");
        shiftClick("Page 4");
        run("Cut Pages");
        QCOMPARE(m_store->pageCount(), 4);
        QCOMPARE(litDots(m_store->page(3)), litDots(m_store->page(1)));
        click("Page 1");
        run("Paste Pages");  // the cut pages come back after page 1
        QCOMPARE(m_store->pageCount(), 6);
        QCOMPARE(litDots(m_store->page(2)).size(), std::size_t(3));
        run("Duplicate Pages");
        QCOMPARE(m_store->pageCount(), 7);
        QCOMPARE(m_store->page(3), m_store->page(2));
        for (int k = 0; k < 4; ++k)
            run("Undo");
        QCOMPARE(m_store->pageCount(), 4);
        QCOMPARE(litDots(m_store->page(4)).size(), std::size_t(3));
    }

    void pagesOfTheOtherResolutionAreRefused()
    {
        AnimationStore wide(64);
        wide.newAnimation();
        auto *data = new QMimeData;
        data->setData(dravelle::editor::pageClipMimeType(),
                      dravelle::editor::encodePageClip(dravelle::editor::copyPages(wide, 1, 1)));
        QGuiApplication::clipboard()->setMimeData(data);
        auto seen = answerNextMessage(QMessageBox::Ok);
        run("Paste Pages");
        QTRY_VERIFY_WITH_TIMEOUT(!seen->text.isEmpty(), 5000);
        QVERIFY2(seen->text.contains(QStringLiteral("64")), qPrintable(seen->text));
        QCOMPARE(m_store->pageCount(), 1);
        QVERIFY(!m_store->canUndo());
    }

    // The onion dots show in the square but strokes, fills and the right
    // button read the page only: drawing gives the same page as without it.
    void onionSkinNeverReachesThePage()
    {
        const auto drawOnPage = [this] {
            chooseTool(QStringLiteral("Pen"));
            stroke(17, 24, 18);
            stroke(19, 19, 20, Qt::RightButton);
            chooseTool(QStringLiteral("Fill"));
            m_window.penAt(30, 30);  // the dark region around, onion dots or not
        };
        for (int x = 18; x <= 22; ++x)
            m_window.penAt(x, 20);
        click("Add");
        click("Clear");
        command("Onion Skin")->setChecked(true);
        const dravelle::editor::CellGeometry g = m_window.square()->tools().square().geometry();
        QCOMPARE(m_window.square()->shownSquare().pixel(g.readBackPixel({20, 20})),
                 dravelle::editor::onionColour(dravelle::document::kColourBitRed));
        drawOnPage();
        const DotPage withOnion = m_store->page(2);
        // Filled, not left dark under the onion dot.
        QCOMPARE(withOnion.colourAt(dot(20, 20)), dravelle::document::kColourBitRed);

        command("Onion Skin")->setChecked(false);
        click("Add");
        click("Clear");
        drawOnPage();
        QCOMPARE(m_store->page(3), withOnion);
        QCOMPARE(m_window.square()->shownSquare(), m_window.square()->tools().square().image());
    }

    void transformsFromTheMenu()
    {
        m_window.penAt(16, 2);
        m_window.penAt(20, 2);
        run("Shift Left", "Transform Current Page");
        QCOMPARE(litDots(m_store->page(1)), std::set<int>{dot(19, 2)});  // (16, 2) went into the corner
        QCOMPARE(litDots(m_store->workingPage()), std::set<int>{dot(19, 2)});
        run("Undo");
        QCOMPARE(litDots(m_store->page(1)), (std::set<int>{dot(16, 2), dot(20, 2)}));
        click("Add");
        run("Mirror Top-Bottom", "Transform All Pages");
        for (int page = 1; page <= 2; ++page)
            QCOMPARE(litDots(m_store->page(page)), (std::set<int>{dot(16, 45), dot(20, 45)}));
        run("Undo");
        QCOMPARE(litDots(m_store->page(2)), (std::set<int>{dot(16, 2), dot(20, 2)}));
    }

    void newCommandsWaitForThePreviewAndAddWords()
    {
        m_window.penAt(20, 20);
        click("Add");
        const std::vector<DotPage> before = m_store->pages();
        int asked = 0;
        m_frame->view()->setBusyGuard([&asked] { return ++asked, true; });
        run("Undo");
        run("Paste Pages");
        run("Cut Pages");
        run("Duplicate Pages");
        run("Rotate Right", "Transform All Pages");
        QCOMPARE(asked, 5);
        QCOMPARE(m_store->pages(), before);
        m_frame->view()->setBusyGuard({});

        QTest::keyClicks(byName(m_frame, "Delay 2"), "0");  // 2000 ms: the preview stays on page 1
        click("Preview");
        auto refused = answerNextMessage(QMessageBox::Ok);
        run("Undo");
        QTRY_COMPARE_WITH_TIMEOUT(refused->text, QStringLiteral("Please to stop preview first!"), 5000);
        QCOMPARE(m_store->delay(2), 2000);
        click("Stop");
    }
};

QTEST_MAIN(EditCommandsTest)
#include "test_edit_commands.moc"
