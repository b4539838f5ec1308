#pragma once

// Builds small GIF files for the tests with giflib's encoder, so that the
// decoder is checked against files it did not write itself.

#include <QByteArray>
#include <QRect>
#include <QRgb>

#include <gif_lib.h>

#include <cstdint>
#include <vector>

namespace gif_test {

struct Frame {
    QRect rect;
    std::vector<std::uint8_t> pixels;   // rect.width() * rect.height() indices, row by row
    bool graphicControl = true;
    int delay = 10;
    int disposal = 0;
    int transparent = -1;
    bool interlaced = false;
    std::vector<QRgb> localColours;     // empty: use the global table
};

// A frame of one colour index.
inline Frame solid(QRect rect, std::uint8_t index, int disposal = 0)
{
    Frame f;
    f.rect = rect;
    f.pixels.assign(size_t(rect.width() * rect.height()), index);
    f.disposal = disposal;
    return f;
}

inline int appendBytes(GifFileType *gif, const GifByteType *bytes, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(bytes), length);
    return length;
}

inline ColorMapObject *makeMap(const std::vector<QRgb> &colours)
{
    std::vector<GifColorType> c;
    for (QRgb rgb : colours)
        c.push_back({GifByteType(qRed(rgb)), GifByteType(qGreen(rgb)), GifByteType(qBlue(rgb))});
    return GifMakeMapObject(int(c.size()), c.data());   // the size must be a power of two
}

// Rows in the order an interlaced image stores them.
inline std::vector<int> storedRows(int height, bool interlaced)
{
    std::vector<int> rows;
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = start[pass]; y < height; y += step[pass])
            rows.push_back(y);
    return rows;
}

// An empty global table gives a file without one.
inline QByteArray build(int width, int height, const std::vector<QRgb> &global, const std::vector<Frame> &frames)
{
    QByteArray out;
    GifFileType *gif = EGifOpen(&out, appendBytes, nullptr);
    EGifSetGifVersion(gif, true);
    ColorMapObject *map = global.empty() ? nullptr : makeMap(global);
    EGifPutScreenDesc(gif, width, height, 8, 0, map);
    GifFreeMapObject(map);
    for (const Frame &f : frames) {
        if (f.graphicControl) {
            const GifByteType gce[] = {GifByteType((f.disposal << 2) | (f.transparent >= 0 ? 1 : 0)),
                                       GifByteType(f.delay & 0xFF), GifByteType(f.delay >> 8),
                                       GifByteType(f.transparent >= 0 ? f.transparent : 0)};
            EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, gce);
        }
        ColorMapObject *local = f.localColours.empty() ? nullptr : makeMap(f.localColours);
        EGifPutImageDesc(gif, f.rect.x(), f.rect.y(), f.rect.width(), f.rect.height(), f.interlaced, local);
        GifFreeMapObject(local);
        std::vector<GifPixelType> line(size_t(f.rect.width()));
        for (int y : storedRows(f.rect.height(), f.interlaced)) {
            for (int x = 0; x < f.rect.width(); ++x)
                line[size_t(x)] = f.pixels[size_t(y * f.rect.width() + x)];
            EGifPutLine(gif, line.data(), f.rect.width());
        }
        // giflib 5.2 drops (and leaks) a frame's local table when the next
        // frame has none; the table is no longer needed once the rows are out.
        GifFreeMapObject(gif->Image.ColorMap);
        gif->Image.ColorMap = nullptr;
    }
    EGifCloseFile(gif, nullptr);
    return out;
}

// The eight pure colours, index = bit 0 red, bit 1 green, bit 2 blue.
inline std::vector<QRgb> pureColours()
{
    std::vector<QRgb> c;
    for (int i = 0; i < 8; ++i)
        c.push_back(qRgb(i & 1 ? 255 : 0, i & 2 ? 255 : 0, i & 4 ? 255 : 0));
    return c;
}

constexpr QRgb kBlack = 0xFF000000, kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;
constexpr QRgb kWhite = 0xFFFFFFFF;

} // namespace gif_test
