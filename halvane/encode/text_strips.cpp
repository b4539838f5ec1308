#include "halvane/encode/text_strips.h"

#include "halvane/encode/dot_image.h"

namespace halvane::encode {

QImage renderScrollingStrip(const project::TextSettings &message, const QStringList &fontNames,
                            const common::CrossGeometry &geometry)
{
    const QFont font = engineFont(textFont(message, fontNames, geometry));
    const QString text = lineText(message);
    const int side = geometry.side;
    const int frameDots = common::CrossGeometry::clampFrameDots(geometry.harnessFrameDots);
    QImage strip = blackImage(measureText(font, text) + 2 * side + 3, geometry.barHeight());
    drawTextLine(strip, font, text, side - 2 * frameDots, textTop(message));
    return strip;
}

QImage renderThumbnailStrip(const project::TextSettings &message, const QStringList &fontNames,
                            const common::CrossGeometry &geometry)
{
    const QFont font = engineFont(textFont(message, fontNames, geometry));
    QImage strip = blackImage(geometry.side, geometry.barHeight());
    drawTextLine(strip, font, lineText(message), 0, textTop(message));
    return strip;
}

QString captionText(project::EntryKind message, const QDateTime &now)
{
    switch (message) {
    case project::EntryKind::Hour:
        return now.toString(QStringLiteral("HH:mm"));
    case project::EntryKind::Date:
        return now.toString(QStringLiteral("dd/MM"));
    case project::EntryKind::Temperature:
        return QStringLiteral("+12\u00B0C");
    case project::EntryKind::Humidity:
        return QStringLiteral("88%");
    case project::EntryKind::Animation:
    case project::EntryKind::Text:
        break;
    }
    return {};
}

int captionTop(const common::CrossGeometry &geometry)
{
    return geometry.barHeight() == 32 ? 4 : 0;
}

QImage renderCaption(project::EntryKind message, const common::CrossGeometry &geometry,
                     const QDateTime &now)
{
    const QFont font = engineFont(captionFont(geometry));
    const QString text = captionText(message, now);
    QImage caption = blackImage(geometry.side, geometry.barHeight());
    drawTextLine(caption, font, text, (geometry.side - measureText(font, text)) / 2,
                 captionTop(geometry));
    return caption;
}

} // namespace halvane::encode
