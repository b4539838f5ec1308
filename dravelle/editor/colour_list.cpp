#include "dravelle/editor/colour_list.h"

#include "dravelle/document/dot_page.h"

#include <QStringList>

namespace dravelle::editor {

using namespace dravelle::document;

const std::array<NamedColour, 8> &colourList()
{
    static const std::array<NamedColour, 8> list{{
        {QT_TRANSLATE_NOOP("Dravelle", "Black"), 0},
        {QT_TRANSLATE_NOOP("Dravelle", "Red"), kColourBitRed},
        {QT_TRANSLATE_NOOP("Dravelle", "Green"), kColourBitGreen},
        {QT_TRANSLATE_NOOP("Dravelle", "Blue"), kColourBitBlue},
        {QT_TRANSLATE_NOOP("Dravelle", "Yellow"), kColourBitRed | kColourBitGreen},
        {QT_TRANSLATE_NOOP("Dravelle", "Purple"), kColourBitRed | kColourBitBlue},
        {QT_TRANSLATE_NOOP("Dravelle", "Cyan"), kColourBitGreen | kColourBitBlue},
        {QT_TRANSLATE_NOOP("Dravelle", "White"), kColourWhite},
    }};
    return list;
}

int colourIndexByName(const QString &name)
{
    for (std::size_t i = 0; i < colourList().size(); ++i)
        if (name.compare(QLatin1String(colourList()[i].name), Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

int colourBitsOfIndex(int index)
{
    return colourList().at(std::size_t(index)).bits;
}

QString colourNames()
{
    QStringList names;
    for (const NamedColour &c : colourList())
        names << QLatin1String(c.name);
    return names.join(QStringLiteral(", "));
}

QRgb rgbOfBits(int bits)
{
    return qRgb((bits & kColourBitRed) ? 255 : 0, (bits & kColourBitGreen) ? 255 : 0,
                (bits & kColourBitBlue) ? 255 : 0);
}

} // namespace dravelle::editor
