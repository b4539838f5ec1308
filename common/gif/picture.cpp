#include "common/gif/picture.h"

#include "common/gif/gif_compositor.h"
#include "common/gif/gif_frame_decoder.h"
#include "common/gif/gif_layout.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace common::gif {

namespace {

constexpr int kShortDelayMs = 100;
constexpr int kShortestDelayField = 5;
constexpr qint64 kReadPiece = 1024 * 1024;

// The context of this file's texts in the translations.
struct GifText {
    Q_DECLARE_TR_FUNCTIONS(GifText)
};

QString tooLarge(QSize size)
{
    return GifText::tr("The picture is too large to be shown: %1 x %2 pixels (at most %3 pixels).")
        .arg(size.width())
        .arg(size.height())
        .arg(Picture::kMaxPixels);
}

bool fitsLimit(QSize size)
{
    return qint64(size.width()) * size.height() <= Picture::kMaxPixels;
}

// The picture on a black canvas of its own size, so transparent parts are dark.
QImage onBlack(const QImage &picture, QSize size)
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    painter.drawImage(QRect(QPoint(0, 0), size), picture);
    return canvas;
}

QImage stretched(const QImage &canvas, QSize target)
{
    return canvas.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

const FrameInfo kNoFrame;

} // namespace

struct Picture::Data {
    bool gif = false;
    QSize size;
    QString error;
    QImage single;                     // the single picture on black, at its logical size
    mutable GifCompositor compositor;  // two or more frames
};

Picture::Picture() : m_d(std::make_unique<Data>()) {}
Picture::~Picture() = default;
Picture::Picture(const Picture &other) : m_d(std::make_unique<Data>(*other.m_d)) {}
Picture &Picture::operator=(const Picture &other)
{
    if (this != &other)
        *m_d = *other.m_d;
    return *this;
}
Picture::Picture(Picture &&other) noexcept : m_d(std::exchange(other.m_d, std::make_unique<Data>())) {}
Picture &Picture::operator=(Picture &&other) noexcept
{
    std::swap(m_d, other.m_d);
    return *this;
}

Picture Picture::fromFile(const QString &path)
{
    Picture picture;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        picture.m_d->error = GifText::tr("The file %1 cannot be opened: %2").arg(path, file.errorString());
        return picture;
    }
    // Read in pieces up to the limit: a device or pipe may have no end.
    QByteArray data;
    while (data.size() <= kMaxFileBytes && file.size() <= kMaxFileBytes) {
        const QByteArray piece = file.read(kReadPiece);
        if (piece.isEmpty())
            break;
        data += piece;
    }
    if (data.size() > kMaxFileBytes || file.size() > kMaxFileBytes) {
        picture.m_d->error = GifText::tr("The file %1 is too large to be a picture for the cross.").arg(path);
        return picture;
    }
    return fromData(data);
}

Picture Picture::fromData(const QByteArray &data)
{
    Picture picture;
    Data &d = *picture.m_d;
    if (data.isEmpty())
        d.error = GifText::tr("The file is empty.");
    else if (data.size() > kMaxFileBytes)
        d.error = GifText::tr("The file is too large to be a picture for the cross.");
    else if (hasGifSignature(data))
        picture.loadGif(data);
    else
        picture.loadSingle(data);
    return picture;
}

