#include "halvane/cli/commands.h"

#include "common/atomic_save.h"
#include "halvane/preview/preview_recorder.h"
#include "halvane/settings/halvane_config.h"
#include "halvane/project/play_project.h"

#include <optional>

// `preview`: renders what the Preview dialog would show, the whole play list
// or one entry, as an animated GIF of the dot grid with the steps' delays,
// played once. Messages the dialog would show in a box (a missing animation
// file) go to stderr and the preview goes on, as in the dialog.

namespace halvane::cli {

const char kPreviewUsage[] =
    "FILE.plst [--entry NAME] --out FILE.gif [--dot D]: the Preview dialog\n"
    "              as an animated GIF (the whole play list, or the entry NAME:\n"
    "              Hour, Text2, rain.crs ...); D dots of 2..20 pixels, default 5";

namespace {

constexpr int kRefused = 2;
constexpr int kDefaultDotSize = 5;
constexpr int kMinDotSize = 2;
constexpr int kMaxDotSize = 20;

struct PreviewArgs {
    QString project;
    QString entry;
    QString out;
    int dotSize = kDefaultDotSize;
};

// Takes the arguments apart; on bad usage returns nothing and fills `why`.
std::optional<PreviewArgs> previewArgs(const Arguments &args, QString *why)
{
    PreviewArgs parsed;
    parsed.entry = args.value(QStringLiteral("--entry"));
    parsed.out = args.value(QStringLiteral("--out"));
    if (args.has(QStringLiteral("--dot"))) {
        bool ok = false;
        parsed.dotSize = args.value(QStringLiteral("--dot")).toInt(&ok);
        if (!ok || parsed.dotSize < kMinDotSize || parsed.dotSize > kMaxDotSize) {
            *why = QStringLiteral("--dot takes a whole number of pixels from %1 to %2")
                       .arg(kMinDotSize)
                       .arg(kMaxDotSize);
            return std::nullopt;
        }
    }
    if (args.positional.size() > 1) {
        *why = QStringLiteral("unexpected argument '%1'").arg(args.positional.at(1));
        return std::nullopt;
    }
    parsed.project = args.positional.value(0);
    if (parsed.project.isEmpty() || parsed.out.isEmpty()) {
        *why = QStringLiteral("usage: preview %1").arg(QString::fromLatin1(kPreviewUsage));
        return std::nullopt;
    }
    return parsed;
}

} // namespace

int runPreview(const Arguments &args)
{
    loadInstalledFonts();
    QString why;
    const auto parsed = previewArgs(args, &why);
    if (!parsed)
        return fail(why, kRefused);
    std::optional<preview::PreviewKind> kind = preview::PreviewKind::PlayList;
    if (!parsed->entry.isEmpty() && !(kind = preview::previewKindForName(parsed->entry)))
        return fail(QStringLiteral("'%1' is neither a message (Hour, Date, Temperature, Humidity, "
                                   "Text1..Text3) nor a .crs, .bmp or .jpg file")
                        .arg(parsed->entry),
                    kRefused);
    project::PlayProject project;
    if (const common::Status loaded = project.load(parsed->project); !loaded)
        return fail(loaded.message, kFileError);

    const preview::PreviewContext context =
        preview::previewContextFor(settings::halvaneIniPath(), project.data(), project.library());
    const preview::PreviewRecording recording =
        preview::recordPreview(context, *kind, parsed->entry, parsed->dotSize);
    for (const QString &message : recording.messages)
        err() << message << "\n";
    if (recording.cut)
        err() << "halvane-cli: the preview was cut after " << recording.frames << " frames\n";
    err().flush();
    const QByteArray &gif = recording.gif;
    if (gif.isEmpty())
        return fail(QStringLiteral("nothing to show for %1")
                        .arg(parsed->entry.isEmpty() ? QStringLiteral("the play list") : parsed->entry));
    if (const common::Status saved = common::saveAtomically(parsed->out, gif); !saved)
        return fail(QStringLiteral("cannot write %1: %2").arg(parsed->out, saved.message), kFileError);
    out() << "wrote " << parsed->out << ": " << recording.frames << " frames, " << recording.steps
          << " steps, " << recording.durationMs << " ms\n";
    out().flush();
    return 0;
}

} // namespace halvane::cli
