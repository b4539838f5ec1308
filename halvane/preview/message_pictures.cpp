#include "halvane/preview/message_pictures.h"

#include "halvane/encode/dot_image.h"
#include "halvane/encode/text_font.h"
#include "halvane/encode/text_strips.h"

#include <algorithm>

namespace halvane::preview {

project::EntryKind dataMessageKind(int item)
{
    return project::entryKind(QString::fromLatin1(
        project::kItemKeywords[size_t(std::clamp(item, 0, project::kItemCount - 1))]));
}

CaptionStrip renderCaptionStrip(project::EntryKind message, const common::CrossGeometry &geometry,
                                const QDateTime &now)
{
    const QFont font = encode::engineFont(encode::captionFont(geometry));
    const QString caption = encode::captionText(message, now);
    const int s = geometry.side;
    const int cw = encode::measureText(font, caption);
    CaptionStrip strip;
    strip.image = encode::blackImage(cw + 2 * s, geometry.barHeight());
    encode::drawTextLine(strip.image, font, caption, s - 2 * geometry.harnessFrameDots,
                         encode::captionTop(geometry));
    strip.windowStart = (cw + s) / 2;
    return strip;
}

} // namespace halvane::preview
