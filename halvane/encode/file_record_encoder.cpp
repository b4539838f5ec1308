#include "halvane/encode/file_record_encoder.h"

#include "halvane/encode/frame_conversion.h"
#include "halvane/encode/text_record.h"
#include "halvane/settings/halvane_config.h"

namespace halvane::encode {
namespace {

AppendedRecords appended(const ConversionResult &r)
{
    return {r.size, r.fits, r.warning};
}

} // namespace

FileRecordEncoder::FileRecordEncoder(common::CrossGeometry geometry, QStringList fontNames)
    : m_geometry(geometry), m_fontNames(std::move(fontNames))
{
}

FileRecordEncoder FileRecordEncoder::fromSettings(const QString &iniPath)
{
    return FileRecordEncoder(settings::readStartupSettings(iniPath).geometry(),
                             settings::readFontNames(iniPath));
}

AppendedRecords FileRecordEncoder::appendAnimation(const QString &path, int speed,
                                                   std::span<std::uint8_t> image, std::size_t size)
{
    return appended(convertAnimation(path, speed, m_geometry.side, image, size));
}

AppendedRecords FileRecordEncoder::appendPicture(const QString &path, int speed,
                                                 std::span<std::uint8_t> image, std::size_t size)
{
    return appended(convertPicture(path, speed, m_geometry.side, image, size));
}

AppendedRecords FileRecordEncoder::appendText(const project::TextSettings &text,
                                              std::span<std::uint8_t> image, std::size_t size)
{
    const AppendResult r = renderTextRecord(text, m_fontNames, m_geometry, image, size);
    return {r.size, r.fits, {}};
}

} // namespace halvane::encode
