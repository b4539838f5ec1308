#pragma once

#include <QByteArray>

// A GIF of `frames` frames of 1 x 1 pixel, written byte by byte: many frame
// records from a tiny file (the send's oversized-project cases).
inline QByteArray tinyFrameGif(int frames)
{
    QByteArray gif = QByteArray("GIF89a") + QByteArray::fromHex("01000100800000" "000000FFFFFF");
    const QByteArray frame = QByteArray::fromHex("21F904000A000000" "2C000000000100010000" "02024C0100");
    for (int i = 0; i < frames; ++i)
        gif += frame;
    return gif + QByteArray::fromHex("3B");
}
