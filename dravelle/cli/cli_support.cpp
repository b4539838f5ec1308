#include "dravelle/cli/commands.h"

#include "dravelle/document/animation_file.h"
#include "dravelle/document/animation_store.h"
#include "dravelle/editor/dravelle_config.h"

namespace dravelle::cli {

using common::Status;

common::Status parseArguments(const QStringList &args, const QStringList &valued, const QStringList &switches,
                              Arguments &parsed)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString arg = args.at(i);
        bool isNumber = false;
        arg.toLongLong(&isNumber);
        if (!arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-") || isNumber) {
            parsed.positional << arg;
            continue;
        }
        QString value;
        bool hasInlineValue = false;
        if (const qsizetype eq = arg.indexOf(QLatin1Char('=')); eq > 0 && arg.startsWith(QLatin1String("--"))) {
            value = arg.mid(eq + 1);
            arg = arg.left(eq);
            hasInlineValue = true;
        }
        if (switches.contains(arg) && !hasInlineValue) {
            parsed.switches.insert(arg);
        } else if (valued.contains(arg)) {
            if (!hasInlineValue) {
                if (i + 1 >= args.size())
                    return Status::failure(QStringLiteral("%1 needs a value").arg(arg));
                value = args.at(++i);
            }
            if (parsed.values.contains(arg))
                return Status::failure(QStringLiteral("%1 is given twice").arg(arg));
            parsed.values.insert(arg, value);
        } else {
            return Status::failure(QStringLiteral("unknown option '%1'").arg(arg));
        }
    }
    return Status::success();
}

int parseCommand(const QStringList &args, QStringList valued, const QStringList &switches, int positional,
                 bool needsOutput, Arguments &parsed, int &resolution)
{
    valued << QStringLiteral("--res");
    if (needsOutput)
        valued << QStringLiteral("-o");
    Status status = parseArguments(args, valued, switches, parsed);
    if (status && parsed.positional.size() != positional)
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
