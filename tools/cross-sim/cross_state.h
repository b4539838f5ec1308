#pragma once

#include "common/status.h"
#include "tools/cross-sim/frame_reader.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace cross_sim {

// How a virtual cross is built and which faults it shows.
struct CrossConfig {
    Address address{0xFF, 0xFF, 0xFF, 0xEF};
    QByteArray version = "CRS48V10"; // eight characters; "48" or "64" name the resolution
    int baudRate = 9600;             // the one rate it understands
    bool silent = false;             // answers and stores nothing
    int ignoreBlocks = 0;            // the first N data blocks are dropped unanswered
    int replyDelayMs = 0;            // every answer leaves this late
    double noiseRate = 0;            // chance of a random byte in each gap of a reply
    double garbleRate = 0;           // chance of each reply byte arriving changed
    std::uint32_t noiseSeed = 1;     // the same seed gives the same noise
};

// The eight version characters for a resolution (48 or 64; anything else
// gives a text that names neither).
QByteArray versionForResolution(int resolution);

// What a cross keeps: schedules, clock and parameters as last sent, and the
// 8 MiB memory written by data blocks (0xFF where erased).
struct CrossState {
    static constexpr qsizetype kMemorySize = 8 * 1024 * 1024;
    static constexpr qsizetype kBlockSize = 4096;

    QByteArray brightness; // 12 bytes as sent by 0x31
    QByteArray onOff;      // 56 bytes as sent by 0x52
    QByteArray clock;      // 8 bytes as sent by 0x51
    QDateTime clockSetAt;  // when the clock was last set
    QByteArray parameters; // 16 bytes as sent by 0x33
    QByteArray memory;     // kMemorySize bytes

    int blocksStored = 0;    // data blocks written to memory
    int blocksIgnored = 0;   // data blocks dropped by the fault switch or out of range
    int lastBlockNumber = -1; // block of the last 0x14 (end of a send)
    int memoryClears = 0;     // 0x61 received
    int commandsSeen = 0;     // frames addressed to this cross
    int noiseBytes = 0;       // random bytes the line added to replies
    int garbledBytes = 0;     // reply bytes the line changed
    QStringList log;          // one line per frame addressed to this cross

    CrossState(); // a fresh cross: always-open days, automatic brightness, erased memory
};

// Keeps a cross's state in a folder so that a person or a test can look at
// what arrived: "settings.ini" (config and the latest settings as hex bytes),
// "memory.bin" (the 8 MiB memory) and "commands.log" (one line per frame).
class StateFolder {
public:
    explicit StateFolder(QString folder);

    // Creates the folder; takes over the settings and memory kept there.
    common::Status load(CrossState &state);
    void saveConfig(const CrossConfig &config);
    void saveSettings(const CrossState &state);
    void saveBlock(const CrossState &state, qsizetype offset);
    void saveMemory(const CrossState &state);
    void appendLog(const QString &line);
    // The version characters saved by saveConfig(), or "" when none were.
    QByteArray savedVersion() const;

    QString path(const QString &name) const;

private:
    QString m_folder;
};

// Bytes as "05 59 00", and back (empty on anything but hex pairs).
QString hexText(QByteArrayView bytes);
QByteArray bytesFromHex(const QString &text);

} // namespace cross_sim
