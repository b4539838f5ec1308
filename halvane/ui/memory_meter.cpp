#include "halvane/ui/memory_meter.h"

#include "halvane/encode/file_record_encoder.h"
#include "halvane/settings/halvane_config.h"

#include <QDateTime>
#include <QFileInfo>

Q_DECLARE_METATYPE(halvane::encode::MemoryUsage)

namespace halvane::ui {

namespace {
constexpr int kPollMs = 500;
} // namespace

MemoryMeter::MemoryMeter(const project::PlayProject &project, QString iniPath, QWidget *parent)
    : QLabel(parent), m_project(project), m_iniPath(std::move(iniPath))
{
    setAccessibleName(tr("Cross memory"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setText(tr("Memory: measuring..."));
    connect(&m_worker, &common::Worker::finished, this, [this](const QVariant &result, bool cancelled) {
        if (!cancelled && result.canConvert<encode::MemoryUsage>())
            show(result.value<encode::MemoryUsage>());
        check(); // something may have changed while it measured
    });
    // A change of the project is measured at once, once the event loop runs.
    m_listener = m_project.addChangeListener([this](const project::ProjectChange &) {
        QMetaObject::invokeMethod(this, &MemoryMeter::check, Qt::QueuedConnection);
    });
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &MemoryMeter::check);
    m_poll.start();
    QTimer::singleShot(0, this, &MemoryMeter::check);
}

MemoryMeter::~MemoryMeter()
{
    m_project.removeChangeListener(m_listener);
}

MemoryMeter::Inputs MemoryMeter::currentInputs() const
{
    Inputs inputs{m_project.data(), {}, {}};
    const settings::StartupSettings settings = settings::readStartupSettings(m_iniPath);
    inputs.settings = QStringLiteral("%1 %2 %3 ")
                          .arg(settings.crossStyle)
                          .arg(settings.harnessFrameDots)
                          .arg(settings::readBootInt(m_iniPath, settings::kKeyBaudRate, 0))
                      + settings::readFontNames(m_iniPath).join(QLatin1Char('|'));
    for (const project::PlayListEntry &entry : inputs.data.playList) {
        const QFileInfo file(m_project.library().folder() + entry.name);
        if (file.exists())
            inputs.files << QStringLiteral("%1 %2 %3")
                                .arg(entry.name)
                                .arg(file.size())
                                .arg(file.lastModified().toMSecsSinceEpoch());
    }
    return inputs;
}

void MemoryMeter::check()
{
    if (m_worker.running())
        return;
    Inputs inputs = currentInputs();
    if (m_measured && *m_measured == inputs)
        return;
    m_measured = inputs;
    m_worker.start([inputs, library = m_project.library(), ini = m_iniPath](const std::atomic<bool> &) {
        encode::FileRecordEncoder encoder = encode::FileRecordEncoder::fromSettings(ini);
        const int rate = settings::readBootInt(ini, settings::kKeyBaudRate, 0);
        return QVariant::fromValue(encode::measureMemory(inputs.data, library, encoder, rate));
    });
}

void MemoryMeter::show(const encode::MemoryUsage &usage)
{
    m_usage = usage;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, usage.fits() ? palette().color(QPalette::Text) : QColor(Qt::red));
    setPalette(colours);
    setText(usage.fits() ? QStringLiteral("  %1  ").arg(usage.summary())
                         : QStringLiteral("  %1  ").arg(tr("Too large for the cross: %1").arg(usage.refusal)));
    setToolTip(usage.details().join(QLatin1Char('\n')));
    emit measured();
}

} // namespace halvane::ui
