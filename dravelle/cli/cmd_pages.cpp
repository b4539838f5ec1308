#include "dravelle/cli/commands.h"

#include "dravelle/document/animation_store.h"
#include "dravelle/document/dot_page.h"
#include "dravelle/editor/page_operations.h"

#include <limits>

namespace dravelle::cli {

using namespace dravelle::document;

// `delay MS IN -o OUT`: Change All Delay.
int runDelay(const Arguments &parsed)
{
    int resolution = 48;
    if (const int status = parseCommand(parsed, 2, true, resolution))
        return status;
    int ms = 0;
    if (const common::Status s = parseInt(parsed.positional.at(0), QStringLiteral("the delay in ms"), 0,
                                          std::numeric_limits<int>::max(), ms);
        !s)
        return fail(s.message, kExitUsage);
    AnimationStore store(resolution);
    if (const common::Status s = loadAnimation(store, parsed.positional.at(1)); !s)
        return fail(s.message, kExitFile);
    if (const common::Status s = editor::changeAllDelay(store, ms); !s)
        return fail(s.message, kExitFailed);
    return saveTo(store, parsed);
}

// `reverse IN -o OUT`: Reverse Color on one page (page 1 unless --page) or on
// all pages, for the channels given (all three when none is).
int runReverse(const Arguments &parsed)
{
    int resolution = 48;
    if (const int status = parseCommand(parsed, 1, true, resolution))
        return status;
    if (parsed.has(QStringLiteral("--page")) && parsed.has(QStringLiteral("--all")))
        return fail(QStringLiteral("give either --page N or --all"), kExitUsage);
    int channels = (parsed.has(QStringLiteral("--red")) ? kColourBitRed : 0)
                   | (parsed.has(QStringLiteral("--green")) ? kColourBitGreen : 0)
                   | (parsed.has(QStringLiteral("--blue")) ? kColourBitBlue : 0);
    if (channels == 0)
        channels = kColourWhite;
    int page = 1;
    if (parsed.has(QStringLiteral("--page"))) {
        const common::Status s = parseInt(parsed.value(QStringLiteral("--page")), QStringLiteral("--page"), 1,
                                          std::numeric_limits<int>::max(), page);
        if (!s)
            return fail(s.message, kExitUsage);
    }
    AnimationStore store(resolution);
    if (const common::Status s = loadAnimation(store, parsed.positional.at(0)); !s)
        return fail(s.message, kExitFile);
    if (!store.selectPage(page))
        return fail(QStringLiteral("--page %1: the animation has %2 page(s)").arg(page).arg(store.pageCount()),
                    kExitUsage);
    editor::reverseColour(store, channels,
                          parsed.has(QStringLiteral("--all")) ? editor::ReverseRange::AllPages
                                                              : editor::ReverseRange::CurrentPage);
    return saveTo(store, parsed);
}

// `info IN`: what the editor would open: pages, delays and lit dots per page.
int runInfo(const Arguments &parsed)
{
    int resolution = 48;
    if (const int status = parseCommand(parsed, 1, false, resolution))
        return status;
    AnimationStore store(resolution);
    if (const common::Status s = loadAnimation(store, parsed.positional.at(0)); !s)
        return fail(s.message, kExitFile);
    out() << "File:       " << parsed.positional.at(0) << "\n"
          << "Resolution: " << resolution << " x " << resolution << "\n"
          << "Pages:      " << store.pageCount() << "\n"
          << "Groups:     " << store.groupCount() << "\n"
          << "  page  delay ms  lit dots\n";
    for (int p = 1; p <= store.pageCount(); ++p)
        out() << QStringLiteral("%1 %2 %3\n")
                     .arg(p, 6)
                     .arg(store.delay(p), 9)
                     .arg(store.page(p).litDotCount(), 9);
    out().flush();
    return 0;
}

} // namespace dravelle::cli
