#include "halvane/encode/memory_usage.h"

#include "halvane/encode/send_estimate.h"
#include "halvane/encode/send_job.h"

#include <QCoreApplication>

namespace halvane::encode {

namespace {
// The context of the memory meter's texts in the translations.
struct UsageText {
    Q_DECLARE_TR_FUNCTIONS(UsageText)
};

QString blocksText(int blocks)
{
    return (blocks == 1 ? UsageText::tr("%1 block") : UsageText::tr("%1 blocks")).arg(blocks);
}
} // namespace

int RegionUsage::percent() const
{
    if (bytes == 0 || region.capacity == 0)
        return 0;
    return int((bytes * 100 + region.capacity - 1) / region.capacity);
}

QString MemoryUsage::summary() const
{
    QStringList parts;
    for (const RegionUsage &usage : regions)
        parts << QStringLiteral("%1 %2%").arg(UsageText::tr(usage.region.name)).arg(usage.percent());
    parts << UsageText::tr("send %1").arg(minutesText(sendMs));
    return parts.join(QStringLiteral(" \u00b7 "));
}

QStringList MemoryUsage::details() const
{
    QStringList lines;
    for (const RegionUsage &usage : regions)
        lines << UsageText::tr("%1: %2 of %3 bytes, %4, %5%")
                     .arg(UsageText::tr(usage.region.name))
                     .arg(usage.bytes)
                     .arg(usage.region.capacity)
                     .arg(blocksText(usage.blocks))
                     .arg(usage.percent());
    lines << UsageText::tr("Sending takes at least %1 (%2)").arg(minutesText(sendMs), blocksText(totalBlocks));
    if (!refusal.isEmpty())
        lines << refusal;
    return lines;
}

MemoryUsage measureMemory(const project::PlayProjectData &project, const project::AnimationLibrary &library,
                          RecordEncoder &encoder, int baudRate)
{
    MemoryUsage usage;
    SendImages images;
    const common::Status built = buildImages(project, library, encoder, &images);
    if (!built)
        usage.refusal = built.message;
    usage.warnings = images.warnings;
    for (RegionUsage &region : usage.regions) {
        region.bytes = images.image(region.region.region).size();
        region.blocks = blockCount(region.bytes);
        usage.totalBlocks += region.blocks;
    }
    usage.sendMs = nominalSendMs(usage.totalBlocks, baudRate);
    return usage;
}

} // namespace halvane::encode
