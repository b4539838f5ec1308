#include "halvane/cli/commands.h"

#include "common/atomic_save.h"
#include "halvane/encode/file_record_encoder.h"
#include "halvane/encode/image_builder.h"
#include "halvane/encode/installed_fonts.h"
#include "halvane/encode/send_estimate.h"
#include "halvane/encode/send_job.h"
#include "halvane/link/serial_port.h"
#include "halvane/settings/halvane_config.h"
#include "halvane/project/plst_file.h"

#include <QDir>
#include <QElapsedTimer>

// `build` and `send`: the memory images of a play project, written to files
// or sent to the cross. Warnings (missing animation files, entries sent with
// default settings) go to stderr; neither stops the command.

namespace halvane::cli {

const char kBuildUsage[] = "FILE.plst --out DIR: toc.bin, animations.bin, text.bin as a send makes them";
const char kSendUsage[] = "FILE.plst: send the play list to the cross on the configured port";

using namespace halvane::encode;

namespace {

constexpr int kUsage = 2;

int usage(const char *command, const char *text)
{
    return fail(QStringLiteral("usage: halvane-cli %1 %2").arg(QLatin1String(command), QLatin1String(text)), kUsage);
}

void warn(const QString &text)
{
    err() << "halvane-cli: warning: " << text << "\n";
    err().flush();
}

QString blocksText(int blocks)
{
    return blocks == 1 ? QStringLiteral("1 block") : QStringLiteral("%1 blocks").arg(blocks);
}

common::Status writeImage(const QString &path, const Image &image)
{
    const common::Status saved = common::saveAtomically(
        path, QByteArray(reinterpret_cast<const char *>(image.data()), qsizetype(image.size())));
    if (!saved)
        return common::Status::failure(QStringLiteral("cannot write %1: %2").arg(path, saved.message));
    return saved;
}

// "toc.bin", "animations.bin", "text.bin"
QString imageFileName(const MemoryRegion &region)
{
    return QString::fromLatin1(region.name).toLower() + QStringLiteral(".bin");
}

// Prints the status texts as they change, a progress line per block and the
// warnings.
class SendPrinter : public SendObserver {
public:
    explicit SendPrinter(int baudRate) : m_estimate(baudRate) { m_clock.start(); }

    void statusChanged(const QString &text) override
    {
        out() << text << "\n";
        out().flush();
    }

    void progressChanged(int position, int total) override
    {
        if (position < 1)
            return;
        const qint64 left = m_estimate.blockStarted(position, total, m_clock.elapsed());
        out() << "Block " << position << "/" << total << "  elapsed " << minutesText(m_clock.elapsed())
              << "  time left " << minutesText(left) << "\n";
        out().flush();
    }

    void warning(const QString &text) override { warn(text); }

private:
    SendTimeEstimate m_estimate;
    QElapsedTimer m_clock;
};

int exitCode(SendResult::Outcome outcome)
{
    switch (outcome) {
    case SendResult::Outcome::Complete:
        return 0;
    case SendResult::Outcome::PortNotOpened:
        return 3;
    default:
        return 1;
    }
}

} // namespace

void loadInstalledFonts()
{
    for (const QString &name : encode::loadInstalledFonts(settings::halvaneIniPath()))
        err() << "halvane-cli: the installed font " << name << " cannot be loaded\n";
}

int runBuild(const Arguments &parsed)
{
    loadInstalledFonts();
    const QStringList &args = parsed.positional;
    const QString outDir = parsed.value(QStringLiteral("--out"));
    if (outDir.isEmpty() || args.size() != 1)
        return usage("build", kBuildUsage);

    project::PlayProjectData data;
    if (const common::Status s = project::readPlstFile(args.first(), &data); !s)
        return fail(s.message, kFileError);
    FileRecordEncoder encoder = FileRecordEncoder::fromSettings(settings::halvaneIniPath());
    SendImages images;
    const common::Status built =
        buildImages(data, project::AnimationLibrary::inApplicationFolder(), encoder, &images);
    for (const QString &w : images.warnings)
        warn(w);
    if (!built)
        return fail(built.message, 1);

    if (!QDir().mkpath(outDir))
        return fail(QStringLiteral("cannot create the folder %1").arg(outDir), kFileError);
    int total = 0;
    for (const MemoryRegion &region : kRegions) {
        const Image &image = images.image(region.region);
        const QString name = imageFileName(region);
        if (const common::Status s = writeImage(QDir(outDir).filePath(name), image); !s)
            return fail(s.message, kFileError);
        total += blockCount(image.size());
        out() << name.leftJustified(16) << QString::number(image.size()).rightJustified(9) << " bytes  "
              << blocksText(blockCount(image.size())).leftJustified(12) << "from block "
              << region.firstBlock() << "\n";
    }
    out() << "total" << QString(29, QLatin1Char(' ')) << blocksText(total) << "\n";
    out().flush();
    return 0;
}

int runSend(const Arguments &parsed)
{
    loadInstalledFonts();
    const QStringList &args = parsed.positional;
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-')))
        return usage("send", kSendUsage);
    project::PlayProjectData data;
    if (const common::Status s = project::readPlstFile(args.first(), &data); !s)
        return fail(s.message, kFileError);
    if (const common::Status sendable = checkSendable(data); !sendable)
        return fail(sendable.message, kUsage);

    const QString ini = settings::halvaneIniPath();
    FileRecordEncoder encoder = FileRecordEncoder::fromSettings(ini);
    SendPrinter printer(settings::readBootInt(ini, settings::kKeyBaudRate, 0));
    link::SystemLink link;
    SendJob job(link.context(), encoder, printer);
    const SendResult result = job.run(data, project::AnimationLibrary::inApplicationFolder());
    if (!result.ok())
        fail(QStringLiteral("the send did not complete: ") + result.status);
    return exitCode(result.outcome);
}

} // namespace halvane::cli
