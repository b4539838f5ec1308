// libFuzzer target for the .plst loader: any bytes as a project file, opened
// into a project that already holds another one. A file that loads saves
// again to the same bytes (text fields zero after their NUL, as the writer
// makes them); a file that is refused leaves the project exactly as it was.

#include "halvane/project/plst_file.h"
#include "halvane/project/play_project.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstdint>

using namespace halvane::project;

namespace {

// The input with every text field cleared after its first NUL: what a save
// of the loaded project writes. Offsets as the file layout gives them.
QByteArray canonical(QByteArray bytes, qint64 n, qint64 m)
{
    auto clearAfterNul = [&](qint64 at, int size) {
        const qsizetype nul = bytes.indexOf('\0', at);
        for (qint64 i = nul + 1; i < at + size; ++i)
            bytes[i] = '\0';
    };
    for (qint64 i = 0; i < n; ++i)
        clearAfterNul(4 + kPlayListEntrySize * i, kNameFieldSize);
    const qint64 animations = 8 + kPlayListEntrySize * n;
    for (qint64 j = 0; j < m; ++j)
        clearAfterNul(animations + kAnimationEntrySize * j + 4, kNameFieldSize);
    const qint64 items = animations + kAnimationEntrySize * m;
    for (int i = 0; i < kItemCount; ++i)
        clearAfterNul(items + kItemSettingsSize * i + 20, kNameFieldSize);
    const qint64 texts = items + kItemSettingsSize * kItemCount;
    for (int t = 0; t < kTextCount; ++t) {
        clearAfterNul(texts + kTextSettingsSize * t, kTextFieldSize);
        clearAfterNul(texts + kTextSettingsSize * t + kTextFieldSize + 32, kNameFieldSize);
    }
    return bytes;
}

// A project that is not the default one, to tell "unchanged" from "reset".
PlayProjectData earlierProject()
{
    PlayProjectData data = defaultProjectData(0);
    data.playList = {{QStringLiteral("a.crs")}, {QStringLiteral("Hour")}, {QStringLiteral("Text2")}};
    data.animations = {defaultAnimationEntry(QStringLiteral("a.crs"))};
    data.animations[0].loop = 7;
    data.texts[1].text = QStringLiteral("earlier");
    data.items[0].time = 42;
    return data;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    static const QString earlierPath = [] {
        const QString path = fuzz::scratchFile(QStringLiteral("earlier.plst"));
        FUZZ_CHECK(writePlstFile(path, earlierProject()), "the earlier project is written");
        return path;
    }();
    const QString input = fuzz::scratchFile(QStringLiteral("input.plst"));
    const QString saved = fuzz::scratchFile(QStringLiteral("saved.plst"));
    fuzz::writeScratch(input, bytes);

    PlayProject project{AnimationLibrary(fuzz::scratchFolder())};
    FUZZ_CHECK(project.load(earlierPath), "the earlier project loads");
    project.appendToPlayList(QStringLiteral("Date")); // dirty, as an edited project is
    const PlayProjectData before = project.data();
    const bool dirtyBefore = project.isDirty();

    if (!project.load(input)) {
        FUZZ_CHECK(project.data() == before, "a refused file leaves the records as they were");
        FUZZ_CHECK(project.path() == QFileInfo(earlierPath).absoluteFilePath(), "and the path");
        FUZZ_CHECK(project.isDirty() == dirtyBefore, "and the dirty flag");
        return 0;
    }
    FUZZ_CHECK(project.playList().size() <= kMaxPlayListEntries, "at most 30 play list entries");
    FUZZ_CHECK(project.saveAs(saved), "a loaded project saves again");
    const qint64 n = project.playList().size();
    const qint64 m = project.animations().size();
    FUZZ_CHECK(fuzz::readScratch(saved) == canonical(bytes.toByteArray(), n, m),
               "saved again, a loaded file gives the same bytes");
    PlayProject again{AnimationLibrary(fuzz::scratchFolder())};
    FUZZ_CHECK(again.load(saved) && again.data() == project.data(), "and they load as the same project");
    return 0;
}
