// libFuzzer target for the .crs reader through Dravelle's Open Animation: any
// bytes that begin like a GIF, imported at either resolution into any region.
// The animation the import makes is whole (a delay for each page, every page
// of R x R dots), and saved as a .crs and opened again it gives the same
// pages and delays.

#include "dravelle/document/animation_file.h"
#include "dravelle/editor/picture_import.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstdint>

using namespace dravelle;

namespace {

bool samePages(const std::vector<document::CrsPage> &a, const std::vector<document::CrsPage> &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].colours != b[i].colours || a[i].delayMs != b[i].delayMs)
            return false;
    return true;
}

// Open Animation of the file at `path` into a fresh store.
document::AnimationStore opened(const editor::ImportOptions &options)
{
    editor::ImportResult result = editor::importPictureFile(options);
    FUZZ_CHECK(!result.cancelled, "an import without a cancel runs to the end");
    FUZZ_CHECK(!result.pages.empty() && result.pages.size() == result.delays.size(), "a delay for each page");
    for (const document::DotPage &page : result.pages)
        FUZZ_CHECK(page.dotCount() == options.resolution * options.resolution, "R x R dots a page");
    document::AnimationStore store(options.resolution);
    editor::openAnimation(store, std::move(result));
    return store;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 6)
        return 0;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    if (!bytes.startsWith("GIF8"))
        return 0;
    editor::ImportOptions options;
    options.path = fuzz::scratchFile(QStringLiteral("input.crs"));
    options.resolution = data[0] & 1 ? 64 : 48;
    options.region = editor::ImportRegion((data[0] >> 1) % 3);
    options.threshold = data[0] & 0x08 ? editor::kDefaultThreshold : (data[0] >> 4) * 16;
    fuzz::writeScratch(options.path, bytes);
    const std::vector<document::CrsPage> first = document::crsPages(opened(options));

    editor::ImportOptions again = options;
    again.path = fuzz::scratchFile(QStringLiteral("saved.crs"));
    again.region = editor::ImportRegion::Full;
    again.threshold = editor::kDefaultThreshold;
    FUZZ_CHECK(document::writeCrsFile(again.path, options.resolution, first), "the pages save as a .crs");
    FUZZ_CHECK(samePages(document::crsPages(opened(again)), first), "saved and opened again: the same pages");
    return 0;
}
