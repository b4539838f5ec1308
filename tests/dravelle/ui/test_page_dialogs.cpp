// The small dialogs of the Edit menu and of start-up: Cross Resolution,
// Change All Page's Delay and Reverse Color, driven through their controls.

#include "dialog_test_support.h"

#include "dravelle/document/animation_store.h"
#include "dravelle/editor/dravelle_config.h"
#include "dravelle/ui/delay_dlg.h"
#include "dravelle/ui/resolution_dlg.h"
#include "dravelle/ui/reverse_color_dlg.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace dravelle;
using document::AnimationStore;
using document::DotPage;

namespace {

void writeIni(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Page 1 of a fresh animation with dot `yellow` lit yellow and the rest off.
void lightYellowDot(AnimationStore &store, int yellow)
{
    store.newAnimation();
    store.workingPage().setColourAt(yellow, document::kColourBitRed | document::kColourBitGreen);
    store.commitWorkingPage();
}

} // namespace

class PageDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void cancelAtStartEndsWithoutResolution()
    {
        const QString ini = m_dir.filePath(QStringLiteral("Dravelle.ini"));
        ModalAnswerer answerer([](QWidget *modal) {
            QVERIFY(qobject_cast<ui::ResolutionDlg *>(modal));
            clickNamed(modal, QStringLiteral("Cancel"));
        });
        QCOMPARE(ui::chooseResolutionAtStart(ini), std::nullopt);
        QCOMPARE(answerer.answered(), 1);
        QVERIFY(!QFile::exists(ini));
    }

    void dontShowAgainStartsStraightWithTheStoredResolution()
    {
        const QString ini = m_dir.filePath(QStringLiteral("Dravelle.ini"));
        writeIni(ini, "[BOOT]\r\nRESOLUTION=1\r\nDNOTSHOWAGAIN=1\r\n");
        ModalAnswerer answerer([](QWidget *modal) { modal->close(); });
        QCOMPARE(ui::chooseResolutionAtStart(ini), 64);
        QCOMPARE(answerer.answered(), 0);
    }

    void startUpChoiceIsWrittenAndUsed()
    {
        const QString ini = m_dir.filePath(QStringLiteral("Dravelle.ini"));
        ModalAnswerer answerer([](QWidget *modal) {
            auto *r64 = findNamed<QRadioButton>(modal, QStringLiteral("64 x 64"));
            QVERIFY(r64 && r64->isEnabled());
            QTest::mouseClick(r64, Qt::LeftButton);
            QTest::mouseClick(findNamed<QCheckBox>(modal, QStringLiteral("Don't show again")), Qt::LeftButton);
            clickNamed(modal, QStringLiteral("OK"));
        });
        QCOMPARE(ui::chooseResolutionAtStart(ini), 64);
        const editor::DravelleSettings written = editor::readDravelleSettings(ini);
        QCOMPARE(written.resolutionIndex, 1);
        QVERIFY(written.dontShowAgain);
    }

    void menuDialogChangesOnlyDontShowAgain()
    {
        const QString ini = m_dir.filePath(QStringLiteral("Dravelle.ini"));
        writeIni(ini, "[BOOT]\nRESOLUTION=1\nDNOTSHOWAGAIN=1\n");
        ui::ResolutionDlg dialog(ini, ui::ResolutionDlg::Mode::Menu);
        dialog.show();
        auto *r48 = findNamed<QRadioButton>(&dialog, QStringLiteral("48 x 48"));
        auto *r64 = findNamed<QRadioButton>(&dialog, QStringLiteral("64 x 64"));
        auto *again = findNamed<QCheckBox>(&dialog, QStringLiteral("Don't show again"));
        QVERIFY(r48 && r64 && again);
        QVERIFY(!r48->isEnabled() && !r64->isEnabled());
        QVERIFY(r64->isChecked() && again->isChecked());
        QTest::mouseClick(r48, Qt::LeftButton);  // disabled: no effect
        QTest::mouseClick(again, Qt::LeftButton);
        clickNamed(&dialog, QStringLiteral("OK"));
        const editor::DravelleSettings written = editor::readDravelleSettings(ini);
        QCOMPARE(written.resolutionIndex, 1);
        QVERIFY(!written.dontShowAgain);
    }

