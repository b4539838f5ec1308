#include "halvane/link/settings_commands.h"

#include "halvane/link/exchanges.h"
#include "halvane/settings/halvane_config.h"

namespace halvane::link {

using settings::Address4Fallback;
using Code = LinkStatus::Code;

namespace {

constexpr int kClockSleepMs = 100;
constexpr int kBrightnessReadWaitMs = 1000;
constexpr int kBrightnessReadSize = 50;
constexpr int kOnOffReadWaitMs = 2000;
constexpr int kOnOffReadSize = 100;
constexpr int kVersionWaitMs = 600;
constexpr int kVersionReadSize = 100;
// Where the schedules sit in the data of a call cross reply.
constexpr qsizetype kOnOffReplyOffset = kBrightnessBytes;

// Writes one frame to the open port and closes it after `sleepMs`. Reports
// a frame that did not go out whole.
LinkStatus sendAndClose(const LinkContext &link, PortHandle &port, Address4Fallback fallback,
                        std::uint8_t code, const QByteArray &data, int sleepMs,
                        const QString &successText)
{
    const QByteArray frame =
        BuildCommandFrame(ReadCrossAddress(link.iniPath(), fallback), code, data);
    const bool written = WriteAndDrain(link, *port, frame) == frame.size();
    link.clock->sleepMs(sleepMs);
    CloseCrossPort(port);
    if (!written)
        return LinkStatus::failure(Code::WriteFailed, linkText(kTextWriteFailed));
    return LinkStatus::success(successText);
}

// Opens the configured port and sends one frame without waiting after it.
LinkStatus sendOnly(const LinkContext &link, Address4Fallback fallback, std::uint8_t code,
                    const QByteArray &data, const QString &successText)
{
    QString why;
    PortHandle port = OpenConfiguredPort(link, &why);
    if (!port)
        return cantOpenPort(why);
    return sendAndClose(link, port, fallback, code, data, 0, successText);
}

// Call cross on the configured port; the reply's data bytes from `offset`
// on, `length` of them, or a failure.
LinkResult<QByteArray> readCallCrossData(const LinkContext &link, Address4Fallback fallback,
                                         int waitMs, int readSize, qsizetype offset,
                                         qsizetype length)
{
    QString why;
    PortHandle port = OpenConfiguredPort(link, &why);
    if (!port)
        return {cantOpenPort(why), {}};
    const CallCrossReply reply = CallCross(link, *port, fallback, waitMs, readSize, offset + length);
    CloseCrossPort(port);
    if (!reply.answered())
        return {LinkStatus::failure(Code::NoReply, linkText(kTextCantFindCross)), {}};
    return {LinkStatus::success(), reply.data(offset + length).sliced(offset).toByteArray()};
}

// Sends a schedule once its check has passed.
LinkStatus sendChecked(const LinkContext &link, const common::Status &check, std::uint8_t code,
                       const QByteArray &data, const QString &successText)
{
    if (!check)
        return LinkStatus::failure(Code::BadValue, check.message);
    return sendOnly(link, Address4Fallback::EF, code, data, successText);
}

// What the dialog shows for the schedule bytes of a call cross reply.
template <class T>
LinkResult<T> decoded(const LinkResult<QByteArray> &data, T (*decode)(QByteArrayView, bool *))
{
    if (!data.status.ok())
        return {data.status, {}};
    return {data.status, decode(data.value, nullptr)};
}

} // namespace

LinkResult<QDateTime> SetCrossClock(const LinkContext &link)
{
    QString why;
    PortHandle port = OpenConfiguredPort(link, &why);
    if (!port)
        return {cantOpenPort(why), {}};
    const QDateTime now = link.clock->localTime(); // one reading for all eight bytes
    return {sendAndClose(link, port, Address4Fallback::FF, kCmdSetClock, encodeClock(now),
                         kClockSleepMs, QString()),
            now};
}

LinkStatus SetBrightnessSchedule(const LinkContext &link, const BrightnessSchedule &schedule)
{
    const common::Status check = validateBrightness(schedule);
    return sendChecked(link, check, kCmdSetBrightness, check ? encodeBrightness(schedule) : QByteArray(),
                       linkText(kTextBrightnessSet));
}

LinkResult<BrightnessSchedule> ReadBrightnessSchedule(const LinkContext &link)
{
    return decoded(readCallCrossData(link, Address4Fallback::EF, kBrightnessReadWaitMs,
                                     kBrightnessReadSize, 0, kBrightnessBytes),
                   decodeBrightness);
}

LinkStatus SetOnOffSchedule(const LinkContext &link, const OnOffSchedule &schedule)
{
    const common::Status check = validateOnOff(schedule);
    return sendChecked(link, check, kCmdSetOnOff, check ? encodeOnOff(schedule) : QByteArray(),
                       linkText(kTextOnOffSet));
}

LinkResult<OnOffSchedule> ReadOnOffSchedule(const LinkContext &link)
{
    return decoded(readCallCrossData(link, Address4Fallback::FF, kOnOffReadWaitMs, kOnOffReadSize,
                                     kOnOffReplyOffset, kOnOffBytes),
                   decodeOnOff);
}

LinkStatus SetCrossParameters(const LinkContext &link, int frameDots, int timeZone,
                              int tempFactorPosition)
{
    if (const common::Status valid = validateParameters(frameDots, timeZone, tempFactorPosition); !valid)
        return LinkStatus::failure(Code::BadValue, valid.message);
    const LinkStatus sent =
        sendOnly(link, Address4Fallback::EF, kCmdSetParameters,
                 encodeParameters(frameDots, timeZone, tempFactorPosition), linkText(kTextParametersSet));
    if (sent.code == Code::PortNotOpened)
        return sent;
    // The dialog's choices are kept once the frame was handed to the port.
    // The cross has them either way; a settings file that cannot keep them
    // only makes the dialog start from the old choices next time.
    const QString ini = link.iniPath();
    (void)settings::writeBootInt(ini, settings::kKeyTempFactor, tempFactorPosition);
    (void)settings::writeBootInt(ini, settings::kKeyTimeZone, timeZone);
    return sent;
}

LinkResult<QByteArray> ReadMcuVersion(const LinkContext &link)
{
    QString why;
    PortHandle port = OpenConfiguredPort(link, &why);
    if (!port)
        return {cantOpenPort(why), {}};
    const auto version = ReadVersion(link, *port, kVersionWaitMs, kVersionReadSize);
    CloseCrossPort(port);
    if (!version)
        return {LinkStatus::failure(Code::NoReply, linkText(kTextCantFindCross)), {}};
    return {LinkStatus::success(), *version};
}

} // namespace halvane::link
