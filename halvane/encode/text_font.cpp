#include "halvane/encode/text_font.h"

#include "halvane/encode/dot_image.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QRawFont>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace halvane::encode {

namespace {

constexpr int kMaxCellHeight = 1000;
constexpr int kProbePixelSize = 100;

// Offsets of the fields read from the sfnt tables (big-endian).
constexpr int kOs2WinAscent = 74;
constexpr int kOs2WinDescent = 76;
constexpr int kHheaAscender = 4;
constexpr int kHheaDescender = 6;

// (ascent + descent) / unitsPerEm of the face the engine picked for `face`,
// from the face's own tables; 0 when they cannot be read.
double cellPerEm(const QFont &face)
{
    const QRawFont raw = QRawFont::fromFont(face);
    const double unitsPerEm = raw.isValid() ? raw.unitsPerEm() : 0.0;
    if (unitsPerEm <= 0)
        return 0.0;
    const QByteArray os2 = raw.fontTable("OS/2");
    if (os2.size() >= kOs2WinDescent + 2) {
        const int cell = qFromBigEndian<quint16>(os2.constData() + kOs2WinAscent)
                         + qFromBigEndian<quint16>(os2.constData() + kOs2WinDescent);
        if (cell > 0)
            return cell / unitsPerEm;
    }
    const QByteArray hhea = raw.fontTable("hhea");
    if (hhea.size() >= kHheaDescender + 2) {
        const int cell = qFromBigEndian<qint16>(hhea.constData() + kHheaAscender)
                         - qFromBigEndian<qint16>(hhea.constData() + kHheaDescender);
        if (cell > 0)
            return cell / unitsPerEm;
    }
    return 0.0;
}

} // namespace

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

int pixelSizeForCell(const QFont &face, int cellHeight)
{
    QFont probe = face;
    probe.setPixelSize(kProbePixelSize);
    double ratio = cellPerEm(probe);
    if (!(ratio > 0)) {
        const QFontMetricsF metrics(probe);
        ratio = (metrics.ascent() + metrics.descent()) / kProbePixelSize;
    }
    if (!(ratio > 0))
        ratio = 1.0;
    const int cell = std::clamp(cellHeight, 1, kMaxCellHeight);
    return std::max(1, int(std::lround(cell / ratio)));
}

QFont engineFont(const CellFont &font)
{
    QFont engine;
    if (!font.face.isEmpty())
        engine.setFamily(font.face);
    engine.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    engine.setItalic(font.italic);
    engine.setPixelSize(pixelSizeForCell(engine, font.cellHeight));
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
