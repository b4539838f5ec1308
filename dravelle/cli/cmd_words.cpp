#include "dravelle/cli/commands.h"

#include "dravelle/document/animation_store.h"
#include "dravelle/editor/colour_list.h"
#include "dravelle/editor/words.h"

namespace dravelle::cli {

namespace {

// Fills the words settings from the options; false after printing why.
common::Status wordsSettingsOf(const Arguments &parsed, document::WordsSettings &s)
{
    using common::Status;
    s.text = parsed.positional.at(0);
    if (parsed.has(QStringLiteral("--font")))
        s.face = parsed.value(QStringLiteral("--font"));
    s.moveOut = parsed.has(QStringLiteral("--move-out"));
    const std::pair<const char *, int *> numbers[] = {
        {"--size", &s.size}, {"--start-x", &s.startX}, {"--start-y", &s.startY}};
    for (auto [option, target] : numbers) {
        const QString name = QLatin1String(option);
        if (!parsed.has(name))
            continue;
        const bool isSize = target == &s.size;
        const Status st = parseInt(parsed.value(name), name, isSize ? document::WordsSettings::kMinSize : -10000,
                                   isSize ? document::WordsSettings::kMaxSize : 10000, *target);
        if (!st)
            return st;
    }
    const std::pair<const char *, int *> colours[] = {{"--color", &s.textColour},
                                                      {"--background", &s.backgroundColour}};
    for (auto [option, target] : colours) {
        const QString name = QLatin1String(option);
        if (!parsed.has(name))
            continue;
        *target = editor::colourIndexByName(parsed.value(name));
        if (*target < 0)
            return Status::failure(
                QStringLiteral("%1 must be one of %2").arg(name, editor::colourNames()));
    }
    return s.validate();
}

} // namespace

// `words TEXT -o OUT`: Add Words over a new animation or over the pages of --in.
int runWords(const Arguments &parsed)
{
    int resolution = 48;
    if (const int status = parseCommand(parsed, 1, true, resolution))
        return status;
    document::WordsSettings settings;
    if (const common::Status s = wordsSettingsOf(parsed, settings); !s)
        return fail(s.message, kExitUsage);

    document::AnimationStore store(resolution);
    if (parsed.has(QStringLiteral("--in"))) {
        if (const common::Status s = loadAnimation(store, parsed.value(QStringLiteral("--in"))); !s)
            return fail(s.message, kExitFile);
    } else {
        store.newAnimation();
    }
    if (const common::Status s = editor::applyWords(store, settings); !s)
        return fail(s.message, kExitFailed);
    return saveTo(store, parsed);
}

} // namespace dravelle::cli
