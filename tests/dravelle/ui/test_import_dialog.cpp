// Open Animation's import dialog: the playing picture, the region and
// threshold, the conversion on the worker and every way of closing it.

#include "dialog_test_support.h"
#include "tests/dravelle/crs_pages.h"

#include "dravelle/document/animation_store.h"
#include "dravelle/document/crs_writer.h"
#include "dravelle/ui/animated_picture.h"
#include "dravelle/ui/import_dlg.h"
#include "dravelle/ui/open_animation.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace dravelle;
using document::AnimationStore;
using document::CrsPage;
using document::DotPage;

namespace {

constexpr int kWait = 30000;

// Every cross dot of the page shows `colour`.
bool allCrossDots(const DotPage &page, int colour)
{
    for (int i = 0; i < page.dotCount(); ++i)
        if (page.isCrossDot(i) && page.colourAt(i) != colour)
            return false;
    return true;
}

void chooseRegion(ui::ImportDlg &dialog, const char *name)
{
    auto *radio = findNamed<QRadioButton>(&dialog, QLatin1String(name));
    QVERIFY(radio);
    clickBox(radio);
    QVERIFY(radio->isChecked());
}

void setThreshold(ui::ImportDlg &dialog, const QString &digits)
{
    auto *gray = findNamed<QSpinBox>(&dialog, QStringLiteral("Gray"));
    QVERIFY(gray);
    gray->selectAll();
    QTest::keyClicks(gray, digits);
}

// GetAnimations, then wait until the conversion has put its pages in.
void convert(ui::ImportDlg &dialog)
{
    auto *ok = findNamed<QPushButton>(&dialog, QStringLiteral("OK"));
    auto *get = findNamed<QPushButton>(&dialog, QStringLiteral("GetAnimations"));
    QVERIFY(ok && get);
    clickNamed(&dialog, QStringLiteral("GetAnimations"));
    QTRY_VERIFY_WITH_TIMEOUT(ok->isEnabled(), kWait);
    QVERIFY(get->isEnabled());
}

} // namespace

class ImportDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void singlePictureFillsTheWholeSquare()
    {
        for (const char *format : {"BMP", "JPG"}) {
            const QString file = m_dir.filePath(QStringLiteral("white.") + QString::fromLatin1(format).toLower());
            QImage image(12, 9, QImage::Format_RGB32);
            image.fill(Qt::white);
            QVERIFY(image.save(file, format));
            AnimationStore store(48);
            store.newAnimation();
            ui::ImportDlg dialog(store, file);
            dialog.show();
            QCOMPARE(findNamed<QLineEdit>(&dialog, QStringLiteral("Frames"))->text(), QStringLiteral("1"));
            chooseRegion(dialog, "Horizontal");
            convert(dialog);
            QCOMPARE(store.pageCount(), 1);
            QCOMPARE(store.delay(1), 200);
            QVERIFY(allCrossDots(store.page(1), document::kColourWhite));
            clickNamed(&dialog, QStringLiteral("OK"));
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
    }

    void framesBecomePagesWithTheirDelays()
    {
        const QString file = writeCrs(QStringLiteral("three.crs"), 48,
                                      {uniformPage(48, 1, 20), uniformPage(48, 2, 50), uniformPage(48, 4, 100)});
        AnimationStore store(48);
        store.newAnimation();
        ui::ImportDlg dialog(store, file);
        dialog.show();
        QCOMPARE(findNamed<QLineEdit>(&dialog, QStringLiteral("Frames"))->text(), QStringLiteral("3"));
        convert(dialog);
        QCOMPARE(store.delays(), (std::vector<int>{100, 50, 100}));
        QVERIFY(allCrossDots(store.page(2), document::kColourBitGreen));
        auto *progress = findNamed<QProgressBar>(&dialog, QStringLiteral("Progress"));
        QCOMPARE(progress->value(), 3);
        QCOMPARE(progress->maximum(), 3);
    }

    void horizontalLeavesTheVerticalEndsDark()
    {
        for (int r : {48, 64}) {
            const QString file = writeCrs(QStringLiteral("white%1.crs").arg(r), r,
                                          {uniformPage(r, 7, 200), uniformPage(r, 7, 200)});
            AnimationStore store(r);
            store.newAnimation();
            ui::ImportDlg dialog(store, file);
            dialog.show();
            chooseRegion(dialog, "Horizontal");
            convert(dialog);
            for (const DotPage &page : store.pages()) {
                QVERIFY(rowsDark(page, r, 0, 15));
                QVERIFY(rowsDark(page, r, r - 16, r - 1));
                // The band shows the whole picture squeezed: its middle column is lit.
                QCOMPARE(page.colourAt(r / 2 + 16 * r), document::kColourWhite);
                QCOMPARE(page.colourAt(r / 2 + (r - 17) * r), document::kColourWhite);
            }
        }
    }

    void thresholdPerChannel()
    {
        const QString file = m_dir.filePath(QStringLiteral("dim.bmp"));
        QImage image(10, 7, QImage::Format_RGB32);
        image.fill(qRgb(1, 128, 0));
        QVERIFY(image.save(file, "BMP"));
        struct Case { QString digits; int colour; };
        for (const Case &c : {Case{QStringLiteral("0"), document::kColourBitRed | document::kColourBitGreen},
                              Case{QStringLiteral("64"), document::kColourBitGreen},
                              Case{QStringLiteral("255"), 0}}) {
            AnimationStore store(48);
            store.newAnimation();
            ui::ImportDlg dialog(store, file);
            dialog.show();
            setThreshold(dialog, c.digits);
            convert(dialog);
            QVERIFY2(allCrossDots(store.page(1), c.colour), qPrintable(c.digits));
        }
    }

    void thresholdStaysWithin0To255()
    {
        AnimationStore store(48);
        store.newAnimation();
        ui::ImportDlg dialog(store, m_dir.filePath(QStringLiteral("none.gif")));
        dialog.show();
        auto *gray = findNamed<QSpinBox>(&dialog, QStringLiteral("Gray"));
        QCOMPARE(gray->value(), 64);
        setThreshold(dialog, QStringLiteral("300"));
        QVERIFY(gray->value() <= 255);
        setThreshold(dialog, QStringLiteral("-1"));
        QVERIFY(gray->value() >= 0);
    }

    // Open Animation of a .crs the editor wrote gives its pages back.
    void crsOfTheSameResolutionComesBack()
    {
        std::vector<CrsPage> written;
        for (int colour = 0; colour < 8; ++colour) {
            CrsPage page = uniformPage(64, colour, 100 * (colour + 1));
            page.colours[std::size_t(30 + 40 * 64)] = std::uint8_t(7 - colour);
            written.push_back(page);
        }
        const QString file = writeCrs(QStringLiteral("eight.crs"), 64, written);
        AnimationStore store(64);
        store.newAnimation();
        store.workingPage().setColourAt(20 + 20 * 64, document::kColourWhite);
        store.commitWorkingPage();
        ModalAnswerer answerer([](QWidget *modal) {
            auto *dialog = qobject_cast<ui::ImportDlg *>(modal);
            QVERIFY(dialog);
            convert(*dialog);
            clickNamed(dialog, QStringLiteral("OK"));
        });
        QVERIFY(ui::openAnimationFile(store, file, nullptr));
        QCOMPARE(store.pageCount(), 8);
        for (int k = 0; k < 8; ++k) {
            const DotPage &page = store.page(k + 1);
            QCOMPARE(store.delay(k + 1), 100 * (k + 1));
            for (int i = 0; i < page.dotCount(); ++i)
                if (page.isCrossDot(i))
                    QCOMPARE(page.colourAt(i), int(written[std::size_t(k)].colours[std::size_t(i)]));
        }
        QVERIFY(store.isModified());
        QVERIFY(store.documentPath().isEmpty());
    }

    void cancelBeforeAnyConversionKeepsTheEmptyPage()
    {
        const QString file = writeCrs(QStringLiteral("two.crs"), 48, {uniformPage(48, 1, 200), uniformPage(48, 7, 200)});
        AnimationStore store(48);
        store.newAnimation();
        store.workingPage().setColourAt(20 + 20 * 48, document::kColourWhite);
        store.commitWorkingPage();
        ModalAnswerer answerer([](QWidget *modal) { clickNamed(modal, QStringLiteral("Cancel")); });
        QVERIFY(!ui::openAnimationFile(store, file, nullptr));
        QCOMPARE(store.pageCount(), 1);
        QCOMPARE(store.page(1), DotPage::crossMask(48));
        QCOMPARE(store.delay(1), 200);
    }

    // Closing while the worker converts, in each way a user can: the worker
    // is stopped and waited for before the dialog goes, and none of its
    // pages reach the store.
    void closingDuringAConversionStopsAndWaits()
    {
        std::vector<CrsPage> many;
        for (int i = 0; i < 300; ++i)
            many.push_back(uniformPage(64, i % 8, 100));
        const QString file = writeCrs(QStringLiteral("many.crs"), 64, many);
        enum Way { CancelButton, EscapeKey, CloseWindow, Destroy };
        for (Way way : {CancelButton, EscapeKey, CloseWindow, Destroy}) {
            AnimationStore store(64);
            store.newAnimation();
            auto *dialog = new ui::ImportDlg(store, file);
            dialog->show();
            QCOMPARE(findNamed<QLineEdit>(dialog, QStringLiteral("Frames"))->text(), QStringLiteral("300"));
            clickNamed(dialog, QStringLiteral("GetAnimations"));
            QVERIFY(!findNamed<QPushButton>(dialog, QStringLiteral("GetAnimations"))->isEnabled());
            QVERIFY(!findNamed<QPushButton>(dialog, QStringLiteral("OK"))->isEnabled());
            switch (way) {
            case CancelButton: clickNamed(dialog, QStringLiteral("Cancel")); break;
            case EscapeKey: QTest::keyClick(dialog, Qt::Key_Escape); break;
            case CloseWindow: dialog->close(); break;
            case Destroy: break;
            }
            if (way != Destroy) {
                QVERIFY(!dialog->isConverting());
                QVERIFY(!dialog->isVisible());
                QVERIFY(!dialog->picture()->isPlaying());
                QCoreApplication::processEvents();
            }
            delete dialog;
            QCoreApplication::processEvents();
            QCOMPARE(store.pageCount(), 1);
            QCOMPARE(store.page(1), DotPage::crossMask(64));
        }
    }

    void unreadableFileSaysWhy()
    {
        const QString file = m_dir.filePath(QStringLiteral("broken.gif"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("GIF89a not really");
        out.close();
        AnimationStore store(48);
        store.newAnimation();
        ui::ImportDlg dialog(store, file);
        dialog.show();
        auto *error = findNamed<QLabel>(&dialog, QStringLiteral("Error"));
        QVERIFY(error && error->isVisible());
        QVERIFY(!error->text().isEmpty());
        QCOMPARE(findNamed<QLineEdit>(&dialog, QStringLiteral("Frames"))->text(), QStringLiteral("1"));
        QVERIFY(!dialog.picture()->isPlaying());

        ModalAnswerer answerer;
        clickNamed(&dialog, QStringLiteral("GetAnimations"));
        QTRY_COMPARE_WITH_TIMEOUT(answerer.messages().size(), 1, kWait);
        QVERIFY(!findNamed<QPushButton>(&dialog, QStringLiteral("OK"))->isEnabled());
        QCOMPARE(store.page(1), DotPage::crossMask(48));
    }

    // The picture plays in the chosen region; a region change starts again
    // from the first frame on black; closing stops it.
    void playbackRestartsOnARegionChange()
    {
        const QString file = writeCrs(QStringLiteral("play.crs"), 48,
                                      {uniformPage(48, 1, 20), uniformPage(48, 2, 20), uniformPage(48, 4, 20)});
        AnimationStore store(48);
        store.newAnimation();
        ui::ImportDlg dialog(store, file);
        dialog.show();
        ui::AnimatedPicture *picture = dialog.picture();
        QVERIFY(picture->isPlaying());
        QCOMPARE(picture->square().pixel(24, 24), qRgb(255, 0, 0));
        QTRY_VERIFY_WITH_TIMEOUT(picture->currentFrame() > 0, kWait);

        chooseRegion(dialog, "Vertical");
        QCOMPARE(picture->currentFrame(), 0);
        QCOMPARE(picture->square().pixel(5, 20), qRgb(0, 0, 0));
        QCOMPARE(picture->square().pixel(24, 20), qRgb(255, 0, 0));
        QTRY_VERIFY_WITH_TIMEOUT(picture->currentFrame() == 2, kWait);
        QCOMPARE(picture->square().pixel(5, 20), qRgb(0, 0, 0));
        QCOMPARE(picture->square().pixel(24, 20), qRgb(0, 0, 255));

        clickNamed(&dialog, QStringLiteral("Cancel"));
        QVERIFY(!picture->isPlaying());
    }

    void droppedPaths()
    {
        const QString crs = writeCrs(QStringLiteral("Drop.CRS"), 48, {uniformPage(48, 1, 200)});
        QVERIFY(ui::acceptsDroppedPath(crs));
        const QString text = m_dir.filePath(QStringLiteral("notes.txt"));
        QFile(text).open(QIODevice::WriteOnly);
        QVERIFY(!ui::acceptsDroppedPath(text));
        QVERIFY(!ui::acceptsDroppedPath(m_dir.filePath(QStringLiteral("missing.gif"))));
        QDir().mkpath(m_dir.filePath(QStringLiteral("folder.gif")));
        QVERIFY(!ui::acceptsDroppedPath(m_dir.filePath(QStringLiteral("folder.gif"))));
    }

private:
    QString writeCrs(const QString &name, int r, const std::vector<CrsPage> &pages)
    {
        const QString file = m_dir.filePath(name);
        const common::Status status = document::writeCrsFile(file, r, pages);
        if (!status)
            qWarning() << status.message;
        return file;
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(ImportDialogTest)
#include "test_import_dialog.moc"
