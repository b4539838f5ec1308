#include "tools/cross-sim/memory_view.h"

#include "halvane/encode/frame_record.h"
#include "halvane/encode/memory_layout.h"
#include "halvane/encode/text_record.h"
#include "halvane/encode/toc_entry.h"

namespace cross_sim {

using namespace halvane::encode;

namespace {

constexpr QRgb kLit = 0xFF00FF00u;
constexpr QRgb kDark = 0xFF000000u;

std::uint8_t at(const QByteArray &memory, qsizetype offset)
{
    return std::uint8_t(memory[offset]);
}

std::uint32_t address24(const QByteArray &bytes, qsizetype offset)
{
    return std::uint32_t(at(bytes, offset)) << 16 | std::uint32_t(at(bytes, offset + 1)) << 8
           | at(bytes, offset + 2);
}

bool isEndMark(const QByteArray &memory, qsizetype offset)
{
    return at(memory, offset) == 0xFF && at(memory, offset + 1) == 0xFF;
}

// Byte 6 of a data message: Hour, Date and Temperature in the low nibble,
// Humidity as style code B + 8 in the high one.
TocEntryView::Kind messageKind(std::uint8_t byte6)
{
    switch (byte6 & 0x0F) {
    case 0x08:
        return TocEntryView::Kind::Hour;
    case 0x04:
        return TocEntryView::Kind::Date;
    case 0x01:
        return TocEntryView::Kind::Temperature;
    case 0x00:
        return byte6 & 0x80 ? TocEntryView::Kind::Humidity : TocEntryView::Kind::Unknown;
    default:
        return TocEntryView::Kind::Unknown;
    }
}

TocEntryView readTocEntry(const QByteArray &bytes)
{
    TocEntryView entry;
    entry.bytes = bytes;
    entry.animationAddress = address24(bytes, 2);
    entry.textAddress = address24(bytes, 7);
    if (at(bytes, 0) != 0x01 || at(bytes, 1) != 0x01)
        entry.kind = TocEntryView::Kind::Unknown;
    else if (entry.textAddress != 0)
        entry.kind = TocEntryView::Kind::Text;
    else if (at(bytes, 6) != 0)
        entry.kind = messageKind(at(bytes, 6));
    else if (entry.animationAddress != 0)
        entry.kind = at(bytes, 5) >> 4 == 1 ? TocEntryView::Kind::Picture : TocEntryView::Kind::Animation;
    return entry;
}

// A byte position inside `region`, or -1 for an address outside it.
qsizetype positionIn(const MemoryRegion &region, std::uint32_t address)
{
    const std::size_t position = std::size_t(address) * 2;
    if (position < region.start || position >= region.start + region.capacity)
        return -1;
    return qsizetype(position);
}

// The strip of a frame record back on the S x S square.
QImage unpackFrame(const QByteArray &memory, qsizetype data, int side)
{
    QImage dots(side, side, QImage::Format_RGB32);
    dots.fill(kDark);
    const int rowBytes = stripWidth(side) / 8;
    for (const StripCopy &copy : stripCopies(side))
        for (int y = 0; y < copy.height; ++y)
            for (int x = 0; x < copy.width; ++x) {
                const int sx = copy.stripX + x;
                const std::uint8_t byte = at(memory, data + (copy.stripY + y) * rowBytes + sx / 8);
                if (byte & (0x80 >> (sx % 8)))
                    dots.setPixel(copy.sourceX + x, copy.sourceY + y, kLit);
            }
    return dots;
}

AnimationView readAnimation(const QByteArray &memory, std::uint32_t address, int side)
{
    AnimationView view;
    view.address = address;
    qsizetype pos = positionIn(kAnimationsRegion, address);
    if (pos < 0) {
        view.problem = QStringLiteral("the address is outside the Animations region");
        return view;
    }
    const qsizetype end = qsizetype(kAnimationsRegion.start + kAnimationsRegion.capacity);
    const qsizetype recordSize = frameRecordSize(side);
    for (;;) {
        if (pos + 2 <= end && isEndMark(memory, pos))
            return view;
        if (pos + recordSize > end) {
            view.problem = QStringLiteral("no end mark before the end of the Animations region");
            return view;
        }
        if (at(memory, pos) != 0x01 || at(memory, pos + 1) != 0x01 || at(memory, pos + 4) != 0x02) {
            view.problem = QStringLiteral("no frame record at byte %1").arg(pos);
            return view;
        }
        const int delayMs = (at(memory, pos + 2) << 8 | at(memory, pos + 3)) * 4;
        view.frames.push_back({delayMs, unpackFrame(memory, pos + kFrameHeaderSize, side)});
        pos += recordSize;
    }
}

TextView readText(const QByteArray &memory, std::uint32_t address)
{
    TextView view;
    view.address = address;
    const qsizetype pos = positionIn(kTextRegion, address);
    const qsizetype end = qsizetype(kCrossMemorySize);
    if (pos < 0 || pos + kTextRecordHeaderSize > end) {
        view.problem = QStringLiteral("the address is outside the Text region");
        return view;
    }
    const int rows = at(memory, pos + 2);
    const int columns = at(memory, pos + 3) << 8 | at(memory, pos + 4);
    if (at(memory, pos) != 0x01 || at(memory, pos + 1) != 0x01 || at(memory, pos + 6) != 0x02
        || (rows != 16 && rows != 32)) {
        view.problem = QStringLiteral("no text record at byte %1").arg(pos);
        return view;
    }
    if (pos + kTextRecordHeaderSize + qsizetype(columns) * rows > end) {
        view.problem = QStringLiteral("the text record runs past the end of the memory");
        return view;
    }
    view.speed = at(memory, pos + 5) + 1;
    view.band = QImage(columns * 8, rows, QImage::Format_RGB32);
    view.band.fill(kDark);
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r) {
            const std::uint8_t byte = at(memory, pos + kTextRecordHeaderSize + qsizetype(c) * rows + r);
            for (int k = 0; k < 8; ++k)
                if (byte & (0x80 >> k))
                    view.band.setPixel(c * 8 + k, r, kLit);
        }
    return view;
}

} // namespace

int MemoryView::animationAt(std::uint32_t address) const
{
    for (std::size_t i = 0; i < animations.size(); ++i)
        if (animations[i].address == address)
            return int(i);
    return -1;
}

int MemoryView::textAt(std::uint32_t address) const
{
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i].address == address)
            return int(i);
    return -1;
}

MemoryView readMemoryView(const QByteArray &memory, int side)
{
    MemoryView view;
    view.side = side;
    if (memory.size() < qsizetype(kCrossMemorySize)) {
        view.tocProblem = QStringLiteral("the memory is %1 bytes, not %2").arg(memory.size()).arg(kCrossMemorySize);
        return view;
    }
    qsizetype pos = 0;
    for (; !isEndMark(memory, pos); pos += kTocEntrySize) {
        if (pos + qsizetype(kTocEntrySize) + 2 > qsizetype(kTocRegion.capacity)) {
            view.tocProblem = QStringLiteral("no end mark in the TOC region");
            break;
        }
        view.toc.push_back(readTocEntry(memory.mid(pos, kTocEntrySize)));
        const TocEntryView &entry = view.toc.back();
        if (entry.animationAddress != 0 && view.animationAt(entry.animationAddress) < 0)
            view.animations.push_back(readAnimation(memory, entry.animationAddress, side));
        if (entry.kind == TocEntryView::Kind::Text && view.textAt(entry.textAddress) < 0)
            view.texts.push_back(readText(memory, entry.textAddress));
    }
    return view;
}

} // namespace cross_sim
