#include "common/gif/gif_layout.h"

namespace common::gif {

namespace {

constexpr int kScreenDescriptorEnd = 13;   // "GIF89a" + logical screen descriptor
constexpr int kImageDescriptorSize = 10;   // 0x2C, left, top, width, height, packed
constexpr quint8 kExtension = 0x21;
constexpr quint8 kImage = 0x2C;
constexpr quint8 kTrailer = 0x3B;
constexpr quint8 kPlainTextLabel = 0x01;
constexpr quint8 kGraphicControlLabel = 0xF9;
constexpr quint8 kCommentLabel = 0xFE;
constexpr quint8 kApplicationLabel = 0xFF;

// Bounds-checked reading of the file's bytes; every position is checked
// against the size before it is read.
class ByteView {
public:
    explicit ByteView(const QByteArray &data) : m_data(data) {}

    qint64 size() const { return m_data.size(); }
    bool has(qint64 pos, qint64 count) const { return pos >= 0 && count >= 0 && pos + count <= size(); }
    quint8 at(qint64 pos) const { return static_cast<quint8>(m_data.at(pos)); }
    int word(qint64 pos) const { return at(pos) | (at(pos + 1) << 8); }

    // The length of the sub-block chain at `pos` (each sub-block's size + 1,
    // plus the closing zero), or -1 when it runs past the data.
    qint64 chainLength(qint64 pos) const
    {
        qint64 q = pos;
        while (true) {
            if (!has(q, 1))
                return -1;
            const quint8 n = at(q);
            q += n + 1;
            if (n == 0)
                return q - pos;
        }
    }

private:
    const QByteArray &m_data;
};

// A colour table's length in bytes from a packed byte's flag and size bits.
qint64 colourTableBytes(quint8 packed)
{
    return (packed & 0x80) ? 3 * (qint64(1) << ((packed & 0x07) + 1)) : 0;
}

// The graphic control extension's fields, applied to the frame that follows.
struct GraphicControl {
    bool present = false;
    int delayField = -1;
    int disposal = 0;
    int transparentIndex = -1;
};

class BlockWalker {
public:
    explicit BlockWalker(const QByteArray &data) : m_bytes(data) {}

    void walk(GifLayout &layout)
    {
        if (!m_bytes.has(0, kScreenDescriptorEnd))
            return;
        layout.logicalSize = QSize(m_bytes.word(6), m_bytes.word(8));
        layout.globalColourTable = (m_bytes.at(10) & 0x80) != 0;
        m_pos = kScreenDescriptorEnd + colourTableBytes(m_bytes.at(10));
        while (step(layout)) {
        }
    }

private:
    // Reads the block at the current position; false ends the walk.
    bool step(GifLayout &layout)
    {
        if (!m_bytes.has(m_pos, 1))
            return false;
        const quint8 kind = m_bytes.at(m_pos);
        if (kind == kImage)
            return image(layout);
        if (kind != kExtension || !m_bytes.has(m_pos, 2))
            return false;   // the trailer or a block of no known kind
        const quint8 label = m_bytes.at(m_pos + 1);
        const qint64 chain = m_bytes.chainLength(m_pos + 2);
        if (chain < 0)
            return false;
        const qint64 start = m_pos;
        m_pos += 2 + chain;
        switch (label) {
        case kApplicationLabel:
        case kCommentLabel:
            return true;
        case kGraphicControlLabel:
            return graphicControl(start, chain);
        case kPlainTextLabel:
            plainText(layout);
            return true;
        default:
            return false;
        }
    }

    // A graphic control extension holds one 4-byte data block; anything else
    // is not a block this walk can trust.
    bool graphicControl(qint64 start, qint64 chain)
    {
        if (chain != 6 || m_bytes.at(start + 2) != 4)
            return false;
        const quint8 packed = m_bytes.at(start + 3);
        m_control.present = true;
        m_control.disposal = (packed >> 2) & 0x07;
        m_control.delayField = m_bytes.word(start + 4);
        m_control.transparentIndex = (packed & 0x01) ? m_bytes.at(start + 6) : -1;
        return true;
    }

    void plainText(GifLayout &layout)
    {
        GifFrameBlock frame;
        frame.plainText = true;
        frame.end = m_pos;
        applyControl(frame.info);
        layout.frames.push_back(frame);
    }

    bool image(GifLayout &layout)
    {
        const qint64 start = m_pos;
        if (!m_bytes.has(start, kImageDescriptorSize))
            return false;
        const quint8 packed = m_bytes.at(start + 9);
        // The LZW minimum code size byte follows the local colour table.
        const qint64 dataStart = start + kImageDescriptorSize + colourTableBytes(packed) + 1;
        if (!m_bytes.has(dataStart - 1, 1))
            return false;
        const qint64 chain = m_bytes.chainLength(dataStart);
        if (chain < 0)
            return false;
        GifFrameBlock frame;
        frame.imageOffset = start;
        frame.end = dataStart + chain;
        frame.info.rect = QRect(m_bytes.word(start + 1), m_bytes.word(start + 3), m_bytes.word(start + 5),
                                m_bytes.word(start + 7));
        frame.info.localColourTable = (packed & 0x80) != 0;
        frame.info.interlaced = (packed & 0x40) != 0;
        applyControl(frame.info);
        layout.frames.push_back(frame);
        m_pos = frame.end;
        return true;
    }

    // Hands the pending graphic control extension to a frame and forgets it.
    void applyControl(FrameInfo &info)
    {
        info.hasGraphicControl = m_control.present;
        info.delayField = m_control.delayField;
        info.disposal = m_control.disposal;
        info.transparentIndex = m_control.transparentIndex;
        m_control = GraphicControl();
    }

    ByteView m_bytes;
    qint64 m_pos = 0;
    GraphicControl m_control;
};

} // namespace

bool hasGifSignature(const QByteArray &data)
{
    return data.startsWith("GIF87a") || data.startsWith("GIF89a");
}

GifLayout walkGifBlocks(const QByteArray &data)
{
    GifLayout layout;
    layout.isGif = hasGifSignature(data);
    if (layout.isGif)
        BlockWalker(data).walk(layout);
    return layout;
}

} // namespace common::gif
