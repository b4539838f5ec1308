#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include "tests/common/unwritable_folder.h"


#include <initializer_list>

// Hand-written .plst bytes for the tests, spelled out field by field from the
// file's table: 32-bit little-endian integers and NUL-padded text fields.
namespace plst_bytes {

inline QByteArray le32(qint64 v)
{
    const quint32 u = quint32(v);
    QByteArray b;
    b += char(u & 0xFF);
    b += char((u >> 8) & 0xFF);
    b += char((u >> 16) & 0xFF);
    b += char((u >> 24) & 0xFF);
    return b;
}

inline QByteArray ints(std::initializer_list<qint64> values)
{
    QByteArray b;
    for (qint64 v : values)
        b += le32(v);
    return b;
}

// `text` (Latin-1 bytes) followed by zeros up to `size` bytes.
inline QByteArray field(const QByteArray &text, int size)
{
    QByteArray b = text;
    b += QByteArray(size - text.size(), '\0');
    return b;
}

inline QByteArray playListEntry(const QByteArray &name)
{
    return field(name, 100);
}

inline QByteArray animationEntry(qint64 inPlayList, const QByteArray &name, qint64 loop,
                                 qint64 speed, qint64 frame, qint64 reserved)
{
    return le32(inPlayList) + field(name, 100) + ints({loop, speed, frame, reserved});
}

inline QByteArray itemSettings(qint64 selected, qint64 time, qint64 frame, qint64 a, qint64 b,
                               const QByteArray &back)
{
    return ints({selected, time, frame, a, b}) + field(back, 100);
}

// The defaults of a fresh project: selected 0, time 3, frame 1, codes 2 and 2.
inline QByteArray defaultItem()
{
    return itemSettings(0, 3, 1, 2, 2, "");
}

inline QByteArray textSettings(const QByteArray &text, qint64 font, qint64 bold, qint64 italic,
                               qint64 size, qint64 reserved, qint64 offset, qint64 speed,
                               qint64 selected, const QByteArray &back)
{
    return field(text, 256) + ints({font, bold, italic, size, reserved, offset, speed, selected})
        + field(back, 100);
}

// Empty text, font 2, bold 0, italic 0, size 7 ("23"), reserved 2, offset 4, speed 4.
inline QByteArray defaultText(qint64 size = 7)
{
    return textSettings("", 2, 0, 0, size, 2, 4, 4, 0, "");
}

inline QByteArray defaultMessages(qint64 textSize = 7)
{
    return defaultItem() + defaultItem() + defaultItem() + defaultItem() + defaultText(textSize)
        + defaultText(textSize) + defaultText(textSize);
}

} // namespace plst_bytes
