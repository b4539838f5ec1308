#include "halvane/encode/send_job.h"

#include <algorithm>

#include "halvane/link/exchanges.h"
#include "halvane/link/frame.h"
#include "halvane/link/port_link.h"

namespace halvane::encode {

using settings::Address4Fallback;
using Outcome = SendResult::Outcome;

namespace {

// The fixed waits of a send, in milliseconds, and its read sizes.
constexpr int kOpenPauseMs = 100;
constexpr int kCallPauseMs = 1000;
constexpr int kCallWaitMs = 600;
constexpr int kCallReadSize = 20;
constexpr int kDeleteWaitMs = 3000;
constexpr qsizetype kChunkSize = 1024;
constexpr int kChunkPauseMs = 50;
constexpr int kReplyWaitMs = 1000;
constexpr int kReplyReadSize = 100;
constexpr int kBlockPauseMs = 1000;
constexpr int kEndPauseMs = 1000;
constexpr int kAttempts = 3;
// A block frame without stuffing, and the wait that ends each drained write.
constexpr qint64 kBlockFrameBytes = 4118;
constexpr int kAfterDrainMs = 20;

// The status texts of the string table (a language library translates them).
const char kTextOpening[] = QT_TRANSLATE_NOOP("SendJob", "Opening Com port, Please Wait......");
const char kTextPreparing[] = QT_TRANSLATE_NOOP("SendJob", "Preparing Send Data, Please Wait......");
const char kTextNoCross[] = QT_TRANSLATE_NOOP("SendJob", "Can't find cross!");
const char kTextCalling[] = QT_TRANSLATE_NOOP("SendJob", "Preparing Call Cross, Please wait......");
const char kTextNoPort[] = QT_TRANSLATE_NOOP("SendJob", "Can't Open Com Port!");
const char kTextComplete[] = QT_TRANSLATE_NOOP("SendJob", "Send Complete!");
const char kTextDeleting[] = QT_TRANSLATE_NOOP("SendJob", "Delete Cross Animations");
const char kTextSendingToc[] = QT_TRANSLATE_NOOP("SendJob", "Sending No%1 Section TOC");
const char kTextSendingAnimations[] = QT_TRANSLATE_NOOP("SendJob", "Sending No%1 Section Animations");
const char kTextSendingText[] = QT_TRANSLATE_NOOP("SendJob", "Sending No%1 Section Text");
const char kTextEmptyPlayList[] =
    QT_TRANSLATE_NOOP("SendJob", "Please open a exist playlist file, or create a new playlist file.");

// What is shown while a block of a region goes out, and when it fails. The
// failure texts are fixed English texts.
struct RegionTexts {
    const char *sending;
    const char *failed; // %1: the block's number within its image
};

RegionTexts textsOf(Region region)
{
    switch (region) {
    case Region::Toc:
        return {kTextSendingToc, "Send TOC Data Error!"};
    case Region::Animations:
        return {kTextSendingAnimations, "Sending No%1 Section Animations Error!"};
    case Region::Text:
        break;
    }
    return {kTextSendingText, "Sending No%1 Section Text Error!"};
}

QString failedText(const RegionTexts &texts, int index)
{
    const QString text = QString::fromLatin1(texts.failed);
    return text.contains(QLatin1String("%1")) ? text.arg(index) : text;
}

// Block `index` of `image`: up to 4096 bytes (the frame pads them with zeros).
QByteArrayView blockBytes(const Image &image, int index)
{
    const std::size_t begin = std::size_t(index) * kBlockSize;
    const std::size_t count = std::min(kBlockSize, image.size() - begin);
    return {reinterpret_cast<const char *>(image.data() + begin), qsizetype(count)};
}

} // namespace

common::Status checkSendable(const project::PlayProjectData &project)
{
    if (project.playList.isEmpty())
        return common::Status::failure(SendJob::tr(kTextEmptyPlayList));
    return common::Status::success();
}

int nominalBlockMs(int baudRate)
{
    constexpr qint64 kChunks = (kBlockFrameBytes + kChunkSize - 1) / kChunkSize;
    constexpr qint64 kFixedMs = kChunks * (kAfterDrainMs + kChunkPauseMs) + kReplyWaitMs + kBlockPauseMs;
    const qint64 lineMs = baudRate > 0 ? kBlockFrameBytes * 10 * 1000 / baudRate : 0;
    return int(kFixedMs + lineMs);
}

qint64 nominalSendMs(int blocks, int baudRate)
{
    constexpr qint64 kBeforeBlocksMs = kOpenPauseMs + kCallPauseMs + kCallWaitMs + kDeleteWaitMs;
    return kBeforeBlocksMs + qint64(std::max(blocks, 0)) * nominalBlockMs(baudRate) + kEndPauseMs;
}

SendJob::SendJob(const link::LinkContext &link, RecordEncoder &encoder, SendObserver &observer)
    : m_link(link), m_encoder(encoder), m_observer(observer)
{
}

SendResult SendJob::run(const project::PlayProjectData &project, const project::AnimationLibrary &library)
{
    const SendResult result = steps(project, library);
    m_done.store(true);
    return result;
}

SendResult SendJob::steps(const project::PlayProjectData &project, const project::AnimationLibrary &library)
{
    status(tr(kTextOpening));
    m_link.clock->sleepMs(kOpenPauseMs);
    QString why;
    link::PortHandle port = link::OpenConfiguredPort(m_link, &why);
    if (!port) {
        // The status line keeps its fixed text; the reason comes with it.
        if (!why.isEmpty())
            m_observer.warning(why);
        return end({Outcome::PortNotOpened, tr(kTextNoPort)});
    }
    const SendResult result = callAndSend(*port, project, library);
    link::CloseCrossPort(port); // before the final status: the port is free once it shows
    return end(result);
}

SendResult SendJob::callAndSend(link::CrossPort &port, const project::PlayProjectData &project,
                                const project::AnimationLibrary &library)
{
    status(tr(kTextCalling));
    m_link.clock->sleepMs(kCallPauseMs);
    if (!link::CallCross(m_link, port, Address4Fallback::FF, kCallWaitMs, kCallReadSize).answered())
        return {Outcome::CrossNotFound, tr(kTextNoCross)};

    status(tr(kTextPreparing));
    SendImages images;
    const common::Status built = buildImages(project, library, m_encoder, &images);
    for (const QString &warning : images.warnings)
        m_observer.warning(warning);
    if (!built)
        return {Outcome::Refused, built.message};
    return sendImages(port, images);
}

SendResult SendJob::sendImages(link::CrossPort &port, const SendImages &images)
{
    int total = 0;
    for (const MemoryRegion &region : kRegions)
        total += blockCount(images.image(region.region).size());
    m_observer.progressChanged(0, total);

    status(tr(kTextDeleting));
    link::exchangeOnce(m_link, port, link::ReadCrossAddress(m_link.iniPath(), Address4Fallback::EF),
                       link::kCmdDeleteAnimations, {}, kDeleteWaitMs, 0);

    int position = 0;
    for (const MemoryRegion &region : kRegions) {
        const Image &image = images.image(region.region);
        const RegionTexts texts = textsOf(region.region);
        for (int i = 0; i < blockCount(image.size()); ++i) {
            status(tr(texts.sending).arg(i));
            m_observer.progressChanged(++position, total);
            const std::uint8_t code = position == total ? link::kCmdLastDataBlock : link::kCmdDataBlock;
            const QByteArray frame = link::BuildCommandFrame(
                link::ReadCrossAddress(m_link.iniPath(), Address4Fallback::EF), code,
                link::dataBlockPayload(region.firstBlock() + i, blockBytes(image, i)));
            if (!writeBlock(port, frame))
                return {Outcome::BlockFailed, failedText(texts, i)};
            m_link.clock->sleepMs(kBlockPauseMs);
        }
    }
    m_link.clock->sleepMs(kEndPauseMs);
    return {Outcome::Complete, tr(kTextComplete)};
}

// Up to three attempts, each the whole frame in chunks and one read of the
// acknowledgement. An acknowledgement that came too late for the block before
// is dropped first: it must never count for this block.
bool SendJob::writeBlock(link::CrossPort &port, const QByteArray &frame)
{
    link::Clock &clock = *m_link.clock;
    discardStaleInput(port);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        for (qsizetype at = 0; at < frame.size(); at += kChunkSize) {
            link::WriteAndDrain(m_link, port, frame.mid(at, kChunkSize));
            clock.sleepMs(kChunkPauseMs);
        }
        clock.sleepMs(kReplyWaitMs);
        if (link::FindReply(link::ReadAvailable(port, kReplyReadSize), link::kReplyDataBlock))
            return true;
    }
    return false;
}

void SendJob::discardStaleInput(link::CrossPort &port)
{
    // Bounded, so a line that chatters without end cannot hold the job here.
    constexpr int kMaxReads = 64;
    for (int i = 0; i < kMaxReads && !link::ReadAvailable(port, kReplyReadSize).isEmpty(); ++i) {
    }
}

SendResult SendJob::end(const SendResult &result)
{
    status(result.status);
    return result;
}

void SendJob::status(const QString &text)
{
    m_observer.statusChanged(text);
}

} // namespace halvane::encode
