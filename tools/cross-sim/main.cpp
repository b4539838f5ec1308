// cross-sim: a virtual cross on a pseudo-terminal, for trying Halvane and
// halvane-cli without hardware.

#include "common/app_dir.h"
#include "common/command_line.h"
#include "common/profile.h"
#include "halvane/link/exchanges.h"
#include "tools/cross-sim/memory_view.h"
#include "tools/cross-sim/pty_cross.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <csignal>
#include <thread>

namespace {

volatile std::sig_atomic_t g_quit = 0;
volatile std::sig_atomic_t g_selfTest = 0;

void onSignal(int signal)
{
    if (signal == SIGUSR1)
        g_selfTest = 1;
    else
        g_quit = 1;
}

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

int fail(const QString &message)
{
    QTextStream(stderr) << "cross-sim: " << message << "\n";
    return 2;
}

const char kDescription[] =
    "A virtual cross on a pseudo-terminal. It answers call cross, read version and\n"
    "find cross at its address and rate, keeps the brightness and on/off schedules,\n"
    "clock and parameters it is sent, stores data blocks in its 8 MiB memory\n"
    "(delete animations erases it to FF) and acknowledges each block with 0x45.\n"
    "Frames to other addresses or at another rate get no answer.\n\n"
    "The state folder holds settings.ini (the latest settings as hex bytes),\n"
    "memory.bin (the memory) and commands.log (one line per frame received);\n"
    "a restarted cross-sim takes the settings and memory over. Each frame received\n"
    "is also printed on standard output.\n\n"
    "Signals: SIGUSR1 sends the three self-test frames, a second apart;\n"
    "SIGINT or SIGTERM end it and remove the link.";

struct Options {
    cross_sim::CrossConfig config;
    QString link;
    QString state;
    int port = 0;
    bool selfTestRepeat = false;
};

bool parseAddress(const QString &text, cross_sim::Address &address)
{
    const QByteArray bytes = QByteArray::fromHex(text.toLatin1());
    if (text.size() != 8 || bytes.size() != 4 || bytes.toHex().toUpper() != text.toUpper().toLatin1())
        return false;
    for (std::size_t i = 0; i < 4; ++i)
        address[i] = std::uint8_t(bytes[qsizetype(i)]);
    return true;
}

QString parse(QCommandLineParser &p, Options &o)
{
    const QString state = p.value(QStringLiteral("state"));
    o.state = QDir(state).absolutePath();
    o.link = p.isSet(QStringLiteral("link")) ? p.value(QStringLiteral("link"))
                                              : QDir(o.state).filePath(QStringLiteral("tty"));
    if (!parseAddress(p.value(QStringLiteral("address")), o.config.address))
        return QStringLiteral("--address wants eight hexadecimal digits");
    bool ok = false;
    const int resolution = p.value(QStringLiteral("resolution")).toInt(&ok);
    if (!ok || (resolution != 48 && resolution != 64 && resolution != 0))
        return QStringLiteral("--resolution wants 48, 64 or 0");
    o.config.version = cross_sim::versionForResolution(resolution);
    if (p.isSet(QStringLiteral("version")))
        o.config.version = p.value(QStringLiteral("version")).toLatin1().leftJustified(8, ' ', true);
    auto number = [&](const char *name, int &field, int min) {
        bool good = false;
        field = p.value(QString::fromLatin1(name)).toInt(&good);
        return good && field >= min;
    };
    if (!number("baud", o.config.baudRate, 1))
        return QStringLiteral("--baud wants a rate such as 9600 or 115200");
    if (!number("ignore-blocks", o.config.ignoreBlocks, 0) || !number("reply-delay", o.config.replyDelayMs, 0))
        return QStringLiteral("--ignore-blocks and --reply-delay want numbers of 0 or more");
    if (p.isSet(QStringLiteral("port")) && !number("port", o.port, 1))
        return QStringLiteral("--port wants a port number of 1 or more");
    o.config.silent = p.isSet(QStringLiteral("silent"));
    o.selfTestRepeat = p.isSet(QStringLiteral("self-test"));
    return {};
}

void addOptions(QCommandLineParser &p)
{
    p.setApplicationDescription(QString::fromLatin1(kDescription));
    p.addOptions({
        {QStringLiteral("state"), QStringLiteral("Folder for the cross's state (default: cross-sim-state)."), QStringLiteral("DIR"), QStringLiteral("cross-sim-state")},
        {QStringLiteral("link"), QStringLiteral("Link to create to the terminal device (default: DIR/tty of --state)."), QStringLiteral("PATH")},
        {QStringLiteral("port"), QStringLiteral("Also map COM<N> to the link in section PORTS of the Halvane.ini of the application folder (see --app-dir)."), QStringLiteral("N")},
        {QStringLiteral("address"), QStringLiteral("The cross's address (default: FFFFFFEF)."), QStringLiteral("HEX8"), QStringLiteral("FFFFFFEF")},
        {QStringLiteral("resolution"), QStringLiteral("48 or 64, reported in the version text; 0 names neither (default: 48)."), QStringLiteral("N"), QStringLiteral("48")},
        {QStringLiteral("version"), QStringLiteral("The eight version characters (instead of --resolution)."), QStringLiteral("TEXT")},
        {QStringLiteral("baud"), QStringLiteral("The one rate the cross understands (default: 9600)."), QStringLiteral("RATE"), QStringLiteral("9600")},
        {QStringLiteral("silent"), QStringLiteral("Fault: answer nothing and keep nothing.")},
        {QStringLiteral("ignore-blocks"), QStringLiteral("Fault: drop the first N data blocks unanswered."), QStringLiteral("N"), QStringLiteral("0")},
        {QStringLiteral("reply-delay"), QStringLiteral("Fault: answer MS milliseconds late."), QStringLiteral("MS"), QStringLiteral("0")},
        {QStringLiteral("self-test"), QStringLiteral("Send a self-test frame every second (as a cross in test mode).")},
        {QStringLiteral("show"), QStringLiteral("Do not start: show what the memory of the state folder holds (the TOC in words) and write it into DIR as toc.txt, animation-NN.gif and text-NN.png. The cross's size comes from --resolution when given, else from the state folder."), QStringLiteral("DIR")},
    });
}

common::Status mapPort(int port, const QString &link)
{
    const QString ini = common::applicationFile(QStringLiteral("Halvane.ini"));
    const common::Status mapped = common::WritePrivateProfileStringA(
        QStringLiteral("PORTS"), QStringLiteral("COM%1").arg(port), QFileInfo(link).absoluteFilePath(), ini);
    if (mapped)
        out() << "Mapped COM" << port << " in " << ini << "\n";
    return mapped;
}

// Serves self-test requests and echoes each frame received until SIGINT or SIGTERM.
void runUntilSignalled(cross_sim::PtyCross &cross)
{
    qsizetype printed = 0;
    while (!g_quit) {
        if (g_selfTest) {
            g_selfTest = 0;
            cross.requestSelfTest();
        }
        const QStringList lines = cross.withCross([&](const cross_sim::VirtualCross &c) {
            const QStringList &log = c.state().log;
            const qsizetype total = c.state().commandsSeen;
            const qsizetype fresh = std::min<qsizetype>(total - printed, log.size());
            printed = total;
            return log.mid(log.size() - fresh);
        });
        for (const QString &line : lines)
            out() << line << Qt::endl;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

// --show: what arrived, from the state folder's memory.
int showState(const QString &state, const QString &outDir, int resolution)
{
    const cross_sim::StateFolder folder(state);
    QFile memory(folder.path(QStringLiteral("memory.bin")));
    if (!memory.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("no memory in %1 (%2)").arg(state, memory.errorString()));
    if (resolution == 0)
        resolution = halvane::link::resolutionFromVersion(folder.savedVersion());
    const int side = resolution == 64 ? 64 : 48;
    const cross_sim::MemoryView view = cross_sim::readMemoryView(memory.readAll(), side);
    for (const QString &line : cross_sim::describeMemoryView(view))
        out() << line << "\n";
    if (const common::Status s = cross_sim::writeMemoryView(view, outDir); !s)
        return fail(s.message);
    out() << "Written to " << QDir(outDir).absolutePath() << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    addOptions(parser);
    // --app-dir is the application folder for --port.
    if (const auto done = common::cli::parseCommon(parser, QStringLiteral("cross-sim"), app.arguments(),
                                                   [&] { common::cli::out() << parser.helpText(); }, 2))
        return *done;
    Options options;
    if (const QString error = parse(parser, options); !error.isEmpty())
        return fail(error);

    if (parser.isSet(QStringLiteral("show")))
        return showState(options.state, parser.value(QStringLiteral("show")),
                         parser.isSet(QStringLiteral("resolution")) ? parser.value(QStringLiteral("resolution")).toInt() : 0);

    cross_sim::PtyCross cross(options.config);
    if (const common::Status s = cross.useStateFolder(options.state); !s)
        return fail(s.message);
    if (const common::Status s = cross.start(options.link); !s)
        return fail(s.message);
    cross.setSelfTestRepeat(options.selfTestRepeat);
    if (options.port > 0)
        if (const common::Status s = mapPort(options.port, options.link); !s)
            return fail(s.message);
    out() << "cross-sim: " << options.link << " -> " << cross.devicePath() << ", address "
          << parser.value(QStringLiteral("address")).toUpper() << ", " << options.config.baudRate
          << " baud, version \"" << QString::fromLatin1(options.config.version) << "\", state "
          << options.state << Qt::endl;

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGUSR1, onSignal);
    runUntilSignalled(cross);
    cross.stop();
    return 0;
}