    void delayRefusesNegativeAndNonNumbers()
    {
        AnimationStore store(48);
        store.newAnimation();
        store.addPage();
        store.setModified(false);
        ui::DelayDlg dialog(store);
        dialog.show();
        auto *field = findNamed<QLineEdit>(&dialog, QStringLiteral("Delay"));
        QVERIFY(field);
        QCOMPARE(field->text(), QStringLiteral("0"));

        ModalAnswerer answerer;
        for (const char *bad : {"-5", "12a"}) {
            field->selectAll();
            QTest::keyClicks(field, QLatin1String(bad));
            clickNamed(&dialog, QStringLiteral("OK"));
            QVERIFY(dialog.isVisible());
        }
        QCOMPARE(answerer.messages().size(), 2);
        QVERIFY(answerer.messages()[0].contains(QStringLiteral("negative")));
        QCOMPARE(answerer.messages()[1], QStringLiteral("Please enter an integer."));
        QCOMPARE(store.delays(), (std::vector<int>{200, 200}));
        QVERIFY(!store.isModified());

        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("150"));
        clickNamed(&dialog, QStringLiteral("OK"));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(store.delays(), (std::vector<int>{150, 150}));
        QVERIFY(store.isModified());
    }

    void reverseRedOnCurrentPage()
    {
        AnimationStore store(48);
        const int yellow = 20 + 20 * 48, off = 21 + 20 * 48, corner = 0;
        lightYellowDot(store, yellow);
        store.setModified(false);
        ui::ReverseColorDlg dialog(store);
        dialog.show();
        auto *current = findNamed<QRadioButton>(&dialog, QStringLiteral("Current Page"));
        QVERIFY(current && current->isChecked());
        for (const char *name : {"Green", "Blue"}) {
            auto *box = findNamed<QCheckBox>(&dialog, QLatin1String(name));
            QVERIFY(box && box->isChecked());
            QTest::mouseClick(box, Qt::LeftButton);
        }
        clickNamed(&dialog, QStringLiteral("OK"));
        const DotPage &page = store.page(1);
        QCOMPARE(page.colourAt(yellow), document::kColourBitGreen);
        QCOMPARE(page.colourAt(off), document::kColourBitRed);
        QVERIFY(!page.isCrossDot(corner));
        QCOMPARE(store.workingPage(), page);
        QVERIFY(store.isModified());
    }

    void reverseAllPagesLeavesTheWords()
    {
        AnimationStore store(48);
        const int yellow = 20 + 20 * 48, word = 5 + 20 * 48;
        lightYellowDot(store, yellow);
        std::vector<DotPage> layer(2, DotPage::blank(48));
        layer[1].planes[document::kRedChannel][word] = document::onCode(document::kRedChannel);
        QVERIFY(store.setWordsLayer(layer));
        QVERIFY(store.selectPage(2));

        ui::ReverseColorDlg dialog(store);
        dialog.show();
        QTest::mouseClick(findNamed<QRadioButton>(&dialog, QStringLiteral("All Page")), Qt::LeftButton);
        clickNamed(&dialog, QStringLiteral("OK"));

        QCOMPARE(store.wordsLayer(), layer);
        for (int number : {1, 2}) {
            QCOMPARE(store.page(number).colourAt(yellow), document::kColourBitBlue);
            QCOMPARE(store.page(number).colourAt(word), document::kColourWhite);
        }
        // The words dot stays red-on over the reversed page 2, now current.
        QCOMPARE(store.currentPage(), 2);
        QCOMPARE(store.workingPage().colourAt(word), document::kColourWhite);
        QVERIFY(store.workingPage().isOn(document::kRedChannel, word));
        QVERIFY(store.isModified());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(PageDialogsTest)
#include "test_page_dialogs.moc"
