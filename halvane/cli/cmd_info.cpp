#include "halvane/cli/commands.h"

#include "common/cross_geometry.h"
#include "halvane/settings/halvane_config.h"

namespace halvane::cli {

using namespace halvane::settings;

// `info`: the cross geometry and the settings of Halvane.ini, as the program
// would start with them.
int runInfo(const Arguments &)
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

} // namespace halvane::cli
