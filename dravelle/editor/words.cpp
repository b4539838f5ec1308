#include "dravelle/editor/words.h"

#include "dravelle/editor/colour_list.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

namespace dravelle::editor {

using namespace dravelle::document;

namespace {

constexpr int kCornerSize = 16;

QFont fontWithPixelSize(const QString &face, int pixelSize)
{
    QFont font(face);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

int bandHeight(int resolution)
{
    return resolution - 2 * kCornerSize;
}

} // namespace

// Dravelle's words size their font differently from the shared cell rule
// (common::font::pixelSizeForCell, which Halvane's texts use and which may give
// a cell one dot taller than asked): the words are laid at a start position
// the user picks inside the cross, so the cell must never be taller than the
// size asked for, or the lowest row of dots would fall below where the user
// expects it; animations made with words keep the dots they had.
QFont wordsFont(const QString &face, int cellHeight)
{
    // A font's cell grows with its pixel size but not in proportion, so walk
    // down from the cell height to the first size whose cell fits.
    for (int pixelSize = std::max(cellHeight, 1); pixelSize > 1; --pixelSize) {
        const QFont font = fontWithPixelSize(face, pixelSize);
        const QFontMetrics metrics(font);
        if (metrics.ascent() + metrics.descent() <= cellHeight)
            return font;
    }
    return fontWithPixelSize(face, 1);
}

int wordsTextWidth(const WordsSettings &settings)
{
    return QFontMetrics(wordsFont(settings.face, settings.size)).horizontalAdvance(settings.text);
}

QImage renderWordsStrip(const WordsSettings &settings, int resolution)
{
    const QFont font = wordsFont(settings.face, settings.size);
    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(settings.text);
    const int width = textWidth + (settings.moveOut ? 2 : 1) * resolution;
    QImage strip(width, bandHeight(resolution), QImage::Format_RGB32);
    strip.fill(QColor(rgbOfBits(colourBitsOfIndex(settings.backgroundColour))));
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(QColor(rgbOfBits(colourBitsOfIndex(settings.textColour))));
    painter.drawText(QPoint(settings.startX + resolution, settings.startY + metrics.ascent()), settings.text);
    return strip;
}

std::vector<DotPage> wordsLayerFromStrip(const QImage &strip, int resolution)
{
    std::vector<DotPage> layer;
    const int pageCount = strip.width() - resolution;
    const int rows = std::min(strip.height(), bandHeight(resolution));
    for (int i = 0; i < pageCount; ++i) {
        DotPage page = DotPage::blank(resolution);
        for (int y = 0; y < rows; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(strip.constScanLine(y));
            for (int x = 0; x < resolution; ++x) {
                const QRgb pixel = line[i + x];
                const std::size_t index = std::size_t(x + (y + kCornerSize) * resolution);
                const int values[kChannelCount] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
                for (int c = 0; c < kChannelCount; ++c)
                    if (values[c] != 0)
                        page.planes[c][index] = onCode(c);
            }
        }
        layer.push_back(std::move(page));
    }
    return layer;
}

int wordsPageCount(const WordsSettings &settings, int resolution)
{
    if (settings.text.isEmpty())
        return 0;
    return wordsTextWidth(settings) + (settings.moveOut ? resolution : 0);
}

common::Status checkWordsPageCount(const WordsSettings &settings, int resolution)
{
    const int pages = wordsPageCount(settings, resolution);
    if (pages <= maxPageCount(resolution))
        return common::Status::success();
    return common::Status::failure(
        QCoreApplication::translate("dravelle::editor",
                                    "These words would make %1 pages: an animation of %2 x %2 dots may have at "
                                    "most %3. Please use a shorter text or a smaller size.")
            .arg(pages)
            .arg(resolution)
            .arg(maxPageCount(resolution)));
}

std::vector<DotPage> buildWordsLayer(const WordsSettings &settings, int resolution)
{
    if (settings.text.isEmpty())
        return {};
    return wordsLayerFromStrip(renderWordsStrip(settings, resolution), resolution);
}

common::Status applyWords(AnimationStore &store, const WordsSettings &settings)
{
    if (!store.hasAnimation())
        return common::Status::failure(QCoreApplication::translate("Dravelle", "There is no animation to add words to."));
    if (common::Status fits = checkWordsPageCount(settings, store.resolution()); !fits)
        return fits;
    common::Status status = store.setWordsSettings(settings);
    if (!status)
        return status;
    store.setWordsLayer(buildWordsLayer(settings, store.resolution()));
    return status;
}

QStringList wordsFontFaces()
{
    QStringList faces = QFontDatabase::families();
    faces.sort(Qt::CaseInsensitive);
    faces.removeDuplicates();
    return faces;
}

} // namespace dravelle::editor
