#include "dravelle/editor/page_clipboard.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace dravelle::editor {

using namespace dravelle::document;

namespace {

constexpr char kMagic[] = "DRVP";
constexpr int kHeaderSize = 4 + 1 + 1 + 4;
constexpr char kVersion = 1;

// The context of this file's texts in the translations.
struct ClipboardText {
    Q_DECLARE_TR_FUNCTIONS(ClipboardText)
};

void putNumber(QByteArray &out, quint32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

quint32 takeNumber(const QByteArray &in, qsizetype at)
{
    quint32 value = 0;
    for (int k = 0; k < 4; ++k)
        value = (value << 8) | quint8(in[at + k]);
    return value;
}

} // namespace

QString pageClipMimeType()
{
    return QStringLiteral("application/x-dravelle-pages");
}

PageClip copyPages(const AnimationStore &store, int first, int last)
{
    PageClip clip;
    clip.resolution = store.resolution();
    if (!store.hasAnimation())
        return clip;
    first = std::max(first, 1);
    last = std::min(last, store.pageCount());
    for (int number = first; number <= last; ++number) {
        clip.pages.push_back(store.composedPage(number));
        clip.delays.push_back(store.delay(number));
    }
    return clip;
}

QByteArray encodePageClip(const PageClip &clip)
{
    QByteArray out(kMagic, 4);
    out.append(kVersion);
    out.append(char(clip.resolution));
    putNumber(out, quint32(clip.pages.size()));
    for (std::size_t k = 0; k < clip.pages.size(); ++k) {
        putNumber(out, quint32(clip.delays[k]));
        const DotPage &page = clip.pages[k];
        for (int i = 0; i < page.dotCount(); ++i)
            out.append(char(page.colourAt(i)));
    }
    return out;
}

common::Status decodePageClip(const QByteArray &bytes, PageClip *clip)
{
    const common::Status damaged = common::Status::failure(ClipboardText::tr("The clipboard does not hold pages Dravelle can read."));
    if (bytes.size() < kHeaderSize || !bytes.startsWith(kMagic) || bytes[4] != kVersion)
        return damaged;
    const int resolution = quint8(bytes[5]);
    if (resolution != 48 && resolution != 64)
        return damaged;
    const quint32 count = takeNumber(bytes, 6);
    const qsizetype pageBytes = 4 + qsizetype(resolution) * resolution;
    if (count == 0 || (bytes.size() - kHeaderSize) % pageBytes != 0
        || quint64(bytes.size() - kHeaderSize) / quint64(pageBytes) != count)
        return damaged;
    PageClip read;
    read.resolution = resolution;
    for (quint32 k = 0; k < count; ++k) {
        const qsizetype at = kHeaderSize + qsizetype(k) * pageBytes;
        const quint32 delay = takeNumber(bytes, at);
        if (delay > quint32(std::numeric_limits<int>::max()))
            return damaged;
        DotPage page = DotPage::crossMask(resolution);
        for (int i = 0; i < resolution * resolution; ++i) {
            const quint8 bits = quint8(bytes[at + 4 + i]);
            if (bits > kColourWhite)
                return damaged;
            page.setColourAt(i, bits);
        }
        read.pages.push_back(std::move(page));
        read.delays.push_back(int(delay));
    }
    *clip = std::move(read);
    return common::Status::success();
}

common::Status pastePages(AnimationStore &store, const PageClip &clip)
{
    if (!store.hasAnimation() || clip.pages.empty())
        return common::Status::failure(ClipboardText::tr("There are no pages to paste."));
    if (clip.resolution != store.resolution())
        return common::Status::failure(
            ClipboardText::tr("These pages are for a cross of %1 x %1 dots; this animation is %2 x %2 dots.")
                .arg(clip.resolution)
                .arg(store.resolution()));
    if (!store.insertPages(store.currentPage(), clip.pages, clip.delays))
        return common::Status::failure(ClipboardText::tr("The pages cannot be pasted."));
    return common::Status::success();
}

common::Status cutPages(AnimationStore &store, int first, int last, PageClip *clip)
{
    if (!store.hasAnimation())
        return common::Status::failure(ClipboardText::tr("There are no pages to cut."));
    if (first <= 1 && last >= store.pageCount())
        return common::Status::failure(ClipboardText::tr("An animation keeps at least one page: copy the pages instead."));
    PageClip cut = copyPages(store, first, last);
    if (!store.removePages(first, last))
        return common::Status::failure(ClipboardText::tr("The pages cannot be cut."));
    *clip = std::move(cut);
    return common::Status::success();
}

bool duplicatePages(AnimationStore &store, int first, int last)
{
    if (!store.hasAnimation() || first < 1 || last < first || last > store.pageCount())
        return false;
    PageClip copy = copyPages(store, first, last);
    return store.insertPages(last, std::move(copy.pages), std::move(copy.delays));
}

} // namespace dravelle::editor
