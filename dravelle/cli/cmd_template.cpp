#include "dravelle/cli/commands.h"

#include "dravelle/document/animation_store.h"
#include "dravelle/editor/templates.h"

namespace dravelle::cli {

// `template NAME -o OUT`: one of the five ready-made animations.
int runTemplate(const Arguments &parsed)
{
    int resolution = 48;
    if (const int status = parseCommand(parsed, 1, true, resolution))
        return status;
    const auto kind = editor::templateByName(parsed.positional.at(0));
    if (!kind)
        return fail(QStringLiteral("unknown template '%1' (diamond, cross, circumgyrate, circle, rectangle)")
                        .arg(parsed.positional.at(0)),
                    kExitUsage);
    document::AnimationStore store(resolution);
    editor::applyTemplate(store, *kind);
    return saveTo(store, parsed);
}

} // namespace dravelle::cli