void Picture::loadGif(const QByteArray &data)
{
    Data &d = *m_d;
    d.gif = true;
    GifLayout layout = walkGifBlocks(data);
    d.size = layout.logicalSize;
    if (d.size.isEmpty()) {
        d.error = GifText::tr("The GIF's logical screen is %1 x %2 pixels: there is nothing to show.")
                      .arg(d.size.width())
                      .arg(d.size.height());
        return;
    }
    if (!fitsLimit(d.size)) {
        d.error = tooLarge(d.size);
        return;
    }
    if (layout.frames.empty()) {
        d.error = GifText::tr("The GIF has no frame.");
        return;
    }
    if (layout.frames.size() > size_t(kMaxFrames)) {
        d.error = GifText::tr("The GIF has %1 frames: at most %2 can be shown.")
                      .arg(qulonglong(layout.frames.size()))
                      .arg(kMaxFrames);
        return;
    }
    if (layout.frames.size() == 1) {
        loadSingle(data);
        d.size = layout.logicalSize;
        return;
    }
    // Frames whose decoding fails are left out, as if the file did not have them.
    std::vector<GifFrameBlock> frames;
    FramePalette palette;
    for (const GifFrameBlock &frame : layout.frames)
        if (decodeGifFrame(data, frame, palette, [](int, const quint8 *) {}))
            frames.push_back(frame);
    if (frames.empty()) {
        d.error = GifText::tr("None of the GIF's frames can be decoded.");
        return;
    }
    d.compositor = GifCompositor(data, d.size, std::move(frames));
    if (d.compositor.frameCount() == 1) {
        // One frame left: it is a single picture, the frame on black.
        d.single = d.compositor.compose(0);
        d.compositor = GifCompositor();
    }
}

void Picture::loadSingle(const QByteArray &data)
{
    Data &d = *m_d;
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    const QByteArray format = reader.format();
    if (format != "bmp" && format != "jpeg" && format != "gif") {
        d.error = GifText::tr("The file is not a GIF, JPG or BMP picture.");
        return;
    }
    if (reader.size().isValid() && !fitsLimit(reader.size())) {
        d.error = tooLarge(reader.size());
        return;
    }
    const QImage image = reader.read();
    if (image.isNull() || image.size().isEmpty()) {
        d.error = GifText::tr("The picture cannot be decoded: %1").arg(reader.errorString());
        return;
    }
    if (!fitsLimit(image.size())) {
        d.error = tooLarge(image.size());
        return;
    }
    d.size = image.size();
    d.single = onBlack(image, image.size());
}

bool Picture::isNull() const
{
    return m_d->single.isNull() && m_d->compositor.frameCount() < 2;
}

QString Picture::errorString() const
{
    return m_d->error;
}

bool Picture::isGif() const
{
    return m_d->gif;
}

int Picture::frameCount() const
{
    return m_d->compositor.frameCount();
}

QSize Picture::logicalSize() const
{
    return isNull() ? QSize() : m_d->size;
}

const FrameInfo &Picture::frameInfo(int i) const
{
    return i >= 0 && i < frameCount() ? m_d->compositor.frame(i).info : kNoFrame;
}

int Picture::delayMsForField(int delayField)
{
    return delayField >= kShortestDelayField ? 10 * delayField : kShortDelayMs;
}

int Picture::frameDelayMs(int i) const
{
    return delayMsForField(frameInfo(i).delayField);
}

QImage Picture::composeFrame(int i) const
{
    return m_d->compositor.compose(i);
}

QImage Picture::renderFrame(int i, const QSize &target) const
{
    const QImage canvas = composeFrame(i);
    if (canvas.isNull() || target.isEmpty()) {
        QImage black(target, QImage::Format_RGB32);
        black.fill(Qt::black);
        return black;
    }
    return stretched(canvas, target);
}

void Picture::drawFrame(QPainter &painter, int i, const QRect &target) const
{
    const QImage canvas = composeFrame(i);
    if (!canvas.isNull() && !target.isEmpty())
        painter.drawImage(target.topLeft(), stretched(canvas, target.size()));
}

QImage Picture::renderSingle(const QSize &target) const
{
    if (m_d->single.isNull() || target.isEmpty()) {
        QImage black(target, QImage::Format_RGB32);
        black.fill(Qt::black);
        return black;
    }
    return stretched(m_d->single, target);
}

void Picture::drawSingle(QPainter &painter, const QRect &target) const
{
    if (!m_d->single.isNull() && !target.isEmpty())
        painter.drawImage(target.topLeft(), stretched(m_d->single, target.size()));
}

QImage Picture::renderSquare(int i, int side) const
{
    return frameCount() >= 2 ? renderFrame(i, QSize(side, side)) : renderSingle(QSize(side, side));
}

} // namespace common::gif
