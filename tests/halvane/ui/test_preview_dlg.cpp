// The Preview dialog through its widgets: its size from the dot size, the
// playback on its thread, the two-click close, and "Save as GIF...".

#include "halvane/ui/preview_dlg.h"

#include "common/gif/picture.h"
#include "dravelle/document/crs_writer.h"
#include "tests/common/widget_find.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using halvane::preview::PreviewKind;
using halvane::ui::CPreviewDlg;

namespace {

constexpr QRgb kGreen = 0xFF00FF00u;
constexpr QRgb kBlack = 0xFF000000u;

} // namespace

class PreviewDlgTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sizeFollowsTheDotSize_data();
    void sizeFollowsTheDotSize();
    void closingARunningPreviewTakesTwoRequests();
    void endedPreviewKeepsItsLastPictureAndClosesAtOnce();
    void saveAsGifWritesThePreviewOnceThrough();
    void destroyingTheDialogStopsItsPreview();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    void writeCrs(const QString &name, int frames, int delayMs);
    void writeBmp(const QString &name);
    void addAnimation(const QString &name, int loop, int speed);
    std::unique_ptr<CPreviewDlg> open(PreviewKind kind, const QString &file = {});
    QImage picture(CPreviewDlg &dialog)
    {
        return byName<QLabel>(&dialog, QStringLiteral("Cross picture"))->pixmap().toImage();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    halvane::preview::PreviewContext m_context;
};

void PreviewDlgTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(path(QStringLiteral("animations"))));
    m_context = {};
    m_context.library = halvane::project::AnimationLibrary(path(QStringLiteral("animations")));
    m_context.geometry = common::CrossGeometry{48, 0};
    m_context.fontNames = {QStringLiteral("DejaVu Sans")};
    m_context.now = QDateTime(QDate(2024, 3, 7), QTime(9, 5));
    m_context.project = halvane::project::defaultProjectData(0);
}

void PreviewDlgTest::cleanup()
{
    m_dir.reset();
}

// `frames` pages of `delayMs`; page i lights dot (20 + i, 20).
void PreviewDlgTest::writeCrs(const QString &name, int frames, int delayMs)
{
    std::vector<dravelle::document::CrsPage> pages;
    for (int i = 0; i < frames; ++i) {
        dravelle::document::CrsPage page;
        page.colours.assign(48 * 48, 0);
        page.colours[size_t(20 + i + 20 * 48)] = 2;
        page.delayMs = delayMs;
        pages.push_back(page);
    }
    QVERIFY(dravelle::document::writeCrsFile(path(QStringLiteral("animations/") + name), 48, pages));
}

// Dot (20, 20) lit in dark blue, the rest black.
void PreviewDlgTest::writeBmp(const QString &name)
{
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setPixel(20, 20, qRgb(0, 0, 90));
    QVERIFY(image.save(path(QStringLiteral("animations/") + name), "BMP"));
}

void PreviewDlgTest::addAnimation(const QString &name, int loop, int speed)
{
    halvane::project::AnimationEntry entry = halvane::project::defaultAnimationEntry(name);
    entry.loop = loop;
    entry.speed = speed;
    m_context.project.animations.push_back(entry);
}

std::unique_ptr<CPreviewDlg> PreviewDlgTest::open(PreviewKind kind, const QString &file)
{
    auto dialog = std::make_unique<CPreviewDlg>(m_context, kind, file);
    dialog->show();
    return dialog;
}

void PreviewDlgTest::sizeFollowsTheDotSize_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("dot");
    QTest::newRow("48 cross") << 48 << 5; // 250 / 48
    QTest::newRow("64 cross") << 64 << 3; // 250 / 64
}

void PreviewDlgTest::sizeFollowsTheDotSize()
{
    QFETCH(int, side);
    QFETCH(int, dot);
    m_context.geometry = common::CrossGeometry{side, 0};
    auto dialog = open(PreviewKind::Hour);
    QCOMPARE(dialog->dotSize(), dot);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Preview"));
    auto *cross = byName<QLabel>(dialog.get(), QStringLiteral("Cross picture"));
    QCOMPARE(cross->size(), QSize(side * dot, side * dot));
    // S x d + 30 by S x d + 60, unless the button row needs more.
    QVERIFY(dialog->width() >= side * dot + 30);
    QVERIFY(dialog->height() >= side * dot + 60);
    QVERIFY(dialog->height() <= side * dot + 90);
    // The empty grid before the first step: grey lines, black dots, and the
    // corner squares left out.
    const QImage shown = picture(*dialog);
    QCOMPARE(shown.size(), QSize(side * dot, side * dot));
    QCOMPARE(shown.pixel(16 * dot, 20 * dot) | 0xFF000000u, 0xFF808080u);
    QCOMPARE(shown.pixel(16 * dot + 2, 20 * dot + 2) | 0xFF000000u, kBlack);
}

