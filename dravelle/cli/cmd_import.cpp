#include "dravelle/cli/commands.h"

#include "dravelle/document/animation_store.h"

namespace dravelle::cli {

// `import IN -o OUT`: Open Animation with the import dialog's region and
// threshold ("Gray:").
int runImport(const Arguments &parsed)
{
    int resolution = 48;
    if (const int status = parseCommand(parsed, 1, true, resolution))
        return status;
    editor::ImportOptions options;
    options.path = parsed.positional.at(0);
    options.resolution = resolution;
    if (parsed.has(QStringLiteral("--region"))) {
        const auto region = editor::importRegionByName(parsed.value(QStringLiteral("--region")));
        if (!region)
            return fail(QStringLiteral("--region must be full, horizontal or vertical"), kExitUsage);
        options.region = *region;
    }
    if (parsed.has(QStringLiteral("--gray"))) {
        const common::Status s =
            parseInt(parsed.value(QStringLiteral("--gray")), QStringLiteral("--gray"), 0, 255, options.threshold);
        if (!s)
            return fail(s.message, kExitUsage);
    }
    document::AnimationStore store(resolution);
    if (const common::Status s = loadAnimation(store, options); !s)
        return fail(s.message, kExitFile);
    return saveTo(store, parsed);
}

} // namespace dravelle::cli
