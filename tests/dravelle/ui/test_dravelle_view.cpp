// The editor view driven with the mouse and the keyboard: page buttons,
// thumbnails, delay boxes, counters, the preview and the dot tools.

#include "window_driver.h"

#include "dravelle/editor/page_view.h"
#include "dravelle/ui/dravelle_view.h"
#include "dravelle/ui/main_frame.h"
#include "dravelle/ui/square_widget.h"
#include "tests/dravelle/lit_dots.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QToolButton>

using dravelle::document::AnimationStore;
using dravelle::document::DotPage;
using dravelle::ui::MainFrame;
using dravelle::ui::SquareWidget;
using namespace window_driver;

class DravelleViewTest : public QObject {
    Q_OBJECT

private:
    DravelleWindow m_window;
    AnimationStore *m_store = nullptr;
    MainFrame *m_frame = nullptr;

    SquareWidget *square() { return m_window.square(); }
    QPoint cellPos(int x, int y) { return m_window.cellPos(x, y); }
    int dot(int x, int y) const { return x + y * m_store->resolution(); }
    void click(const QString &name) { QVERIFY2(m_window.click(name), qPrintable(name)); }
    QString counter(const QString &name) { return byName<QLineEdit>(m_frame, name)->text(); }
    QStringList labels()
    {
        QStringList texts;
        for (QLabel *l : m_frame->view()->findChildren<QLabel *>())
            if (QRegularExpression(QStringLiteral("^Page\\d+$")).match(l->text()).hasMatch())
                texts << l->text();
        texts.sort();
        return texts;
    }
    void chooseTool(const QString &name) { QVERIFY2(m_window.chooseTool(name), qPrintable(name)); }
    void addPages(int n)
    {
        for (int k = 0; k < n; ++k)
            click(QStringLiteral("Add"));
    }

private slots:
    void init()
    {
        QVERIFY(m_window.open([](QWidget *) { return QString(); }));
        m_store = m_window.store.get();
        m_frame = m_window.frame.get();
    }
    void cleanup() { m_window.close(); }

    void firstAnimationAfterShow()
    {
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Edit Cross Animation"));
        QCOMPARE(counter("Pages"), QStringLiteral("1"));
        QCOMPARE(counter("Current Page"), QStringLiteral("1"));
        QCOMPARE(labels(), QStringList{QStringLiteral("Page0")});
        QVERIFY(byName(m_frame, "Add")->isEnabled());
        QVERIFY(!byName(m_frame, "Down")->isEnabled());
        QVERIFY(!byName(m_frame, "First")->isEnabled());
    }

    void thumbnailsAndInsertDelete()
    {
        addPages(4);
        QCOMPARE(counter("Pages"), QStringLiteral("5"));
        QCOMPARE(counter("Current Page"), QStringLiteral("5"));
        click("Page 6");  // a slot without a page
        QCOMPARE(m_store->currentPage(), 5);
        click("Page 4");
        QTest::keyClicks(byName(m_frame, "Delay 4"), "x70");  // digits only: 200 becomes 20070
        QCOMPARE(m_store->delay(4), 20070);
        QVERIFY(!byName(m_frame, "Delay 3")->isEnabled());
        click("Page 3");
        QVERIFY(byName(m_frame, "Delay 3")->isEnabled());
        QVERIFY(!byName(m_frame, "Delay 4")->isEnabled());
        // A dot on page 3 so the inserted copy can be told apart.
        QTest::mouseClick(square(), Qt::LeftButton, Qt::NoModifier, cellPos(20, 20));
        click("Insert");
        QCOMPARE(counter("Pages"), QStringLiteral("6"));
        QCOMPARE(counter("Current Page"), QStringLiteral("4"));
        QCOMPARE(m_store->delay(4), 20070);
        QCOMPARE(litDots(m_store->page(4)), std::set<int>{dot(20, 20)});
        click("Last");  // disabled: one group only
        click("Page 6");
        click("Insert");  // nothing on the last page
        QCOMPARE(m_store->pageCount(), 6);
        click("Delete");
        QCOMPARE(counter("Pages"), QStringLiteral("5"));
        QCOMPARE(counter("Current Page"), QStringLiteral("5"));
    }

