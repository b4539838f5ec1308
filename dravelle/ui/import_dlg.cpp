#include "dravelle/ui/import_dlg.h"

#include "dravelle/ui/animated_picture.h"
#include "dravelle/ui/dialog_support.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace dravelle::ui {

using editor::ImportRegion;

ImportDlg::ImportDlg(document::AnimationStore &store, const QString &path, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
    , m_path(path)
{
    setWindowTitle(tr("Get Animation From Video File"));
    buildControls();

    const common::Status loaded = m_picture->load(path);
    m_frames->setText(QString::number(std::max(1, m_picture->picture().frameCount())));
    if (loaded) {
        m_picture->play();
    } else {
        m_error->setText(loaded.message);
        m_error->show();
    }

    connect(&m_worker, &editor::ImportWorker::progress, this, [this](int done, int total) {
        m_progress->setRange(0, total);
        m_progress->setValue(done);
    }, Qt::QueuedConnection);
    connect(&m_worker, &editor::ImportWorker::finished, this, &ImportDlg::conversionFinished,
            Qt::QueuedConnection);
}

ImportDlg::~ImportDlg()
{
    m_closing = true;
    m_worker.cancelAndWait();
}

void ImportDlg::buildControls()
{
    m_picture = new AnimatedPicture(m_store.resolution(), 4, this);
    m_picture->setAccessibleName(tr("Picture"));
    m_progress = new QProgressBar(this);
    m_progress->setAccessibleName(tr("Progress"));
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_frames = new QLineEdit(this);
    m_frames->setAccessibleName(tr("Frames"));
    m_frames->setEnabled(false);
    m_pathField = new QLineEdit(m_path, this);
    m_pathField->setAccessibleName(tr("File"));
    m_pathField->setReadOnly(true);
    m_pathField->setMinimumWidth(360);
    m_pathField->setCursorPosition(0);
    m_pathField->setToolTip(m_path);
    m_threshold = new QSpinBox(this);
    m_threshold->setAccessibleName(tr("Gray"));
    m_threshold->setRange(0, 255);
    m_threshold->setValue(editor::kDefaultThreshold);
    m_error = new QLabel(this);
    m_error->setAccessibleName(tr("Error"));
    m_error->setWordWrap(true);
    m_error->setStyleSheet(QStringLiteral("color: #b00000"));
    m_error->hide();

    auto *fields = new QFormLayout;
    fields->addRow(tr("Frames:"), m_frames);
    fields->addRow(tr("Gray:"), m_threshold);
    auto *settings = new QVBoxLayout;
    settings->addLayout(fields);
    settings->addWidget(buildRegionBox());
    settings->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(m_picture, 0, Qt::AlignTop);
    top->addLayout(settings, 1);

    m_getAnimations = new QPushButton(tr("GetAnimations"), this);
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setEnabled(false);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    m_getAnimations->setDefault(true);
    connect(m_getAnimations, &QPushButton::clicked, this, &ImportDlg::getAnimations);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {m_getAnimations, m_ok, cancel})
        buttons->addWidget(button);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_pathField);
    layout->addWidget(m_progress);
    layout->addWidget(m_error);
    layout->addLayout(buttons);
}

QWidget *ImportDlg::buildRegionBox()
{
    auto *box = new QGroupBox(tr("Region"), this);
    auto *layout = new QVBoxLayout(box);
    auto *group = new QButtonGroup(box);
    const QString names[3] = {tr("Full"), tr("Horizontal"), tr("Vertical")};
    for (int i = 0; i < 3; ++i) {
        m_regions[i] = new QRadioButton(names[i], box);
        group->addButton(m_regions[i], i);
        layout->addWidget(m_regions[i]);
    }
    m_regions[0]->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this,
            [this](int id) { m_picture->setRegion(ImportRegion(id)); });
    return box;
}

ImportRegion ImportDlg::chosenRegion() const
{
    for (int i = 0; i < 3; ++i)
        if (m_regions[i]->isChecked())
            return ImportRegion(i);
    return ImportRegion::Full;
}

void ImportDlg::getAnimations()
{
    editor::ImportOptions options;
    options.path = m_path;
    options.region = chosenRegion();
    options.threshold = m_threshold->value();
    options.resolution = m_store.resolution();
    if (!m_worker.start(options))
        return;
    m_getAnimations->setEnabled(false);
    m_ok->setEnabled(false);
    m_progress->setRange(0, m_frames->text().toInt());
    m_progress->setValue(0);
}

void ImportDlg::conversionFinished()
{
    if (m_closing || m_worker.isRunning())
        return;
    editor::ImportResult result = m_worker.takeResult();
    m_getAnimations->setEnabled(true);
    if (result.cancelled)
        return;
    if (!result.loaded) {
        showPrompt(this, tr("This file cannot be read: %1").arg(result.error));
        return;
    }
    const QString notice = result.notice;
    if (m_store.replacePages(std::move(result.pages), std::move(result.delays)))
        m_ok->setEnabled(true);
    if (!notice.isEmpty())
        showPrompt(this, notice);
}

void ImportDlg::done(int result)
{
    m_closing = true;
    m_picture->stop();
    m_worker.cancelAndWait();
    QDialog::done(result);
}

} // namespace dravelle::ui
