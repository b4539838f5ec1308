#pragma once

#include "halvane/encode/record_encoder.h"

#include <QMap>
#include <QStringList>

#include <algorithm>

// Test support: an encoder that appends records of known sizes instead of
// rendering. An animation file appends frames x 176 bytes (a 48 cross's frame
// record), a picture 176 bytes, a text record textBytes bytes; every byte
// written is `fill`, or with `patterned` a byte that depends on its position
// in the image, so that bytes in the wrong place show. It keeps to the rules
// of the real encoders: whole records or nothing, never past the end of the
// image.
class FakeEncoder : public halvane::encode::RecordEncoder {
public:
    static constexpr std::size_t kFrameRecord = 176;

    QMap<QString, std::size_t> frames;   // file name -> frame count (missing: 1)
    QMap<QString, QString> warnings;     // file name -> warning to report
    std::size_t textBytes = 112;         // an empty text on a 48 cross
    std::uint8_t fill = 0x5A;
    bool patterned = false;
    QStringList calls;                   // "animation a.crs 4", "picture b.bmp 7", "text Hello"
    int refusals = 0;                    // appends that did not fit

    halvane::encode::AppendedRecords appendAnimation(const QString &path, int speed,
                                                     std::span<std::uint8_t> image,
                                                     std::size_t size) override
    {
        const QString name = fileName(path);
        calls << QStringLiteral("animation %1 %2").arg(name).arg(speed);
        return put(frames.value(name, 1) * kFrameRecord, warnings.value(name), image, size);
    }

    halvane::encode::AppendedRecords appendPicture(const QString &path, int speed,
                                                   std::span<std::uint8_t> image,
                                                   std::size_t size) override
    {
        const QString name = fileName(path);
        calls << QStringLiteral("picture %1 %2").arg(name).arg(speed);
        return put(kFrameRecord, warnings.value(name), image, size);
    }

    halvane::encode::AppendedRecords appendText(const halvane::project::TextSettings &text,
                                                std::span<std::uint8_t> image,
                                                std::size_t size) override
    {
        calls << QStringLiteral("text %1").arg(text.text);
        return put(textBytes, {}, image, size);
    }

private:
    static QString fileName(const QString &path) { return path.section(QLatin1Char('/'), -1); }

    halvane::encode::AppendedRecords put(std::size_t count, const QString &warning,
                                         std::span<std::uint8_t> image, std::size_t size)
    {
        if (size > image.size() || count > image.size() - size) {
            ++refusals;
            return {size, false, {}};
        }
        for (std::size_t i = size; i < size + count; ++i)
            image[i] = patterned ? std::uint8_t((i * 131 + 7) % 251) : fill;
        return {size + count, true, warning};
    }
};
