#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

class QPainter;

namespace common::gif {

// What the file says about one GIF frame. The rectangle is the image
// descriptor's as written (it may reach outside the logical screen; drawing
// clips it).
struct FrameInfo {
    QRect rect;                     // left, top, width, height within the logical screen
    int delayField = -1;            // hundredths of a second; -1 without a graphic control extension
    int disposal = 0;               // disposal method 0..7 (0 without a graphic control extension)
    bool hasGraphicControl = false;
    int transparentIndex = -1;      // -1: no transparent colour
    bool interlaced = false;
    bool localColourTable = false;
};

// A picture file as both programs read animations: a GIF of two or more
// frames is decoded with giflib frame by frame and composed onto a canvas of
// its logical screen size (positions, local colour tables, interlacing,
// transparency, disposal methods 2 and 3); any other picture, and a GIF with
// one frame, is a single picture decoded by QImage. Everything is drawn on
// black, the dark state of a cross dot.
//
// A Picture is a value; it keeps the composition state of the last frame it
// composed so that showing frames in order costs one frame each. Use one
// object from one thread at a time.
class Picture {
public:
    // Pictures larger than this (logical screen or single picture, in pixels)
    // are refused with a message instead of being decoded.
    static constexpr qint64 kMaxPixels = 16 * 1024 * 1024;
    // Files larger than this are refused unread.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
    // GIFs with more frames than this are refused before any frame is
    // decoded: every frame is decoded once on load, so the count bounds the
    // time a load takes, and whoever turns frames into pages gets a bounded list.
    static constexpr int kMaxFrames = 10000;

    Picture();
    ~Picture();
    Picture(const Picture &other);
    Picture &operator=(const Picture &other);
    Picture(Picture &&other) noexcept;
    Picture &operator=(Picture &&other) noexcept;

    // Reads and decodes a file. An unreadable or undecodable file gives a
    // null Picture whose errorString() says why.
    static Picture fromFile(const QString &path);
    static Picture fromData(const QByteArray &data);

    // Nothing decodable: neither GIF frames nor a single picture.
    bool isNull() const;
    // Why the picture is null (empty otherwise).
    QString errorString() const;

    // The data began with "GIF87a" or "GIF89a".
    bool isGif() const;

    // The frame count rule: the number of decoded frames of a GIF with two or
    // more of them; 0 for a single picture (one-frame GIF, JPG, BMP) and for
    // a null Picture.
    int frameCount() const;

    // The GIF's logical screen, or the single picture's size in pixels.
    QSize logicalSize() const;

    // Frame i (0 .. frameCount() - 1); an empty FrameInfo out of range.
    const FrameInfo &frameInfo(int i) const;

    // The delay rule: 10 x the delay field when it is 5 or more, else 100 ms
    // (also for a frame without a graphic control extension). 100 out of range.
    int frameDelayMs(int i) const;
    static int delayMsForField(int delayField);

    // Frame i composed onto a black canvas of the logical size (Format_RGB32),
    // after the frames before it have been drawn and disposed of. Disposal
    // takes effect after a frame has been shown: method 2 clears the frame's
    // rectangle to black, method 3 restores what lay under it. A null image
    // out of range.
    QImage composeFrame(int i) const;

    // Frame i's canvas stretched (smooth, aspect not kept) to `target`.
    // Out of range: a black image of that size.
    QImage renderFrame(int i, const QSize &target) const;
    // The same, drawn into `target` of a painter's device; nothing out of range.
    void drawFrame(QPainter &painter, int i, const QRect &target) const;

    // The single picture on black, stretched (smooth, aspect not kept) to the
    // whole `target`. Black when there is no single picture.
    QImage renderSingle(const QSize &target) const;
    void drawSingle(QPainter &painter, const QRect &target) const;

    // What a cross shows for frame i: an S x S black canvas (Format_RGB32)
    // with frame i stretched over it when frameCount() >= 2, else the single
    // picture stretched over it (i is then ignored). All black for a null
    // Picture or a frame out of range.
    QImage renderSquare(int i, int side) const;

private:
    void loadGif(const QByteArray &data);
    void loadSingle(const QByteArray &data);

    struct Data;
    std::unique_ptr<Data> m_d;
};

} // namespace common::gif
