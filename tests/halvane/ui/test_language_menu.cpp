// The Language menu: its check mark follows LANGUAGE, a choice writes it and
// starts the program again, and unsaved changes are asked about first.
#include "halvane/settings/halvane_config.h"
#include "halvane/ui/halvane_app.h"
#include "halvane/ui/main_window.h"
#include "ui_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>

using halvane::ui::HalvaneApp;
using halvane::ui::MainWindow;

namespace {

QList<QAction *> languageEntries(MainWindow *window)
{
    for (QAction *menu : window->menuBar()->actions())
        if (menu->text() == QStringLiteral("&Language"))
            return menu->menu()->actions();
    return {};
}

QString checkedEntry(MainWindow *window)
{
    for (QAction *entry : languageEntries(window))
        if (entry->isChecked())
            return entry->text();
    return QString();
}

} // namespace

class TestLanguageMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<ui_test::AppFolder> m_folder;
    std::unique_ptr<ui_test::Prompts> m_prompts;
    std::unique_ptr<HalvaneApp> m_app;
    int m_restarts = 0;
    bool m_restartWorks = true;

    MainWindow *open(int language)
    {
        (void)halvane::settings::writeBootInt(m_folder->ini(), halvane::settings::kKeyLanguage, language);
        m_app = std::make_unique<HalvaneApp>(m_folder->path());
        m_app->setRestart([this] {
            ++m_restarts;
            return m_restartWorks;
        });
        MainWindow *window = m_app->mainWindow(QString(), false, halvane::ui::DialogHooks{});
        window->show();
        return window;
    }
    int language() const
    {
        return halvane::settings::readStartupSettings(m_folder->ini()).language;
    }
    void choose(MainWindow *window, const QString &entry)
    {
        for (QAction *action : languageEntries(window))
            if (action->text() == entry)
                action->trigger();
    }
    void makeDirty(MainWindow *window)
    {
        QTest::mouseClick(byName<QCheckBox>(window, "Hour Select"), Qt::LeftButton);
        QVERIFY(m_app->project().isDirty());
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<ui_test::AppFolder>();
        m_prompts = std::make_unique<ui_test::Prompts>();
        m_restarts = 0;
        m_restartWorks = true;
    }
    void cleanup()
    {
        m_app.reset();
        m_prompts.reset();
        m_folder.reset();
    }

    void theCheckMarkStandsAtLanguage()
    {
        MainWindow *window = open(3);
        QCOMPARE(languageEntries(window).size(), 5);
        QCOMPARE(checkedEntry(window), QString("Italian"));
        for (QAction *entry : languageEntries(window))
            QVERIFY(entry->isEnabled());
        m_app.reset();
        window = open(7);
        QVERIFY2(checkedEntry(window).isEmpty(), "a value outside the menu checks nothing");
    }

    void aChoiceWritesLanguageAndRestartsWithoutAQuestionWhenClean()
    {
        MainWindow *window = open(0);
        choose(window, "French");
        QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 3000);
        QCOMPARE(language(), 2);
        QCOMPARE(m_restarts, 1);
        QVERIFY(m_prompts->questions.isEmpty());
    }

    void unsavedChangesAreAskedAboutAndCancelKeepsEverything()
    {
        MainWindow *window = open(1);
        makeDirty(window);
        m_prompts->answers = {QMessageBox::Cancel};
        choose(window, "Spanish");
        QTRY_COMPARE_WITH_TIMEOUT(m_prompts->questions.size(), 1, 3000);
        QCOMPARE(m_prompts->questions[0], QString("Do you want save the changes before closing?"));
        QTest::qWait(200);
        QVERIFY(window->isVisible());
        QCOMPARE(language(), 1);
        QCOMPARE(m_restarts, 0);
        QCOMPARE(checkedEntry(window), QString("English")); // the mark goes back with the choice
        QVERIFY(m_app->project().isDirty());
    }

    void answeringNoDiscardsAndRestartsInTheNewLanguage()
    {
        MainWindow *window = open(1);
        makeDirty(window);
        m_prompts->answers = {QMessageBox::No};
        choose(window, "Auto");
        QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 3000);
        QCOMPARE(m_prompts->questions.size(), 1); // asked once: the close after it asks nothing
        QCOMPARE(language(), 0);
        QCOMPARE(m_restarts, 1);
    }

    void answeringYesSavesBeforeTheRestart()
    {
        MainWindow *window = open(0);
        makeDirty(window);
        const QString saved = m_folder->path() + "kept.plst";
        m_prompts->answers = {QMessageBox::Yes};
        m_prompts->files = {saved};
        choose(window, "Italian");
        QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 3000);
        QVERIFY(QFile::exists(saved));
        QCOMPARE(language(), 3);
        QCOMPARE(m_restarts, 1);
    }

    void aRestartThatCannotStartLeavesTheWindowToTheEnd()
    {
        MainWindow *window = open(0);
        m_restartWorks = false;
        choose(window, "Spanish");
        QTRY_COMPARE_WITH_TIMEOUT(m_restarts, 1, 3000);
        QCOMPARE(language(), 4);
        QTest::qWait(200);
        QVERIFY2(window->isVisible(), "the program ends with its error code, the window never closes as on success");
    }
};

QTEST_MAIN(TestLanguageMenu)
#include "test_language_menu.moc"
