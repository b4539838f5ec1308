// The cell list driven as a user would: keys on check box and text cells,
// choices in drop-downs.
#include "halvane/preview/step_sink.h"
#include "halvane/ui/cell_list.h"
#include "halvane/ui/thumbnail_refresher.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <atomic>

using halvane::ui::CellList;

class TestCellList : public QObject {
    Q_OBJECT

    CellList *makeList()
    {
        auto *list = new CellList;
        list->setColumns({"Select", "Name", "Loop", "Speed"});
        for (int row = 0; row < 3; ++row) {
            list->insertItem(row, QString());
            list->setCheckbox(row, 0, false);
            list->setItemText(row, 1, QStringLiteral("row%1").arg(row));
            list->setEdit(row, 2);
            list->setItemText(row, 2, "1");
            list->setComboBox(row, 3, {"1", "2", "3", "OFF"}, row, QStringLiteral("row%1 Speed").arg(row));
        }
        list->resize(500, 300);
        list->show();
        return list;
    }

    static void toggle(CellList *list, int row, int column)
    {
        list->setCurrentCell(row, column);
        QTest::keyClick(list->viewport(), Qt::Key_Space);
    }

private slots:
    void checkboxNotifiesRowAndColumnAndTicksBackSilently()
    {
        std::unique_ptr<CellList> list(makeList());
        QSignalSpy spy(list.get(), &CellList::checkboxClicked);
        // A list that refuses the tick, as a full play list does.
        connect(list.get(), &CellList::checkboxClicked, list.get(),
                [&](int row, int column) { list->setCheckbox(row, column, false); });
        toggle(list.get(), 1, 0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 1);
        QCOMPARE(spy.at(0).at(1).toInt(), 0);
        QVERIFY(!list->checkbox(1, 0));
        QVERIFY(!list->checkbox(0, 0));
        // The next tick is a new toggle, announced again.
        toggle(list.get(), 1, 0);
        QCOMPARE(spy.count(), 2);
    }

    void settersSendNothing()
    {
        std::unique_ptr<CellList> list(makeList());
        QSignalSpy checks(list.get(), &CellList::checkboxClicked);
        QSignalSpy edits(list.get(), &CellList::editEnded);
        QSignalSpy combos(list.get(), &CellList::comboSelection);
        list->setCheckbox(2, 0, true);
        list->setItemText(2, 2, "7");
        list->setComboChoice(2, 3, 0);
        list->setItemAlignment(2, 2, Qt::AlignCenter);
        QVERIFY(list->checkbox(2, 0));
        QCOMPARE(list->comboChoice(2, 3), 0);
        QCOMPARE(checks.count() + edits.count() + combos.count(), 0);
    }

    void dropDownShowsItsChoiceBeforeOpeningAndNotifies()
    {
        std::unique_ptr<CellList> list(makeList());
        auto *box = list->findChildren<QComboBox *>().at(0);
        for (QComboBox *candidate : list->findChildren<QComboBox *>())
            if (candidate->accessibleName() == "row2 Speed")
                box = candidate;
        QCOMPARE(box->currentText(), QString("3"));
        QCOMPARE(list->itemText(2, 3), QString("3"));
        QSignalSpy spy(list.get(), &CellList::comboSelection);
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 2);
        QCOMPARE(spy.at(0).at(1).toInt(), 3);
        QCOMPARE(list->itemText(2, 3), QString("OFF"));
    }

    void editEndsWithRowAndColumn()
    {
        std::unique_ptr<CellList> list(makeList());
        QSignalSpy spy(list.get(), &CellList::editEnded);
        list->setCurrentCell(1, 2);
        QTest::keyClick(list->viewport(), Qt::Key_F2);
        auto editors = list->viewport()->findChildren<QLineEdit *>();
        QVERIFY(!editors.isEmpty());
        QLineEdit *editor = editors.last();
        editor->selectAll();
        QTest::keyClicks(editor, "25");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 2000);
        QCOMPARE(spy.at(0).at(0).toInt(), 1);
        QCOMPARE(spy.at(0).at(1).toInt(), 2);
        QCOMPARE(list->itemText(1, 2), QString("25"));
        // A plain text cell is not editable.
        QVERIFY(!(list->item(1, 1)->flags() & Qt::ItemIsEditable));
    }
};

// The refresh on the window's thread: it never blocks, and only the latest
// of several waiting refreshes starts.
class TestThumbnailRefresher : public QObject {
    Q_OBJECT

    // A loop that draws until it is asked to stop.
    static halvane::preview::PreviewLoop endless(std::atomic<int> *runs)
    {
        return [runs](halvane::preview::StepSink &sink) {
            ++*runs;
            QImage image(32, 32, QImage::Format_RGB32);
            image.fill(Qt::green);
            while (sink.show(image, 20)) {
            }
            return false;
        };
    }

private slots:
    void refreshReturnsAtOnceAndTheLatestWins()
    {
        halvane::ui::ThumbnailRefresher refresher;
        std::atomic<int> first{0}, second{0}, third{0};
        QSignalSpy pictures(&refresher, &halvane::ui::ThumbnailRefresher::thumbnail);
        // A loop's picture goes out once per new canvas, from its first step on.
        qsizetype seen = 0;
        const auto drawnInBoxZero = [&pictures, &seen] {
            return std::any_of(pictures.cbegin() + seen, pictures.cend(),
                               [](const QList<QVariant> &args) { return args.at(0).toInt() == 0; });
        };
        refresher.refresh([&] { return std::vector{endless(&first)}; });
        QTRY_VERIFY_WITH_TIMEOUT(first.load() == 1 && !refresher.allIdle(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(drawnInBoxZero(), 5000);
        seen = pictures.size();
        // Both return at once while the first still draws; only the last starts.
        refresher.refresh([&] { return std::vector{endless(&second)}; });
        QVERIFY(refresher.isWaiting());
        refresher.refresh([&] { return std::vector{endless(&third)}; });
        QTRY_COMPARE_WITH_TIMEOUT(third.load(), 1, 5000);
        QCOMPARE(second.load(), 0);
        // The boxes without a loop turn black at the start, box 0 shows the third loop.
        QTRY_VERIFY_WITH_TIMEOUT(drawnInBoxZero(), 5000);
    }

    void whenStoppedRunsOnceAllAreIdle()
    {
        halvane::ui::ThumbnailRefresher refresher;
        std::atomic<int> runs{0};
        refresher.refresh([&] { return std::vector{endless(&runs), endless(&runs)}; });
        QTRY_VERIFY_WITH_TIMEOUT(runs.load() == 2, 5000);
        bool idleWhenRun = false;
        int calls = 0;
        refresher.whenStopped([&] {
            ++calls;
            idleWhenRun = refresher.allIdle();
        });
        QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 5000);
        QVERIFY(idleWhenRun);
        QVERIFY(!refresher.isWaiting());
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestCellList cells;
    TestThumbnailRefresher refresher;
    return QTest::qExec(&cells, argc, argv) | QTest::qExec(&refresher, argc, argv);
}

#include "test_cell_list.moc"
