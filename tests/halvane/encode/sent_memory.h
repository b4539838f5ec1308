#pragma once

#include "halvane/encode/image_builder.h"

#include <QByteArray>

#include <gtest/gtest.h>

// Test support: the memory a cross holds after a complete send of `images`
// onto an erased memory: each image at the start of its region, its last
// block padded with zeros, every byte no block wrote still 0xFF.
inline QByteArray memoryAfterSend(const halvane::encode::SendImages &images)
{
    using namespace halvane::encode;
    QByteArray memory(8 * 1024 * 1024, char(0xFF));
    for (const MemoryRegion &region : kRegions) {
        const Image &image = images.image(region.region);
        const qsizetype padded = qsizetype(blockCount(image.size())) * qsizetype(kBlockSize);
        memory.replace(qsizetype(region.start), padded, QByteArray(padded, '\0'));
        memory.replace(qsizetype(region.start), qsizetype(image.size()),
                       QByteArray(reinterpret_cast<const char *>(image.data()), qsizetype(image.size())));
    }
    return memory;
}

// Equal memories, or the first byte that differs.
inline ::testing::AssertionResult sameMemory(const QByteArray &actual, const QByteArray &expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "memory of " << actual.size() << " bytes, not " << expected.size();
    if (actual == expected)
        return ::testing::AssertionSuccess();
    for (qsizetype i = 0; i < actual.size(); ++i)
        if (actual.at(i) != expected.at(i))
            return ::testing::AssertionFailure()
                   << "byte " << i << " is " << int(std::uint8_t(actual.at(i))) << ", expected "
                   << int(std::uint8_t(expected.at(i)));
    return ::testing::AssertionSuccess();
}
