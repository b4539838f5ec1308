#include "tools/cross-sim/virtual_cross.h"

namespace cross_sim {
namespace {

constexpr Address kHost{0xFF, 0xFF, 0xFF, 0xFD};
constexpr qsizetype kBlockAddressSize = 3;

// The data length each command must have; -1 for codes the cross does not know.
qsizetype dataLength(std::uint8_t code)
{
    switch (code) {
    case 0x11:
    case 0x14:
        return kBlockAddressSize + CrossState::kBlockSize;
    case 0x31:
        return 12;
    case 0x33:
        return 16;
    case 0x51:
        return 8;
    case 0x52:
        return 56;
    case 0x61:
    case 0xC1:
    case 0xC2:
    case 0xC3:
        return 0;
    default:
        return -1;
    }
}

QString codeText(std::uint8_t code)
{
    return QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QByteArray replyFrame(const Address &source, std::uint8_t code, QByteArrayView data)
{
    QByteArray frame(6, char(0x55));
    frame.append('\0');
    for (std::uint8_t b : kHost)
        frame.append(char(b));
    std::uint8_t checksum = 0x55;
    auto add = [&](std::uint8_t b) {
        checksum ^= b;
        frame.append(char(b));
    };
    for (std::uint8_t b : source)
        add(b);
    add(code);
    for (char c : data)
        add(std::uint8_t(c));
    frame.append(char(checksum));
    frame.append(2, char(0xAA));
    return frame;
}

VirtualCross::VirtualCross(CrossConfig config)
    : m_config(std::move(config)), m_line(m_config.noiseRate, m_config.garbleRate, m_config.noiseSeed)
{
}

common::Status VirtualCross::useStateFolder(const QString &folder)
{
    auto store = std::make_unique<StateFolder>(folder);
    if (const common::Status s = store->load(m_state); !s)
        return s;
    store->saveConfig(m_config);
    store->saveSettings(m_state);
    m_folder = std::move(store);
    return common::Status::success();
}

std::vector<Outgoing> VirtualCross::receive(QByteArrayView bytes, int lineBaud)
{
    std::vector<Outgoing> out;
    if (lineBaud != m_config.baudRate) {
        m_reader.reset(); // at another rate the cross sees only noise
        return out;
    }
    for (const CommandFrame &frame : m_reader.feed(bytes)) {
        if (m_config.silent || frame.destination != m_config.address)
            continue;
        if (auto reply = apply(frame)) {
            out.push_back({m_line.apply(*reply), m_config.replyDelayMs});
            m_state.noiseBytes = m_line.bytesInjected();
            m_state.garbledBytes = m_line.bytesGarbled();
        }
    }
    return out;
}

std::optional<QByteArray> VirtualCross::apply(const CommandFrame &frame)
{
    ++m_state.commandsSeen;
    if (frame.source != kHost || frame.data.size() != dataLength(frame.code)) {
        ++m_badFrames;
        log(QStringLiteral("%1 refused (%2 data bytes)").arg(codeText(frame.code)).arg(frame.data.size()));
        return std::nullopt;
    }
    switch (frame.code) {
    case 0xC1:
        log(QStringLiteral("C1 call cross"));
        return replyFrame(m_config.address, kReplyCallCross, m_state.brightness + m_state.onOff);
    case 0xC2:
        log(QStringLiteral("C2 read version"));
        return replyFrame(m_config.address, kReplyVersion, m_config.version.leftJustified(8, ' ', true));
    case 0xC3:
        log(QStringLiteral("C3 find cross"));
        return replyFrame(m_config.address, kReplyFindCross);
    case 0x31:
        storeSetting(m_state.brightness, frame);
        return std::nullopt;
    case 0x52:
        storeSetting(m_state.onOff, frame);
        return std::nullopt;
    case 0x33:
        storeSetting(m_state.parameters, frame);
        return std::nullopt;
    case 0x51:
        m_state.clockSetAt = QDateTime::currentDateTime();
        storeSetting(m_state.clock, frame);
        return std::nullopt;
    case 0x61:
        m_state.memory.fill(char(0xFF));
        ++m_state.memoryClears;
        log(QStringLiteral("61 delete animations"));
        if (m_folder)
            m_folder->saveMemory(m_state);
        return std::nullopt;
    default:
        return storeBlock(frame);
    }
}

std::optional<QByteArray> VirtualCross::storeBlock(const CommandFrame &frame)
{
    const QByteArrayView data(frame.data);
    const std::uint32_t unit = std::uint32_t(std::uint8_t(data[0])) << 16
                               | std::uint32_t(std::uint8_t(data[1])) << 8 | std::uint8_t(data[2]);
    const qsizetype offset = qsizetype(unit) * 2;
    const QString what = QStringLiteral("%1 block at %2 (byte %3)")
                             .arg(codeText(frame.code), hexText(data.first(3)).remove(QLatin1Char(' ')))
                             .arg(offset);
    if (++m_blocksSeen <= m_config.ignoreBlocks || offset + CrossState::kBlockSize > CrossState::kMemorySize) {
        ++m_state.blocksIgnored;
        log(what + QStringLiteral(" ignored"));
        return std::nullopt;
    }
    m_state.memory.replace(offset, CrossState::kBlockSize, data.sliced(kBlockAddressSize).toByteArray());
    ++m_state.blocksStored;
    if (frame.code == 0x14)
        m_state.lastBlockNumber = int(offset / CrossState::kBlockSize);
    log(what);
    if (m_folder) {
        m_folder->saveBlock(m_state, offset);
        m_folder->saveSettings(m_state);
    }
    return replyFrame(m_config.address, kReplyDataBlock);
}

void VirtualCross::storeSetting(QByteArray &field, const CommandFrame &frame)
{
    field = frame.data;
    log(codeText(frame.code) + QLatin1Char(' ') + hexText(frame.data));
    if (m_folder)
        m_folder->saveSettings(m_state);
}

void VirtualCross::log(const QString &line)
{
    constexpr qsizetype kKeptLines = 1000; // the file keeps them all
    if (m_state.log.size() >= kKeptLines)
        m_state.log.removeFirst();
    m_state.log << line;
    if (m_folder)
        m_folder->appendLog(line);
}

std::vector<Outgoing> VirtualCross::selfTest() const
{
    std::vector<Outgoing> frames;
    for (int i = 0; i < 3; ++i)
        frames.push_back({selfTestFrame(), i * kSelfTestSpacingMs});
    return frames;
}

QByteArray VirtualCross::selfTestFrame() const
{
    return replyFrame(m_config.address, kSelfTestCode);
}

} // namespace cross_sim
