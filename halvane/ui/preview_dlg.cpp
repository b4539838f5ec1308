#include "halvane/ui/preview_dlg.h"

#include "common/atomic_save.h"
#include "common/clock.h"
#include "halvane/preview/dot_grid.h"
#include "halvane/preview/preview_loops.h"
#include "halvane/preview/preview_playback.h"
#include "halvane/preview/preview_recorder.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace halvane::ui {

namespace {

// The preview starts on the first tick after the dialog opened.
constexpr int kStartDelayMs = 100;
// The margins around the cross picture: together 30 pixels across and
// 60 down, the button row included.
constexpr int kSideMargin = 15;
constexpr int kTopMargin = 15;

} // namespace

CPreviewDlg::CPreviewDlg(preview::PreviewContext context, preview::PreviewKind kind, const QString &fileName,
                         QWidget *parent, QSize pictureArea)
    : GuardedDialog(parent), m_context(std::move(context)), m_kind(kind), m_fileName(fileName)
{
    setWindowTitle(tr("Preview"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildForm(pictureArea);
    m_playback = std::make_unique<preview::PreviewPlayback>(
        common::systemClock(), m_dotSize,
        [this](const QImage &picture) {
            QMetaObject::invokeMethod(this, [this, picture] { showPicture(picture); }, Qt::QueuedConnection);
        },
        [this](const QString &text) {
            QMetaObject::invokeMethod(this, [this, text] { showMessage(text); }, Qt::QueuedConnection);
        });
    QTimer::singleShot(kStartDelayMs, this, &CPreviewDlg::startPreview);
}

CPreviewDlg::~CPreviewDlg()
{
    m_playback.reset(); // stops the loop within one step and joins its thread
    m_stopRecording = true;
    if (m_recorder)
        m_recorder->wait();
}

void CPreviewDlg::buildForm(QSize pictureArea)
{
    const int side = m_context.geometry.side;
    const preview::PreviewLayout sizes = preview::previewLayout(pictureArea, side);
    m_dotSize = std::max(sizes.dotSize, 1);

    m_picture = new QLabel(this);
    m_picture->setFixedSize(side * m_dotSize, side * m_dotSize);
    m_picture->setAccessibleName(tr("Cross picture"));
    // Until the first step: the empty grid.
    QImage dark(side, side, QImage::Format_RGB32);
    dark.fill(Qt::black);
    showPicture(preview::dotGridImage(dark, m_dotSize));
    m_saveGif = new QPushButton(tr("Save as GIF..."), this);
    m_saveGif->setAutoDefault(false);
    connect(m_saveGif, &QPushButton::clicked, this, &CPreviewDlg::chooseGifFile);
    m_saveStatus = new QLabel(this);
    m_saveStatus->setWordWrap(true);
    m_saveStatus->setAccessibleName(tr("Save status"));
    m_saveStatus->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_saveGif);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kSideMargin, kTopMargin, kSideMargin, kSideMargin / 2);
    layout->addWidget(m_picture, 0, Qt::AlignHCenter);
    layout->addWidget(m_saveStatus);
    layout->addLayout(buttons);
    resize(sizes.dialogSize.expandedTo(minimumSizeHint()));
}

void CPreviewDlg::startPreview()
{
    const preview::PreviewKind kind = m_kind;
    preview::PreviewLoop loop = preview::previewLoop(m_context, kind, m_fileName);
    m_playback->start([this, loop](preview::StepSink &sink) {
        const bool ranThrough = loop(sink);
        QMetaObject::invokeMethod(
            this, [this] { m_ended = true; emit previewEnded(); }, Qt::QueuedConnection);
        return ranThrough;
    });
}

void CPreviewDlg::showPicture(const QImage &picture)
{
    m_picture->setPixmap(QPixmap::fromImage(picture));
}

void CPreviewDlg::showMessage(const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Halvane"), text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void CPreviewDlg::requestClose()
{
    // The first request of a running preview stops it; a dialog whose
    // preview has ended (or never started) closes.
    if (m_playback->requestClose() || m_ended)
        done(QDialog::Accepted);
}

void CPreviewDlg::chooseGifFile()
{
    // Starts in the application folder, beside the animations folder.
    QDir folder(m_context.library.folder());
    folder.cdUp();
    auto *chooser = new QFileDialog(this, tr("Save as GIF"), folder.absolutePath(), tr("GIF pictures (*.gif)"));
    chooser->setOption(QFileDialog::DontUseNativeDialog); // before the mode, which names its button
    chooser->setAcceptMode(QFileDialog::AcceptSave);
    chooser->setDefaultSuffix(QStringLiteral("gif"));
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &QFileDialog::fileSelected, this, &CPreviewDlg::saveGif);
    chooser->open();
}

// Records the preview on a thread of its own (a long play list takes a
// while to render) and writes the file there; the outcome comes back queued.
void CPreviewDlg::saveGif(const QString &path)
{
    if (m_recorder && m_recorder->isRunning())
        return;
    m_saveGif->setEnabled(false);
    m_saveStatus->setText(tr("Saving %1 ...").arg(path));
    m_saveStatus->show();
    m_recorder.reset(QThread::create([this, path, context = m_context, kind = m_kind, file = m_fileName,
                                      dotSize = m_dotSize] {
        const preview::PreviewRecording recording =
            preview::recordPreview(context, kind, file, dotSize, &m_stopRecording);
        common::Status written = common::Status::failure(tr("There is nothing to show."));
        if (!recording.gif.isEmpty())
            written = common::saveAtomically(path, recording.gif);
        const QString message = written ? tr("Saved %1: %2 frames").arg(path).arg(recording.frames)
                                        : tr("Cannot save %1: %2").arg(path, written.message);
        QMetaObject::invokeMethod(
            this, [this, ok = written.ok, message] { gifWritten(ok, message); }, Qt::QueuedConnection);
    }));
    m_recorder->start();
}

void CPreviewDlg::gifWritten(bool ok, const QString &message)
{
    m_saveGif->setEnabled(true);
    m_saveStatus->setText(message);
    emit gifSaved(ok, message);
}

} // namespace halvane::ui
