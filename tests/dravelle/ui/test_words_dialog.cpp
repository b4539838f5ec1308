// Add Words through the "Show Words" dialog, its worker and its wait window.

#include "dialog_test_support.h"

#include "dravelle/document/animation_store.h"
#include "dravelle/editor/words.h"
#include "dravelle/ui/wait_window.h"
#include "dravelle/ui/words_dlg.h"
#include "dravelle/ui/words_job.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

#include <chrono>
#include <future>
#include <thread>

using namespace dravelle;
using document::AnimationStore;
using document::DotPage;
using document::WordsSettings;

namespace {

// An animation of `count` pages; page k has dot k lit red and delay 10 k.
void makePages(AnimationStore &store, int count)
{
    store.newAnimation();
    std::vector<DotPage> pages;
    std::vector<int> delays;
    for (int k = 1; k <= count; ++k) {
        DotPage page = DotPage::crossMask(store.resolution());
        page.setColourAt(16 + k, document::kColourBitRed);
        pages.push_back(page);
        delays.push_back(10 * k);
    }
    QVERIFY(store.replacePages(pages, delays));
}

// Add Words as the window runs it: the dialog filled in by the user, Ok, and
// the worker until it has installed the layer.
void addWords(ui::WordsJob &job, AnimationStore &store, const QString &text, bool moveOut = false)
{
    ModalAnswerer answerer([&](QWidget *modal) {
        auto *field = findNamed<QLineEdit>(modal, QStringLiteral("Horizontal"));
        QVERIFY(field);
        field->clear();
        QTest::keyClicks(field, text);
        auto *move = findNamed<QCheckBox>(modal, QStringLiteral("Move Out"));
        if (move->isChecked() != moveOut)
            clickBox(move);
        clickNamed(modal, QStringLiteral("Ok"));
    });
    QVERIFY(ui::runAddWords(job, store.wordsSettings(), nullptr));
    QTRY_VERIFY_WITH_TIMEOUT(!job.isBusy(), 20000);
    QVERIFY(answerer.messages().isEmpty());
}

int wordsPagesFor(const QString &text, bool moveOut, int resolution)
{
    WordsSettings settings;
    settings.text = text;
    settings.moveOut = moveOut;
    return editor::wordsTextWidth(settings) + (moveOut ? resolution : 0);
}

} // namespace

class WordsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheStoredSettings()
    {
        WordsSettings stored;
        stored.text = QStringLiteral("Hello");
        stored.face = editor::wordsFontFaces().value(0);
        stored.size = 20;
        stored.startX = 7;
        stored.textColour = 4;
        stored.moveOut = true;
        ui::WordsDlg dialog(stored);
        dialog.show();
        auto *font = findNamed<QComboBox>(&dialog, QStringLiteral("Font"));
        auto *size = findNamed<QComboBox>(&dialog, QStringLiteral("Size"));
        auto *startX = findNamed<QLineEdit>(&dialog, QStringLiteral("StartX"));
        QVERIFY(font && size && startX);
        QCOMPARE(font->currentText(), stored.face);
        QStringList faces;
        for (int i = 0; i < font->count(); ++i)
            faces << font->itemText(i);
        QCOMPARE(faces.removeDuplicates(), 0);
        QCOMPARE(size->count(), 23);
        QCOMPARE(size->itemText(0), QStringLiteral("10"));
        QCOMPARE(size->currentText(), QStringLiteral("20"));
        QCOMPARE(startX->text(), QStringLiteral("7"));
        QVERIFY(!startX->isEnabled());
        QCOMPARE(findNamed<QComboBox>(&dialog, QStringLiteral("Text Color"))->currentText(), QStringLiteral("Yellow"));
        QCOMPARE(findNamed<QComboBox>(&dialog, QStringLiteral("Background Color"))->currentText(),
                 QStringLiteral("Black"));
        QVERIFY(findNamed<QCheckBox>(&dialog, QStringLiteral("Move Out"))->isChecked());

        clickNamed(&dialog, QStringLiteral("Ok"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.settings(), stored);
    }

    void overlongTextIsRefused()
    {
        ui::WordsDlg dialog(WordsSettings{});
        dialog.show();
        // The default face is selected even where the system draws it with a
        // substitute family.
        QVERIFY(findNamed<QComboBox>(&dialog, QStringLiteral("Font"))->currentIndex() >= 0);
        auto *field = findNamed<QLineEdit>(&dialog, QStringLiteral("Horizontal"));
        QTest::keyClicks(field, QString(WordsSettings::kMaxTextLength + 1, QLatin1Char('x')));
        ModalAnswerer answerer;
        clickNamed(&dialog, QStringLiteral("Ok"));
        QCOMPARE(answerer.messages().size(), 1);
        QVERIFY(answerer.messages()[0].contains(QStringLiteral("1023")));
        QVERIFY(dialog.isVisible());

        QTest::keyClick(field, Qt::Key_Backspace);
        clickNamed(&dialog, QStringLiteral("Ok"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.settings().text.size(), WordsSettings::kMaxTextLength);
    }

    void emptyTextRemovesTheWordsAndKeepsThePages()
    {
        AnimationStore store(48);
        makePages(store, 3);
        ui::WordsJob job(store, nullptr);
        addWords(job, store, QStringLiteral("Hi"));
        QVERIFY(!store.wordsLayer().empty());
        const std::vector<DotPage> pages = store.pages();
        const std::vector<int> delays = store.delays();

        addWords(job, store, QString());
        QVERIFY(store.wordsLayer().empty());
        QCOMPARE(store.pages(), pages);
        QCOMPARE(store.delays(), delays);
    }

    void pagesRepeatOrGoToFitTheWords()
    {
        const QString text = QStringLiteral("Hi");
        const int wanted = wordsPagesFor(text, false, 48);
        QVERIFY(wanted > 3 && wanted < 40);
        for (int before : {3, 40}) {
            AnimationStore store(48);
            makePages(store, before);
            std::vector<DotPage> original = store.pages();
            ui::WordsJob job(store, nullptr);
            QSignalSpy finished(&job, &ui::WordsJob::finished);
            addWords(job, store, text);
            QCOMPARE(finished.count(), 1);
            QCOMPARE(store.pageCount(), wanted);
            QCOMPARE(int(store.wordsLayer().size()), wanted);
            for (int k = 1; k <= wanted; ++k) {
                const int source = (k - 1) % before + 1;
                QCOMPARE(store.delay(k), 10 * source);
                QCOMPARE(store.page(k), original[std::size_t(source - 1)]);
            }
            QCOMPARE(store.currentPage(), 1);
            QVERIFY(store.isModified());
            // One step: undo gives the pages back without words.
            QVERIFY(store.undo());
            QCOMPARE(store.pages(), original);
            QVERIFY(store.wordsLayer().empty());
            QVERIFY(store.redo());
            QCOMPARE(store.pageCount(), wanted);
        }
    }

    void moveOutAddsOnePagePerColumn()
    {
        for (int r : {48, 64}) {
            AnimationStore store(r);
            makePages(store, 1);
            ui::WordsJob job(store, nullptr);
            addWords(job, store, QStringLiteral("Go"));
            const int without = store.pageCount();
            addWords(job, store, QStringLiteral("Go"), true);
            QCOMPARE(store.pageCount(), without + r);
        }
    }

    // While the worker draws, the wait window is up with the wait cursor, the
    // store is busy and the window's commands are refused; the window closes
    // by itself when the words are in.
    void busyWhileTheWorkerDraws()
    {
        AnimationStore store(48);
        makePages(store, 2);
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        ui::WordsJob job(store, nullptr, [released](const WordsSettings &s, int r) {
            released.wait();
            return editor::buildWordsLayer(s, r);
        });
        WordsSettings settings;
        settings.text = QStringLiteral("A");
        QVERIFY(job.start(settings));
        QVERIFY(job.isBusy());
        QTRY_VERIFY_WITH_TIMEOUT(findWaitWindow() && findWaitWindow()->isVisible(), 5000);
        QCOMPARE(findWaitWindow()->findChild<QLabel *>()->text(), QStringLiteral("Processing, please wait..."));
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QVERIFY(!job.start(settings));

        {
            ModalAnswerer answerer;
            QVERIFY(job.refuseWhileBusy(nullptr));
            QCOMPARE(answerer.messages().size(), 1);
        }
        QCOMPARE(store.pageCount(), 2);

        release.set_value();
        QTRY_VERIFY_WITH_TIMEOUT(!job.isBusy(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!findWaitWindow(), 5000);
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!job.refuseWhileBusy(nullptr));
        QCOMPARE(store.pageCount(), int(store.wordsLayer().size()));
    }

    // Closing the window while the worker runs: the job waits for it and its
    // layer is dropped.
    void jobGoneWhileTheWorkerRuns()
    {
        AnimationStore store(48);
        makePages(store, 2);
        const std::vector<DotPage> pages = store.pages();
        {
            ui::WordsJob job(store, nullptr, [](const WordsSettings &s, int r) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                return editor::buildWordsLayer(s, r);
            });
            WordsSettings settings;
            settings.text = QStringLiteral("Bye");
            QVERIFY(job.start(settings));
        }
        QCoreApplication::processEvents();
        QVERIFY(store.wordsLayer().empty());
        QCOMPARE(store.pages(), pages);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

private:
    static ui::WaitWindow *findWaitWindow()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *wait = qobject_cast<ui::WaitWindow *>(w))
                return wait;
        return nullptr;
    }
};

QTEST_MAIN(WordsDialogTest)
#include "test_words_dialog.moc"
