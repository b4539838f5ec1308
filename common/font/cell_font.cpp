#include "common/font/cell_font.h"

#include <QFontMetricsF>
#include <QRawFont>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace common::font {

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

} // namespace common::font
