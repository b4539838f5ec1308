#include "halvane/encode/text_font.h"

#include "halvane/encode/dot_image.h"

#include "common/font/cell_font.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace halvane::encode {

CellFont textFont(const project::TextSettings &message, const QStringList &fontNames,
                  const common::CrossGeometry &geometry)
{
    CellFont font;
    if (message.font >= 0 && message.font < fontNames.size())
        font.face = fontNames.at(message.font);
    const int size = std::clamp(message.size, 0, project::kTextSizeCount - 1);
    font.cellHeight = geometry.barHeight() + size;
    font.bold = message.bold != 0;
    font.italic = message.italic != 0;
    return font;
}

CellFont captionFont(const common::CrossGeometry &geometry)
{
    constexpr int kSmallCaption = 16;
    constexpr int kLargeCaption = 24;
    const bool smallBand = geometry.barHeight() == 16;
    return {QStringLiteral("Arial"), smallBand ? kSmallCaption : kLargeCaption, true, false};
}

QFont engineFont(const CellFont &font)
{
    QFont engine;
    if (!font.face.isEmpty())
        engine.setFamily(font.face);
    engine.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    engine.setItalic(font.italic);
    engine.setPixelSize(common::font::pixelSizeForCell(engine, font.cellHeight));
    return engine;
}

int measureText(const QFont &font, const QString &text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

int padToByte(int width)
{
    return width <= 0 ? 0 : (width + 7) / 8 * 8;
}

void drawTextLine(QImage &image, const QFont &font, const QString &text, int x, int top)
{
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(kDotGreen));
    // The painter places text by its baseline; the cell's top is an ascent above it.
    painter.drawText(QPoint(x, top + QFontMetrics(font).ascent()), text);
}

QString lineText(const project::TextSettings &message)
{
    return message.text.left(project::kMaxTextLength);
}

int textTop(const project::TextSettings &message)
{
    // No band is over 32 rows and no cell over 46: an offset of 1000 dots
    // either way already puts the whole cell outside any bitmap.
    constexpr int kFarOffset = 1000;
    return -std::clamp(message.offset, -kFarOffset, kFarOffset);
}

} // namespace halvane::encode
