// Halvane's main window driven through its controls, in an application
// folder of its own.
#include "halvane/link/serial_port.h"
#include "halvane/project/play_project.h"
#include "halvane/ui/cell_list.h"
#include "halvane/ui/halvane_app.h"
#include "halvane/ui/main_window.h"
#include "halvane/ui/memory_meter.h"
#include "tools/cross-sim/pty_cross.h"
#include "ui_fixture.h"

#include "common/profile.h"
#include "common/recent_files.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTreeWidget>
#include <QTest>
#include <QUrl>

using halvane::ui::CellList;
using halvane::ui::HalvaneApp;
using halvane::ui::MainWindow;
using ::byName;

namespace {

constexpr int kSearchTimeoutMs = 20000;

// A project file of `names` (pictures made in the folder, or message keywords).
QString makeProject(const ui_test::AppFolder &folder, const QStringList &names)
{
    for (const QString &name : names)
        if (name.endsWith(".bmp"))
            folder.addPicture(name);
    halvane::project::PlayProject project(halvane::project::AnimationLibrary(folder.animations()));
    (void)project.newProject(0);
    for (const QString &name : names)
        if (!project.appendToPlayList(name))
            qFatal("fixture: cannot add %s", qPrintable(name));
    const QString path = folder.path() + "fixture.plst";
    if (!project.saveAs(path))
        qFatal("fixture: cannot save");
    return path;
}

QStringList pictures(int count, const QString &prefix = "pic")
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("%1%2.bmp").arg(prefix).arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

QAction *menuAction(const QWidget *window, const QString &text)
{
    for (QAction *action : window->findChildren<QAction *>())
        if (action->text() == text)
            return action;
    return nullptr;
}

bool hasPicture(const QWidget *window, int box)
{
    const auto *label = byName<QLabel>(window, QStringLiteral("Thumbnail %1").arg(box));
    return label && !label->pixmap().isNull();
}

int rowOf(const CellList *list, const QString &name)
{
    for (int row = 0; row < list->rowCount(); ++row)
        if (list->itemText(row, 1) == name)
            return row;
    return -1;
}

void tick(CellList *list, int row)
{
    list->setCurrentCell(row, 0);
    QTest::keyClick(list->viewport(), Qt::Key_Space);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<ui_test::AppFolder> m_folder;
    std::unique_ptr<ui_test::Prompts> m_prompts;
    std::unique_ptr<HalvaneApp> m_app;

    MainWindow *open(const QString &project = QString(), bool search = false)
    {
        m_app = std::make_unique<HalvaneApp>(m_folder->path());
        MainWindow *window = m_app->mainWindow(project, search, {});
        window->resize(1280, 760);
        window->show();
        return window;
    }
    CellList *animationList(MainWindow *window) { return byName<CellList>(window, "Animation List"); }

private slots:
    void init()
    {
        m_folder = std::make_unique<ui_test::AppFolder>();
        m_prompts = std::make_unique<ui_test::Prompts>();
    }
    void cleanup()
    {
        m_app.reset();
        m_prompts.reset();
        m_folder.reset();
    }

    void withoutCrossThePanesSayNotFoundAndThumbnailsStart()
    {
        MainWindow *window = open(makeProject(*m_folder, {"one.bmp", "Hour"}), true);
        QCOMPARE(window->statusTexts()[0], QString("        Can't find cross          "));
        QTRY_VERIFY_WITH_TIMEOUT(window->searchDone(), kSearchTimeoutMs);
        const std::array<QString, 3> panes = window->statusTexts();
        QCOMPARE(panes[0], QString("   Can't find cross!     "));
        QCOMPARE(panes[1], QString("   COM : --     "));
        QCOMPARE(panes[2], QString("   Baudrate : ------     "));
        QTRY_VERIFY_WITH_TIMEOUT(hasPicture(window, 1) && hasPicture(window, 2), 5000);
        QVERIFY(!hasPicture(window, 3));
    }

    void aCrossOnAPortThatCannotBeUsedIsExplained()
    {
        // The only cross is on a port another program (here the test) holds.
        cross_sim::PtyCross cross;
        QVERIFY(cross.start().ok);
        QVERIFY(common::WritePrivateProfileStringA("PORTS", "COM1", cross.devicePath(), m_folder->ini()));
        halvane::link::SerialPortOpener opener(m_folder->ini());
        const auto held = opener.open(1, 9600);
        QVERIFY(held);
        MainWindow *window = open(QString(), true);
        QTRY_VERIFY_WITH_TIMEOUT(window->searchDone(), kSearchTimeoutMs);
        QCOMPARE(window->statusTexts()[0], QString("   Can't find cross!     "));
        QCOMPARE(window->statusBar()->currentMessage(),
                 QStringLiteral("COM1 could not be used: see the cross's pane."));
        const QString why = QStringLiteral("COM1 (%1) is busy: held by this program").arg(cross.devicePath());
        QVERIFY(byName<QLabel>(window, "Cross")->toolTip().startsWith(why));
    }

    void startUpFindsTheVirtualCross()
    {
        cross_sim::PtyCross cross;
        QVERIFY(cross.start().ok);
        QVERIFY(common::WritePrivateProfileStringA("PORTS", "COM1", cross.devicePath(), m_folder->ini()));
        MainWindow *window = open(QString(), true);
        QTRY_VERIFY_WITH_TIMEOUT(window->searchDone(), kSearchTimeoutMs);
        const std::array<QString, 3> panes = window->statusTexts();
        QCOMPARE(panes[0], QString("   Single Color CROSS 48x48    "));
        QCOMPARE(panes[1], QString("   COM : 1     "));
        QCOMPARE(panes[2], QString("   Baudrate : 9600     "));
    }

    void secondGroupShowsFiveThumbnailsAndTenClearedBoxes()
    {
        MainWindow *window = open(makeProject(*m_folder, pictures(20)));
        auto *group2 = byName<QRadioButton>(window, "Group2");
        QVERIFY(group2 && group2->isVisible());
        QVERIFY(!byName<QRadioButton>(window, "Group3")->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(hasPicture(window, 15), 5000);
        QTest::mouseClick(group2, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(hasPicture(window, 5), 5000);
        for (int box = 1; box <= 5; ++box)
            QTRY_VERIFY_WITH_TIMEOUT(hasPicture(window, box), 5000);
        for (int box = 6; box <= 15; ++box)
            QVERIFY2(!hasPicture(window, box), qPrintable(QString::number(box)));
        QCOMPARE(m_app->project().currentGroup(), 1);
    }

    void titleFollowsSaveAsWithinASecond()
    {
        MainWindow *window = open();
        QCOMPARE(window->windowTitle(), QString("Halvane -- Untitled"));
        const QString path = m_folder->path() + "mine";
        m_prompts->files = {path};
        menuAction(window, "Save Play Project as")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(window->windowTitle(), "Halvane -- " + path + ".plst", 1000);
        QVERIFY(QFile::exists(path + ".plst"));
        QCOMPARE(m_prompts->fileRequests.back().filter.left(21), QString("playlist file(*.plst)"));
    }

    // The meter measures what a send would build and measures again after
    // a change of the play list or of a text.
    void memoryMeterFollowsTheProject()
    {
        MainWindow *window = open(makeProject(*m_folder, {"one.bmp", "Hour"}));
        auto *meter = byName<QLabel>(window, "Cross memory");
        QVERIFY(meter && meter->isVisible());
        auto usage = [window] { return window->memoryMeter()->usage(); };
        QTRY_VERIFY_WITH_TIMEOUT(usage().has_value(), 10000);
        QCOMPARE(usage()->regions[0].bytes, std::size_t(2 * 16 + 2));
        const std::size_t pictureBytes = usage()->regions[1].bytes;
        QVERIFY(pictureBytes > 2);
        QCOMPARE(usage()->regions[2].bytes, std::size_t(0));
        QVERIFY2(meter->text().contains("TOC 1%") && meter->text().contains("send 0:"), qPrintable(meter->text()));
        QVERIFY(meter->toolTip().contains("Animations: " + QString::number(pictureBytes) + " of 7274496 bytes"));

        QVERIFY(m_app->project().appendToPlayList("Text1"));
        QTRY_COMPARE_WITH_TIMEOUT(usage()->regions[0].bytes, std::size_t(3 * 16 + 2), 10000);
        QVERIFY(usage()->regions[2].bytes > 0);
        const std::size_t emptyText = usage()->regions[2].bytes;
        QTest::keyClicks(byName<QLineEdit>(window, "Text1"), "A longer text than none");
        QTRY_VERIFY_WITH_TIMEOUT(usage()->regions[2].bytes > emptyText, 10000);
    }

    void recentProjectsOpenAfterTheQuestionAndForgetMissingFiles()
    {
        const QString fixture = makeProject(*m_folder, {"one.bmp"});
        MainWindow *window = open(fixture);
        const QString second = m_folder->path() + "second.plst";
        m_prompts->files = {second};
        menuAction(window, "Save Play Project as")->trigger();
        QCOMPARE(common::RecentFiles("halvane").files(), (QStringList{second, fixture}));
        QVERIFY(menuAction(window, common::RecentFiles::menuText(0, second)));
        QAction *toFixture = menuAction(window, common::RecentFiles::menuText(1, fixture));
        QVERIFY(toFixture);

        // A change first: the save question comes before the other project opens.
        QTest::keyClicks(byName<QLineEdit>(window, "Text1"), "unsaved");
        m_prompts->answers = {QMessageBox::No};
        toFixture->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(m_app->project().path(), fixture, 5000);
        QCOMPARE(m_prompts->questions, QStringList{"Do you want save the changes before closing?"});
        QCOMPARE(common::RecentFiles("halvane").files().first(), fixture);

        // A project that has gone is taken off the list with a word to the user.
        QVERIFY(QFile::remove(second));
        menuAction(window, common::RecentFiles::menuText(1, second))->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(m_prompts->messages.size(), 1, 5000);
        QVERIFY2(m_prompts->messages[0].contains(second), qPrintable(m_prompts->messages[0]));
        QCOMPARE(common::RecentFiles("halvane").files(), QStringList{fixture});
        QVERIFY(!menuAction(window, common::RecentFiles::menuText(1, second)));
        QCOMPARE(m_app->project().path(), fixture);
    }

    void droppedFilesAddAnimationsOrOpenAProject()
    {
        MainWindow *window = open();
        QImage picture(48, 48, QImage::Format_RGB32);
        picture.fill(Qt::white);
        const QString outside = m_folder->path() + "outside.bmp";
        QVERIFY(picture.save(outside, "BMP"));
        QFile notes(m_folder->path() + "notes.txt");
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();
        const auto files = [](const QStringList &paths) {
            auto data = std::make_unique<QMimeData>();
            QList<QUrl> urls;
            for (const QString &path : paths)
                urls << QUrl::fromLocalFile(path);
            data->setUrls(urls);
            return data;
        };
        const auto send = [](QWidget *target, QEvent::Type type, const QMimeData &data) {
            std::unique_ptr<QDropEvent> event;
            if (type == QEvent::DragEnter)
                event = std::make_unique<QDragEnterEvent>(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                                                          Qt::NoModifier);
            else
                event = std::make_unique<QDropEvent>(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                                                     Qt::NoModifier);
            event->ignore();
            QApplication::sendEvent(target, event.get());
            return event->isAccepted();
        };
        // A drop is delivered to the widget its drag entered, as a real one.
        const auto dropOn = [&send](QWidget *target, const QMimeData &data) {
            return send(target, QEvent::DragEnter, data) && send(target, QEvent::Drop, data);
        };
        QVERIFY(window->acceptDrops());
        QVERIFY(!send(window, QEvent::DragEnter, *files({notes.fileName()})));
        QVERIFY(dropOn(window, *files({outside, notes.fileName()})));
        QTRY_VERIFY_WITH_TIMEOUT(rowOf(animationList(window), "outside.bmp") >= 0, 5000);
        QVERIFY2(QFile::exists(m_folder->animations() + "outside.bmp"), "copied in as Add does");
        QVERIFY(m_prompts->messages.isEmpty());

        // A row of the animation list dropped onto the play list joins it, ticked.
        CellList *list = animationList(window);
        const int row = rowOf(list, "outside.bmp");
        std::unique_ptr<QMimeData> dragged(list->model()->mimeData({list->model()->index(row, 1)}));
        QVERIFY(dragged);
        auto *tree = byName<QTreeWidget>(window, "Play List");
        QVERIFY(dropOn(tree->viewport(), *dragged));
        QCOMPARE(m_app->project().data().playList.size(), 1);
        QCOMPARE(m_app->project().data().playList[0].name, QString("outside.bmp"));
        QVERIFY(list->checkbox(row, 0));
        QCOMPARE(tree->topLevelItemCount(), 1);
        QVERIFY(dropOn(tree->viewport(), *dragged));
        QCOMPARE(m_app->project().data().playList.size(), 1); // dropped twice, listed once

        // A play project dropped opens as Open does, after the save question.
        const QString project = makeProject(*m_folder, {"Hour"});
        m_prompts->answers = {QMessageBox::No};
        QVERIFY(dropOn(window, *files({project})));
        QTRY_COMPARE_WITH_TIMEOUT(m_app->project().path(), project, 5000);
        QCOMPARE(m_prompts->questions.size(), 1);
    }

    void fieldsTakeTheirLimits()
    {
        MainWindow *window = open();
        auto *text = byName<QLineEdit>(window, "Text1");
        QTest::keyClicks(text, QString(256, QLatin1Char('a')));
        QCOMPARE(text->text().size(), 255);
        QCOMPARE(m_app->project().text(0).text.size(), 255);

        auto *hour = byName<QLineEdit>(window, "Hour Time(s)");
        hour->selectAll();
        QTest::keyClicks(hour, "1001");
        QTest::keyClick(hour, Qt::Key_Return);
        QCOMPARE(m_prompts->messages, QStringList{"Please enter an integer between 1 and 1000."});
        QCOMPARE(m_app->project().item(0).time, 100); // "100" was in range while typing
        QCOMPARE(hour->text(), QString("100"));
        auto *date = byName<QLineEdit>(window, "Date Time(s)");
        date->selectAll();
        QTest::keyClicks(date, "5000");
        QCOMPARE(m_app->project().item(1).time, 5000);

        QTest::mouseClick(byName<QAbstractButton>(window, "Text1 Bold"), Qt::LeftButton);
        QVERIFY(text->font().bold());
        QCOMPARE(m_app->project().text(0).bold, 1);
        const QStringList fonts = {"Liberation Sans", "DejaVu Sans", "Liberation Serif"};
        auto *fontList = byName<QComboBox>(window, "Text1 Fonts");
        QCOMPARE(fontList->count(), 3);
        QCOMPARE(fontList->itemText(2), fonts[2]);
    }

    void rightClickEmptiesTheBackAnimationBox()
    {
        m_folder->addPicture("back.bmp");
        MainWindow *window = open();
        auto *box = byName<QLabel>(window, "Hour Back Animation");
        QTest::mouseClick(box, Qt::RightButton);
        QCOMPARE(box->text(), QString());
        QCOMPARE(m_app->project().item(0).backAnimation, QString());

        m_prompts->files = {m_folder->animations() + "back.bmp"};
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->text(), QString("back.bmp"));
        QCOMPARE(m_prompts->fileRequests.back().folder, m_folder->animations());
        QCOMPARE(m_app->project().item(0).backAnimation, QString("back.bmp"));
        QTest::mouseClick(box, Qt::RightButton);
        QCOMPARE(box->text(), QString());
        QCOMPARE(m_app->project().item(0).backAnimation, QString());
    }

    void animationListFromTheFolder()
    {
        m_folder->addPicture("b.BMP");
        m_folder->addPicture("a.jpg");
        QFile(m_folder->animations() + "c.gif").open(QIODevice::WriteOnly);
        MainWindow *window = open();
        CellList *list = animationList(window);
        QCOMPARE(list->rowCount(), 2);
        QCOMPARE(list->itemText(0, 1), QString("a.jpg"));
        QCOMPARE(list->itemText(1, 1), QString("b.BMP"));
        QCOMPARE(list->itemText(0, 3), QString("4"));
        QCOMPARE(list->itemText(0, 4), QString("None"));
    }

    void loopRefusesLettersAndOffSurvivesReopening()
    {
        MainWindow *window = open(makeProject(*m_folder, {"x.bmp"}));
        CellList *list = animationList(window);
        list->setCurrentCell(0, 2);
        QTest::keyClick(list->viewport(), Qt::Key_F2);
        QLineEdit *editor = list->viewport()->findChildren<QLineEdit *>().last();
        editor->selectAll();
        QTest::keyClicks(editor, "12a");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(m_prompts->messages.size(), 1, 2000);
        QCOMPARE(m_prompts->messages[0],
                 QString("The characters can't be shown in the parameter LOOP of animation!"));
        QCOMPARE(list->itemText(0, 2), QString("1"));

        auto *speed = byName<QComboBox>(window, "x.bmp Speed");
        QTest::keyClick(speed, Qt::Key_End);
        QCOMPARE(speed->currentText(), QString("OFF"));
        QCOMPARE(m_app->project().animations()[0].speed, 8);
        const QString path = m_app->project().path();
        m_prompts->answers = {QMessageBox::Yes}; // save the changes
        m_prompts->files = {path};
        menuAction(window, "Open Play Project")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(m_prompts->fileRequests.size(), std::size_t(1), 3000);
        QTRY_VERIFY2_WITH_TIMEOUT(!m_app->project().isDirty(), qPrintable(m_prompts->messages.join("|")), 3000);
        QCOMPARE(byName<QComboBox>(window, "x.bmp Speed")->currentText(), QString("OFF"));
    }

    void afterASortingAddEveryRowActsOnItsOwnEntry()
    {
        m_folder->addPicture("m.bmp");
        m_folder->addPicture("z.bmp");
        QTemporaryDir elsewhere;
        QImage(8, 8, QImage::Format_RGB32).save(elsewhere.path() + "/a.bmp", "BMP");
        MainWindow *window = open();
        CellList *list = animationList(window);
        m_prompts->files = {elsewhere.path() + "/a.bmp"};
        QTest::mouseClick(byName<QAbstractButton>(window, "Add"), Qt::LeftButton);
        QCOMPARE(list->rowCount(), 3);
        QCOMPARE(list->itemText(0, 1), QString("a.bmp"));
        QVERIFY(QFile::exists(m_folder->animations() + "a.bmp"));
        tick(list, rowOf(list, "z.bmp"));
        QCOMPARE(m_app->project().playList().size(), 1);
        QCOMPARE(m_app->project().playList()[0].name, QString("z.bmp"));
        QVERIFY(list->checkbox(rowOf(list, "z.bmp"), 0));

        // Delete refuses the ticked one and removes the one selected.
        list->setCurrentCell(rowOf(list, "z.bmp"), 1);
        QTest::mouseClick(byName<QAbstractButton>(window, "Delete"), Qt::LeftButton);
        QCOMPARE(m_prompts->messages, QStringList{"The animation can't be delete because it is selected!"});
        list->setCurrentCell(rowOf(list, "m.bmp"), 1);
        QTest::mouseClick(byName<QAbstractButton>(window, "Delete"), Qt::LeftButton);
        QCOMPARE(rowOf(list, "m.bmp"), -1);
        QVERIFY(m_app->project().findAnimation("m.bmp") == nullptr);
        QVERIFY(m_app->project().findAnimation("z.bmp") != nullptr);
    }

    void aFullPlayListTicksTheBoxBack()
    {
        QStringList names = pictures(30);
        m_folder->addPicture("extra.bmp");
        MainWindow *window = open(makeProject(*m_folder, names));
        CellList *list = animationList(window);
        tick(list, rowOf(list, "extra.bmp"));
        QCOMPARE(m_prompts->messages,
                 QStringList{"You can't add any MESSAGE to Play List as Play List is full!"});
        QVERIFY(!list->checkbox(rowOf(list, "extra.bmp"), 0));
        QCOMPARE(m_app->project().playList().size(), 30);
        auto *hour = byName<QCheckBox>(window, "Hour Select");
        QTest::mouseClick(hour, Qt::LeftButton);
        QVERIFY(!hour->isChecked());
        QCOMPARE(m_prompts->messages.size(), 2);
    }

    void upMovesTheSelectedEntryAndEscapeKeepsTheWindow()
    {
        MainWindow *window = open(makeProject(*m_folder, {"a.bmp", "Hour", "b.bmp"}));
        auto *tree = byName<QTreeWidget>(window, "Play List");
        tree->setCurrentItem(tree->topLevelItem(2));
        QTest::mouseClick(byName<QAbstractButton>(window, "Up"), Qt::LeftButton);
        QCOMPARE(m_app->project().playList()[1].name, QString("b.bmp"));
        QCOMPARE(tree->topLevelItem(1)->text(0), QString("b.bmp"));
        QCOMPARE(tree->currentItem(), tree->topLevelItem(1)); // the moved entry stays selected
        QVERIFY(m_app->project().isDirty());
        QTest::mouseClick(byName<QAbstractButton>(window, "Down"), Qt::LeftButton);
        QTest::mouseClick(byName<QAbstractButton>(window, "Down"), Qt::LeftButton); // at the end: nothing
        QCOMPARE(m_app->project().playList()[2].name, QString("b.bmp"));
        QTest::keyClick(window, Qt::Key_Escape);
        QTest::qWait(100);
        QVERIFY(window->isVisible());
    }

    void entriesWhoseFileHasGoneAreReported()
    {
        const QString project = makeProject(*m_folder, {"keep.bmp", "gone.bmp"});
        QFile::remove(m_folder->animations() + "gone.bmp");
        MainWindow *window = open(project);
        QVERIFY(window->statusBar()->currentMessage().contains("gone.bmp"));
        QVERIFY(!window->statusBar()->currentMessage().contains("keep.bmp"));
        QCOMPARE(animationList(window)->rowCount(), 1);
    }

    void aCancelledSaveAsAbandonsTheClose()
    {
        MainWindow *window = open();
        QTest::mouseClick(byName<QCheckBox>(window, "Hour Select"), Qt::LeftButton);
        QVERIFY(m_app->project().isDirty());
        m_prompts->answers = {QMessageBox::Yes};
        m_prompts->files = {QString()}; // the Save As dialog cancelled
        window->close();
        QTRY_COMPARE_WITH_TIMEOUT(m_prompts->questions.size(), 1, 3000);
        QCOMPARE(m_prompts->questions[0], QString("Do you want save the changes before closing?"));
        QTest::qWait(200);
        QVERIFY(window->isVisible());
        QVERIFY(m_app->project().isDirty());

        m_prompts->answers = {QMessageBox::No};
        window->close();
        QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 3000);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
