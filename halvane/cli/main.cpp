// halvane-cli: Halvane's cross commands, project tools, image build, send and
// preview export for terminals and scripts.

#include "common/app_dir.h"
#include "common/cross_geometry.h"
#include "halvane/project/halvane_config.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

using namespace halvane::project;

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

void printUsage()
{
    out() << "Usage: halvane-cli [--app-dir DIR] COMMAND [ARGS]\n"
             "\n"
             "Commands:\n"
             "  info        the cross geometry and the settings of Halvane.ini\n"
             "  help        this text\n";
    out().flush();
}

int runInfo()
{
    const QString ini = halvaneIniPath();
    const StartupSettings startup = readStartupSettings(ini);
    const common::CrossGeometry g = startup.geometry();
    const CrossAddress address = readBootAddress(ini, Address4Fallback::EF);
    QStringList addressText;
    for (std::uint8_t b : address)
        addressText << addressByteToText(b);

    out() << "Settings file:      " << ini << "\n"
          << "Cross:              " << g.side << " x " << g.side << " (" << g.dotCount()
          << " dots, text band " << g.barHeight() << " rows)\n"
          << "Harness frame dots: " << g.harnessFrameDots << "\n"
          << "CROSSSTYLE:         " << startup.crossStyle << "\n"
          << "LANGUAGE:           " << startup.language << "\n"
          << "PORT:               " << readBootInt(ini, kKeyPort, 0) << "\n"
          << "BAUDRATE:           " << readBootInt(ini, kKeyBaudRate, 0) << "\n"
          << "FIND:               " << readBootInt(ini, kKeyFind, 0) << "\n"
          << "Cross address:      " << addressText.join(QLatin1Char(' ')) << "\n"
          << "Fonts:              " << readFontNames(ini).join(QStringLiteral(", ")) << "\n";
    out().flush();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    QString error;
    if (!common::takeAppDirArgument(args, &error)) {
        err() << "halvane-cli: " << error << "\n";
        return 2;
    }
    args.removeFirst();
    const QString command = args.value(0);
    if (command == QLatin1String("info"))
        return runInfo();
    if (command.isEmpty() || command == QLatin1String("help") || command == QLatin1String("--help")) {
        printUsage();
        return command.isEmpty() ? 2 : 0;
    }
    err() << "halvane-cli: unknown command '" << command << "' (see halvane-cli help)\n";
    return 2;
}
