#pragma once

#include "common/cross_geometry.h"
#include "halvane/encode/record_encoder.h"

#include <QStringList>

namespace halvane::encode {

// The encoders of a real send: frame records converted from the animation
// files and text records rendered with the Fonts list of Halvane.ini, for one
// cross geometry.
class FileRecordEncoder : public RecordEncoder {
public:
    FileRecordEncoder(common::CrossGeometry geometry, QStringList fontNames);
    // The geometry (CROSSSTYLE, HARNESSFRAMEDOTS) and fonts Halvane.ini names now.
    static FileRecordEncoder fromSettings(const QString &iniPath);

    AppendedRecords appendAnimation(const QString &path, int speed, std::span<std::uint8_t> image,
                                    std::size_t size) override;
    AppendedRecords appendPicture(const QString &path, int speed, std::span<std::uint8_t> image,
                                  std::size_t size) override;
    AppendedRecords appendText(const project::TextSettings &text, std::span<std::uint8_t> image,
                               std::size_t size) override;

private:
    common::CrossGeometry m_geometry;
    QStringList m_fontNames;
};

} // namespace halvane::encode