    // While the pages are about to be replaced (Add Words on its worker),
    // every way of changing them asks the guard first and does nothing.
    void busyGuardKeepsEveryChangeAway()
    {
        addPages(2);
        click("Page 2");
        const std::vector<DotPage> before = m_store->pages();
        int asked = 0;
        m_frame->view()->setBusyGuard([&asked] { return ++asked, true; });
        click("Page 1");
        QCOMPARE(m_store->currentPage(), 2);
        click("Add");
        click("Clear");
        m_window.penAt(20, 20);
        QTest::keyClicks(byName(m_frame, "Delay 2"), "5");
        click("Preview");
        QVERIFY(!m_frame->view()->isPreviewActive());
        QCOMPARE(asked, 6);
        QCOMPARE(m_store->pages(), before);
        QCOMPARE(m_store->delay(2), 200);
        QCOMPARE(byName<QLineEdit>(m_frame, "Delay 2")->text(), QStringLiteral("200"));

        m_frame->view()->setBusyGuard({});
        m_window.penAt(20, 20);
        QCOMPARE(litDots(m_store->page(2)), std::set<int>{dot(20, 20)});
    }

    void groupsFollowThePageCount()
    {
        addPages(7);
        QCOMPARE(counter("Current Group"), QStringLiteral("1"));
        click("Add");  // page 9 opens group 2
        QCOMPARE(counter("Current Page"), QStringLiteral("9"));
        QCOMPARE(counter("Current Group"), QStringLiteral("2"));
        QCOMPARE(counter("Groups"), QStringLiteral("2"));
        QCOMPARE(labels(), QStringList{QStringLiteral("Page8")});
        QVERIFY(byName(m_frame, "Up")->isEnabled());
        QVERIFY(!byName(m_frame, "Down")->isEnabled());
        click("Up");
        QCOMPARE(labels().size(), 8);
        QCOMPARE(counter("Current Page"), QStringLiteral("1"));
        QVERIFY(!byName(m_frame, "Up")->isEnabled());
        click("Down");  // the labels of pages 10..16 are blank
        QCOMPARE(labels(), QStringList{QStringLiteral("Page8")});
        QVERIFY(byName(m_frame, "Delay 2")->property("text").toString().isEmpty());
        click("Delete");  // page 9 goes: back in group 1, page 8
        QCOMPARE(counter("Current Page"), QStringLiteral("8"));
        QCOMPARE(counter("Current Group"), QStringLiteral("1"));
        QVERIFY(!byName(m_frame, "Down")->isEnabled());
        QVERIFY(!byName(m_frame, "Last")->isEnabled());
    }

    void clearKeepsTheWordsLayer()
    {
        DotPage words = DotPage::blank(48);
        words.planes[0][std::size_t(dot(24, 24))] = dravelle::document::onCode(0);
        QVERIFY(m_store->setWordsLayer({words}));
        QTest::mouseClick(square(), Qt::LeftButton, Qt::NoModifier, cellPos(30, 20));
        click("Clear");
        QVERIFY(litDots(m_store->page(1)).empty());
        QVERIFY(litDots(m_store->workingPage()).empty());
        click("Add");
        click("Page 1");
        QCOMPARE(litDots(m_store->workingPage()), std::set<int>{dot(24, 24)});
    }

