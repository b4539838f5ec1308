#include "tools/cross-sim/cross_state.h"

#include "common/profile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace cross_sim {
namespace {

const QString kSettingsFile = QStringLiteral("settings.ini");
const QString kMemoryFile = QStringLiteral("memory.bin");
const QString kLogFile = QStringLiteral("commands.log");
const QString kSectionCross = QStringLiteral("CROSS");
const QString kSectionState = QStringLiteral("STATE");
constexpr int kValueSize = 1024;

} // namespace

QByteArray versionForResolution(int resolution)
{
    if (resolution == 48 || resolution == 64)
        return QStringLiteral("CRS%1V10").arg(resolution).toLatin1();
    return QByteArrayLiteral("CRSXXV10");
}

CrossState::CrossState()
    : brightness(QByteArray::fromHex("940000010001020002030003")),
      onOff(QByteArray::fromHex(QByteArray("9900010002000300").repeated(7))),
      clock(QByteArray::fromHex("2026010105000000")),
      parameters(QByteArray::fromHex("000101000000030000F3010000000000")),
      memory(kMemorySize, char(0xFF))
{
}

QString hexText(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.toByteArray().toHex(' ').toUpper());
}

QByteArray bytesFromHex(const QString &text)
{
    QByteArray out;
    for (const QString &pair : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int v = pair.toInt(&ok, 16);
        if (!ok || pair.size() != 2)
            return {};
        out.append(char(v));
    }
    return out;
}

StateFolder::StateFolder(QString folder) : m_folder(std::move(folder)) {}

QString StateFolder::path(const QString &name) const
{
    return QDir(m_folder).filePath(name);
}

common::Status StateFolder::load(CrossState &state)
{
    if (!QDir().mkpath(m_folder))
        return common::Status::failure(QStringLiteral("Can't create the folder %1").arg(m_folder));
    const QString ini = path(kSettingsFile);
    // Only values of the right length are taken over; a damaged file is ignored.
    auto take = [&](const char *key, QByteArray &field) {
        const QByteArray bytes = bytesFromHex(common::GetPrivateProfileStringA(
            kSectionState, QString::fromLatin1(key), QString(), kValueSize, ini));
        if (bytes.size() == field.size())
            field = bytes;
    };
    take("BRIGHTNESS", state.brightness);
    take("ONOFF", state.onOff);
    take("CLOCK", state.clock);
    take("PARAMETERS", state.parameters);
    QFile memory(path(kMemoryFile));
    if (memory.size() == CrossState::kMemorySize && memory.open(QIODevice::ReadOnly))
        state.memory = memory.readAll();
    else
        saveMemory(state);
    return common::Status::success();
}

void StateFolder::saveConfig(const CrossConfig &config)
{
    const QString ini = path(kSettingsFile);
    // The virtual cross keeps what it can: a state folder that takes no
    // writes only means the next start forgets it.
    (void)common::WritePrivateProfileStringA(kSectionCross, QStringLiteral("ADDRESS"),
                                       hexText(config.address).remove(QLatin1Char(' ')), ini);
    (void)common::WritePrivateProfileStringA(kSectionCross, QStringLiteral("VERSION"),
                                       QString::fromLatin1(config.version), ini);
    (void)common::WritePrivateProfileStringA(kSectionCross, QStringLiteral("BAUDRATE"),
                                       QString::number(config.baudRate), ini);
}

QByteArray StateFolder::savedVersion() const
{
    return common::GetPrivateProfileStringA(kSectionCross, QStringLiteral("VERSION"), QString(), kValueSize,
                                            path(kSettingsFile))
        .toLatin1();
}

void StateFolder::saveSettings(const CrossState &state)
{
    const QString ini = path(kSettingsFile);
    auto put = [&](const char *key, const QString &value) {
        (void)common::WritePrivateProfileStringA(kSectionState, QString::fromLatin1(key), value, ini); // as above
    };
    put("BRIGHTNESS", hexText(state.brightness));
    put("ONOFF", hexText(state.onOff));
    put("CLOCK", hexText(state.clock));
    put("CLOCKSETAT", state.clockSetAt.toString(Qt::ISODate));
    put("PARAMETERS", hexText(state.parameters));
    put("BLOCKSSTORED", QString::number(state.blocksStored));
    put("BLOCKSIGNORED", QString::number(state.blocksIgnored));
    put("LASTBLOCK", QString::number(state.lastBlockNumber));
}

void StateFolder::saveBlock(const CrossState &state, qsizetype offset)
{
    QFile memory(path(kMemoryFile));
    if (memory.open(QIODevice::ReadWrite) && memory.seek(offset))
        memory.write(state.memory.constData() + offset, CrossState::kBlockSize);
}

void StateFolder::saveMemory(const CrossState &state)
{
    QSaveFile memory(path(kMemoryFile));
    if (memory.open(QIODevice::WriteOnly)) {
        memory.write(state.memory);
        memory.commit();
    }
}

void StateFolder::appendLog(const QString &line)
{
    QFile log(path(kLogFile));
    if (log.open(QIODevice::Append | QIODevice::Text))
        log.write(line.toUtf8() + '\n');
}

} // namespace cross_sim
