#include "dravelle/cli/commands.h"

#include "dravelle/document/animation_file.h"
#include "dravelle/document/animation_store.h"
#include "dravelle/editor/dravelle_config.h"

namespace dravelle::cli {

using common::Status;

int parseCommand(const Arguments &parsed, int positional, bool needsOutput, int &resolution)
{
    Status status = Status::success();
    if (parsed.positional.size() != positional)
        status = Status::failure(QStringLiteral("expected %1 argument(s) besides the options, got %2 (see dravelle-cli help)")
                                     .arg(positional)
                                     .arg(parsed.positional.size()));
    if (status && needsOutput && parsed.value(QStringLiteral("-o")).isEmpty())
        status = Status::failure(QStringLiteral("-o OUT.crs is missing"));
    if (status)
        status = resolutionOf(parsed, resolution);
    return status ? 0 : fail(status.message, kExitUsage);
}

common::Status parseInt(const QString &text, const QString &what, int min, int max, int &value)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v < min || v > max)
        return Status::failure(QStringLiteral("%1 must be a whole number from %2 to %3, not '%4'")
                                   .arg(what).arg(min).arg(max).arg(text));
    value = int(v);
    return Status::success();
}

common::Status resolutionOf(const Arguments &parsed, int &resolution)
{
    if (!parsed.values.contains(QStringLiteral("--res"))) {
        resolution = editor::readDravelleSettings(editor::dravelleIniPath()).resolution();
        return Status::success();
    }
    const QString text = parsed.value(QStringLiteral("--res"));
    if (text != QLatin1String("48") && text != QLatin1String("64"))
        return Status::failure(QStringLiteral("--res must be 48 or 64, not '%1'").arg(text));
    resolution = text.toInt();
    return Status::success();
}

common::Status loadAnimation(document::AnimationStore &store, const editor::ImportOptions &options)
{
    editor::ImportResult result = editor::importPictureFile(options);
    if (!result.loaded)
        return Status::failure(QStringLiteral("cannot read %1: %2").arg(options.path, result.error));
    if (!result.notice.isEmpty())
        err() << "dravelle-cli: " << result.notice << "\n";
    return editor::openAnimation(store, std::move(result));
}

common::Status loadAnimation(document::AnimationStore &store, const QString &path)
{
    editor::ImportOptions options;
    options.path = path;
    options.resolution = store.resolution();
    return loadAnimation(store, options);
}

int saveTo(document::AnimationStore &store, const Arguments &parsed)
{
    const QString path = parsed.value(QStringLiteral("-o"));
    const Status status = document::saveAnimation(store, path);
    if (!status)
        return fail(status.message, kExitFile);
    out() << "Wrote " << path << ": " << store.pageCount() << " pages at " << store.resolution() << " x "
          << store.resolution() << "\n";
    out().flush();
    return 0;
}

} // namespace dravelle::cli