    void previewPlaysACopyOnce()
    {
        QTest::mouseClick(square(), Qt::LeftButton, Qt::NoModifier, cellPos(10, 20));
        click("Add");
        QTest::mouseClick(square(), Qt::LeftButton, Qt::NoModifier, cellPos(40, 20));  // page 2 only
        click("Page 1");
        QSignalSpy shown(&m_frame->view()->previewPlayer(), &dravelle::ui::PreviewPlayer::showPage);
        QSignalSpy finished(&m_frame->view()->previewPlayer(), &dravelle::ui::PreviewPlayer::finished);
        click("Preview");
        QVERIFY(byName(m_frame, "Stop"));
        // Drawing is not refused; the preview's picture never reaches the page.
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 2, 3000);
        QTest::mouseClick(square(), Qt::LeftButton, Qt::NoModifier, cellPos(30, 20));
        QCOMPARE(litDots(m_store->page(1)), (std::set<int>{dot(10, 20), dot(30, 20)}));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
        QCOMPARE(shown.count(), 2);
        QVERIFY(byName(m_frame, "Preview"));
    }

    void stopEndsAfterTheShowingPage()
    {
        QTest::keyClicks(byName(m_frame, "Delay 1"), "0");  // 2000 ms
        addPages(2);
        QSignalSpy shown(&m_frame->view()->previewPlayer(), &dravelle::ui::PreviewPlayer::showPage);
        QSignalSpy finished(&m_frame->view()->previewPlayer(), &dravelle::ui::PreviewPlayer::finished);
        click("Preview");
        QCOMPARE(shown.count(), 1);
        auto refused = answerNextMessage(QMessageBox::Ok);
        click("Add");
        QCOMPARE(refused->text, QStringLiteral("Please to stop preview first!"));
        QCOMPARE(m_store->pageCount(), 3);
        click("Stop");
        QVERIFY(byName(m_frame, "Preview"));
        // The first page keeps its delay; no later page is shown.
        QVERIFY(m_frame->view()->isPreviewActive());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 5000);
        QCOMPARE(shown.count(), 1);
        click("Add");  // allowed again
        QCOMPARE(m_store->pageCount(), 4);
    }

    void penNeverPaintsACorner()
    {
        QTest::mouseClick(square(), Qt::LeftButton, Qt::NoModifier, cellPos(3, 3));
        QCOMPARE(m_store->page(1).planes[0][std::size_t(dot(3, 3))], 0);
        const QImage &image = square()->tools().square().image();
        const int f = square()->cellSize();
        QCOMPARE(image.pixel(3 * f + 5, 3 * f + 5), dravelle::editor::kCornerGrey);
    }

    void fillStopsAtOtherColoursAndCorners()
    {
        chooseTool("Fill");
        QTest::mouseClick(square(), Qt::LeftButton, Qt::NoModifier, cellPos(24, 24));  // red everywhere
        chooseTool("Line");
        click("Green");
        drag(square(), Qt::LeftButton, {cellPos(0, 20), cellPos(47, 20)});
        chooseTool("Fill");
        click("Blue");
        QTest::mouseClick(square(), Qt::LeftButton, Qt::NoModifier, cellPos(24, 5));
        const DotPage &page = m_store->page(1);
        QCOMPARE(page.colourAt(dot(20, 0)), 4);   // top arm, above the line
        QCOMPARE(page.colourAt(dot(0, 19)), 4);
        QCOMPARE(page.colourAt(dot(30, 20)), 2);  // the green line
        QCOMPARE(page.colourAt(dot(24, 40)), 1);  // below it, still red
        QVERIFY(!page.isCrossDot(dot(2, 2)));
        const DotPage before = page;
        QTest::mouseClick(square(), Qt::LeftButton, Qt::NoModifier, cellPos(24, 5));  // the same colour
        QCOMPARE(m_store->page(1), before);
    }

    void lineRubberBandLeavesTheFinalLine()
    {
        chooseTool("Line");
        drag(square(), Qt::LeftButton, {cellPos(20, 20), cellPos(20, 22)});
        const std::set<int> straight = litDots(m_store->page(1));
        QCOMPARE(straight, (std::set<int>{dot(20, 20), dot(20, 21), dot(20, 22)}));
        click("Add");
        click("Clear");
        drag(square(), Qt::LeftButton, {cellPos(20, 20), cellPos(40, 30), cellPos(5, 40), cellPos(20, 22)});
        QCOMPARE(litDots(m_store->page(2)), straight);
    }

    void rightDragErasesWithAnyTool()
    {
        chooseTool("Fill");
        QTest::mouseClick(square(), Qt::LeftButton, Qt::NoModifier, cellPos(24, 24));
        chooseTool("Line");
        drag(square(), Qt::RightButton, {cellPos(5, 24), cellPos(6, 24), cellPos(7, 24), cellPos(2, 2)});
        const DotPage &page = m_store->page(1);
        QCOMPARE(page.colourAt(dot(5, 24)), 0);
        QCOMPARE(page.colourAt(dot(7, 24)), 0);
        QCOMPARE(page.colourAt(dot(8, 24)), 1);
        QVERIFY(!page.isCrossDot(dot(2, 2)));
        QCOMPARE(litDots(page).size(), std::size_t(48 * 48 - 4 * 256 - 3));
    }

    void readBackAtSixPixelCells()
    {
        m_frame->resize(300, 300);  // far too small: the cells stay at 6 pixels
        QTRY_COMPARE_WITH_TIMEOUT(square()->cellSize(), 6, 2000);
        chooseTool("Big pen");
        click("Cyan");
        QTest::mouseClick(square(), Qt::LeftButton, Qt::NoModifier, cellPos(30, 30));
        QCOMPARE(litDots(m_store->page(1)), (std::set<int>{dot(30, 30), dot(31, 30), dot(30, 31), dot(31, 31)}));
        QCOMPARE(m_store->page(1).colourAt(dot(31, 31)), 6);
        m_frame->resize(1200, 900);
        QTRY_VERIFY_WITH_TIMEOUT(square()->cellSize() > 6, 2000);
    }
};

QTEST_MAIN(DravelleViewTest)
#include "test_dravelle_view.moc"
