#include "halvane/ui/send_dlg.h"

#include "halvane/encode/file_record_encoder.h"
#include "halvane/encode/send_job.h"
#include "halvane/link/serial_port.h"
#include "halvane/settings/halvane_config.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace halvane::ui {

namespace {

// After the close request of an ended send, the dialog waits this long
// before it closes.
constexpr int kClosePauseMs = 500;
constexpr int kStatusWidth = 460;

} // namespace

// Carries the job's observer calls from the worker thread to the dialog:
// every signal reaches the dialog queued, on its own thread.
class SendRelay : public QObject, public encode::SendObserver {
    Q_OBJECT

public:
    void statusChanged(const QString &text) override { emit status(text); }
    void progressChanged(int position, int total) override { emit progress(position, total); }
    void warning(const QString &text) override { emit warned(text); }

signals:
    void status(const QString &text);
    void progress(int position, int total);
    void warned(const QString &text);
    void ended(bool ok, const QString &status);
};

CSendDlg::CSendDlg(const project::PlayProjectData &project, const project::AnimationLibrary &library,
                   const QString &appFolder, QWidget *parent)
    : GuardedDialog(parent), m_project(project), m_library(library), m_appFolder(appFolder),
      m_estimate(settings::readBootInt(appFolder + QStringLiteral("Halvane.ini"), settings::kKeyBaudRate, 0)),
      m_relay(std::make_unique<SendRelay>())
{
    buildForm();
    connect(m_relay.get(), &SendRelay::status, this, &CSendDlg::showStatus, Qt::QueuedConnection);
    connect(m_relay.get(), &SendRelay::progress, this, &CSendDlg::showProgress, Qt::QueuedConnection);
    connect(m_relay.get(), &SendRelay::warned, this, &CSendDlg::showWarning, Qt::QueuedConnection);
    connect(m_relay.get(), &SendRelay::ended, this, &CSendDlg::ended, Qt::QueuedConnection);
}

CSendDlg::~CSendDlg()
{
    if (m_worker)
        m_worker->wait();
}

void CSendDlg::sendProject(QWidget *parent, const project::PlayProjectData &project,
                           const project::AnimationLibrary &library, const QString &appFolder)
{
    if (const common::Status sendable = encode::checkSendable(project); !sendable) {
        QMessageBox::information(parent, tr("Halvane"), sendable.message);
        return;
    }
    CSendDlg dialog(project, library, appFolder, parent);
    dialog.exec();
}

void CSendDlg::buildForm()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(18);
    setFont(font);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_status->setMinimumWidth(kStatusWidth);
    m_status->setAccessibleName(tr("Status"));
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 0);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(tr("Progress"));
    m_blocks = new QLabel(this);
    m_blocks->setAccessibleName(tr("Blocks sent"));
    m_timeLeft = new QLabel(this);
    m_timeLeft->setAccessibleName(tr("Time left"));
    m_warnings = new QLabel(this);
    m_warnings->setWordWrap(true);
    m_warnings->setAccessibleName(tr("Warnings"));
    m_warnings->hide();
    m_close = new QPushButton(tr("Close"), this);
    m_close->setAutoDefault(false); // Enter never ends the dialog
    m_close->setEnabled(false);
    connect(m_close, &QPushButton::clicked, this, &CSendDlg::requestClose);

    auto *counts = new QHBoxLayout;
    counts->addWidget(m_blocks);
    counts->addStretch();
    counts->addWidget(m_timeLeft);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addLayout(counts);
    layout->addWidget(m_warnings);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

void CSendDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_worker)
        start();
}

// The worker makes its own link, so the port is opened and used on its thread.
void CSendDlg::start()
{
    m_clock.start();
    SendRelay *relay = m_relay.get();
    m_worker.reset(QThread::create([relay, project = m_project, library = m_library, folder = m_appFolder] {
        link::SystemLink link(folder);
        encode::FileRecordEncoder encoder =
            encode::FileRecordEncoder::fromSettings(link.context().iniPath());
        encode::SendJob job(link.context(), encoder, *relay);
        const encode::SendResult result = job.run(project, library);
        emit relay->ended(result.ok(), result.status);
    }));
    m_worker->start();
}

void CSendDlg::showStatus(const QString &text)
{
    m_status->setText(text);
    growToFit();
}

// Wrapped texts (a refusal, the warnings) take more lines than the dialog
// had room for: it grows to show them whole, never shrinks under the user.
void CSendDlg::growToFit()
{
    layout()->activate();
    const int needed = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width())
                                                     : sizeHint().height();
    if (needed > height())
        resize(width(), needed);
}

void CSendDlg::showProgress(int position, int total)
{
    m_progress->setRange(0, total);
    m_progress->setValue(position);
    if (position < 1)
        return;
    const qint64 left = m_estimate.blockStarted(position, total, m_clock.elapsed());
    // The block now going out is still under way: the ones before it are sent.
    m_blocks->setText(tr("Blocks sent: %1 / %2").arg(position - 1).arg(total));
    m_timeLeft->setText(tr("Time left: %1").arg(encode::minutesText(left)));
}

void CSendDlg::showWarning(const QString &text)
{
    m_warnings->setText(m_warnings->text().isEmpty() ? text : m_warnings->text() + QLatin1Char('\n') + text);
    m_warnings->show();
    growToFit();
}

void CSendDlg::ended(bool ok, const QString &status)
{
    m_done = true;
    showStatus(status);
    if (m_progress->maximum() == 0) // still the busy bar: no block went out
        m_progress->setRange(0, 1);
    if (ok) {
        m_blocks->setText(tr("Blocks sent: %1 / %1").arg(m_progress->maximum()));
        m_timeLeft->setText(tr("Time left: %1").arg(encode::minutesText(0)));
    }
    m_close->setEnabled(true);
    emit sendEnded(ok);
}

void CSendDlg::requestClose()
{
    if (!m_done || m_closing)
        return;
    m_closing = true;
    QTimer::singleShot(kClosePauseMs, this, [this] { done(QDialog::Accepted); });
}

} // namespace halvane::ui

#include "send_dlg.moc"