void PreviewDlgTest::closingARunningPreviewTakesTwoRequests()
{
    m_context.project.items[0].time = 60; // an Hour of one minute
    auto dialog = open(PreviewKind::Hour);
    QSignalSpy ended(dialog.get(), &CPreviewDlg::previewEnded);
    QTest::qWait(400); // the preview starts 100 ms after opening

    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isFinished());

    dialog->close(); // stops the preview
    QVERIFY(dialog->isVisible());
    QVERIFY(ended.wait(2000));
    QVERIFY(dialog->isVisible());
    dialog->close();
    QVERIFY(!dialog->isVisible());
}

void PreviewDlgTest::endedPreviewKeepsItsLastPictureAndClosesAtOnce()
{
    writeBmp(QStringLiteral("dot.bmp"));
    addAnimation(QStringLiteral("dot.bmp"), 3, 1);
    auto dialog = open(PreviewKind::Picture, QStringLiteral("dot.bmp"));
    QSignalSpy ended(dialog.get(), &CPreviewDlg::previewEnded);
    QVERIFY(ended.wait(5000));
    QTest::qWait(300);
    QVERIFY(dialog->isVisible()); // never closes by itself
    const QImage shown = picture(*dialog);
    QCOMPARE(shown.pixel(20 * 5 + 2, 20 * 5 + 2) | 0xFF000000u, kGreen);
    QCOMPARE(shown.pixel(21 * 5 + 2, 20 * 5 + 2) | 0xFF000000u, kBlack);
    dialog->close();
    QVERIFY(!dialog->isVisible());
}

void PreviewDlgTest::saveAsGifWritesThePreviewOnceThrough()
{
    writeCrs(QStringLiteral("run.crs"), 3, 100);
    addAnimation(QStringLiteral("run.crs"), 2, 5);
    auto dialog = open(PreviewKind::Animation, QStringLiteral("run.crs"));
    QSignalSpy saved(dialog.get(), &CPreviewDlg::gifSaved);

    QTest::mouseClick(byName<QPushButton>(dialog.get(), QStringLiteral("Save as GIF...")), Qt::LeftButton);
    QFileDialog *chooser = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((chooser = dialog->findChild<QFileDialog *>()) && chooser->isVisible(), 5000);
    auto *name = chooser->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    // The chooser opens in the application folder, beside the animations.
    const QString file = path(QStringLiteral("shown"));
    name->clear();
    QTest::keyClicks(name, QStringLiteral("shown"));
    QTRY_VERIFY_WITH_TIMEOUT(byName<QPushButton>(chooser, QStringLiteral("Save")), 5000);
    QTest::mouseClick(byName<QPushButton>(chooser, QStringLiteral("Save")), Qt::LeftButton);

    QVERIFY(saved.wait(20'000));
    QCOMPARE(saved.first().at(0).toBool(), true);
    const auto gif = common::gif::Picture::fromFile(file + QStringLiteral(".gif"));
    QVERIFY(!gif.isNull());
    QCOMPARE(gif.frameCount(), 6); // three frames, twice
    QCOMPARE(gif.logicalSize(), QSize(240, 240));
    QCOMPARE(gif.composeFrame(1).pixel(21 * 5 + 2, 20 * 5 + 2) | 0xFF000000u, kGreen);
}

// Closing the program under a running preview: the dialog goes, its thread
// stops within one step and never reaches the destroyed dialog.
void PreviewDlgTest::destroyingTheDialogStopsItsPreview()
{
    m_context.project.items[0].time = 60;
    auto dialog = open(PreviewKind::Hour);
    QTest::qWait(300);
    QVERIFY(!dialog->isFinished());
    dialog.reset();
    QTest::qWait(200);
}

QTEST_MAIN(PreviewDlgTest)
#include "test_preview_dlg.moc"
