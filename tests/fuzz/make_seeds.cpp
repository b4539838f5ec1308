// Writes the seed inputs of the fuzz targets from files this code makes:
// play projects, settings files, replies of the virtual cross, command
// frames, animations and a send's replies, each in the folder of its target
// under the folder given.
//
//   fuzz_make_seeds DIR

#include "dravelle/document/crs_writer.h"
#include "halvane/link/frame.h"
#include "halvane/project/plst_file.h"
#include "tools/cross-sim/virtual_cross.h"

#include <QDir>
#include <QFile>

#include <cstdio>

using namespace halvane;

namespace {

QString g_root;

void seed(const char *target, const QString &name, const QByteArray &bytes)
{
    const QString folder = g_root + QLatin1Char('/') + QString::fromLatin1(target);
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
}

void plstSeeds()
{
    project::PlayProjectData empty = project::defaultProjectData(0);
    project::PlayProjectData full = project::defaultProjectData(2);
    for (const char *name : {"a.crs", "Hour", "b.bmp", "Text1", "Humidity", "c.jpg"})
        full.playList.append({QString::fromLatin1(name)});
    for (const char *name : {"a.crs", "b.bmp", "c.jpg", "unused.crs"})
        full.animations.append(project::defaultAnimationEntry(QString::fromLatin1(name)));
    full.animations[1].loop = 300;
    full.animations[2].speed = 8;
    full.items[0].backAnimation = QStringLiteral("a.crs");
    full.texts[0].text = QStringLiteral("Caf\u00e9 \u20ac 12:00");
    full.texts[0].backAnimation = QStringLiteral("b.bmp");
    full.texts[2].speed = 7;
    int i = 0;
    for (const project::PlayProjectData *data : {&empty, &full}) {
        QByteArray bytes;
        project::encodePlst(*data, &bytes);
        seed("fuzz_plst", QStringLiteral("project-%1.plst").arg(i++), bytes);
    }
}

// Section, key and value, each ended by a NUL, then the file.
QByteArray profileInput(const char *section, const char *key, const char *value, const QByteArray &file)
{
    return QByteArray(section) + '\0' + key + '\0' + value + '\0' + file;
}

void profileSeeds()
{
    QFile shipped(QStringLiteral(CROSS_SOURCE_DIR "/resources/Halvane.ini"));
    const QByteArray ini = shipped.open(QIODevice::ReadOnly) ? shipped.readAll() : QByteArray("[BOOT]\nPORT=1\n");
    seed("fuzz_profile", QStringLiteral("port.ini"), profileInput("BOOT", "PORT", "3", ini));
    seed("fuzz_profile", QStringLiteral("new-section.ini"), profileInput("PORTS", "COM3", "/dev/ttyUSB0", ini));
    seed("fuzz_profile", QStringLiteral("crlf.ini"),
         profileInput("font", "font4", "\"Liberation Mono\"", QByteArray(ini).replace("\n", "\r\n")));
    seed("fuzz_profile", QStringLiteral("bom.ini"),
         profileInput("file", "prefile", "/home/u/show.plst", "\xEF\xBB\xBF[File]\nPreFile = \"x.plst\"\n\n[Other]\nk=v\n"));
}

void linkSeeds()
{
    const cross_sim::Address cross{0xFF, 0xFF, 0xFF, 0xEF};
    const QByteArray noise = QByteArray::fromHex("0155AA0F55555555555500");
    // code selector, data length, start, then the bytes read
    seed("fuzz_reply_finder", QStringLiteral("ack"), QByteArray("\x03\x00\x00", 3) + cross_sim::replyFrame(cross, 0x45));
    seed("fuzz_reply_finder", QStringLiteral("version"),
         QByteArray("\x00\x08\x00", 3) + noise + cross_sim::replyFrame(cross, 0x41, "CRS48V10"));
    seed("fuzz_reply_finder", QStringLiteral("call"),
         QByteArray("\x01\x44\x02", 3) + cross_sim::replyFrame(cross, 0x42, QByteArray(68, 0x11)).left(90));
    // piece size, then the bytes on the line
    const link::CrossAddress to{0xFF, 0xFF, 0xFF, 0xEF};
    seed("fuzz_frame_reader", QStringLiteral("call-version-find"),
         QByteArray(1, 7) + link::BuildCommandFrame(to, link::kCmdCallCross) + noise
             + link::BuildCommandFrame(to, link::kCmdReadVersion) + link::BuildCommandFrame(to, link::kCmdFindCross));
    seed("fuzz_frame_reader", QStringLiteral("brightness"),
         QByteArray(1, 31) + link::BuildCommandFrame(to, link::kCmdSetBrightness, QByteArray::fromHex("05AA00082901175902221403")));
    QByteArray block(4096, '\0');
    for (int i = 0; i < block.size(); ++i)
        block[i] = char(i * 7 % 256);
    seed("fuzz_frame_reader", QStringLiteral("block"),
         QByteArray(1, 50) + link::BuildCommandFrame(to, link::kCmdLastDataBlock, link::dataBlockPayload(16, block)));
}

void crsSeeds()
{
    std::vector<dravelle::document::CrsPage> pages(3);
    for (int p = 0; p < 3; ++p) {
        pages[std::size_t(p)].colours.assign(48 * 48, 0);
        for (int x = 0; x < 48; ++x)
            pages[std::size_t(p)].colours[std::size_t(x + (10 + 5 * p) * 48)] = std::uint8_t(1 + p * 3);
        pages[std::size_t(p)].delayMs = 100 * (p + 1);
    }
    // resolution and region byte, then the file
    seed("fuzz_crs_import", QStringLiteral("three-pages"), QByteArray(1, 0x08) + dravelle::document::encodeCrs(48, pages));
    seed("fuzz_crs_import", QStringLiteral("one-page-64"),
         QByteArray(1, 0x0B) + dravelle::document::encodeCrs(64, {{std::vector<std::uint8_t>(64 * 64, 7), 200}}));
}

void sendSeeds()
{
    // project byte, then one delivery a write: the call, the delete, five chunks a block
    const QByteArray block = QByteArray::fromHex("0000000080");
    seed("fuzz_send_acks", QStringLiteral("three-blocks-acknowledged"),
         QByteArray::fromHex("03" "80" "00") + block.repeated(3));
    seed("fuzz_send_acks", QStringLiteral("second-attempt"),
         QByteArray::fromHex("01" "80" "00") + block + QByteArray::fromHex("0000000003AAAA55") + block);
    seed("fuzz_send_acks", QStringLiteral("late-acknowledgement"),
         QByteArray::fromHex("83" "80" "00") + QByteArray::fromHex("00000000008000000000") + block.repeated(2));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_seeds DIR\n");
        return 2;
    }
    g_root = QString::fromLocal8Bit(argv[1]);
    plstSeeds();
    profileSeeds();
    linkSeeds();
    crsSeeds();
    sendSeeds();
    return 0;
}
