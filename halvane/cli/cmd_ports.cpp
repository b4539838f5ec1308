#include "halvane/cli/commands.h"
#include "halvane/cli/link_cli.h"

#include "halvane/link/device_check.h"
#include "halvane/settings/port_map.h"
#include "halvane/settings/halvane_config.h"

#include <QList>

namespace halvane::cli {

// `ports`: COM1..COM16, the device each stands for and whether this user
// can open it, so a refused open can be put right before a search.
int runPorts(const Arguments &parsed)
{
    if (!parsed.positional.isEmpty())
        return usageError(QStringLiteral("ports"));
    const QString ini = settings::halvaneIniPath();
    QList<link::DeviceFacts> rows;
    qsizetype width = 0;
    for (int n = 1; n <= settings::kRulePortCount; ++n) {
        rows << link::inspectDevice(ini, n, true);
        width = std::max(width, rows.last().device.size());
    }
    for (const link::DeviceFacts &f : rows) {
        const QString device = f.device.isEmpty() ? QStringLiteral("-") : f.device;
        out() << QStringLiteral("COM%1").arg(f.portNumber).leftJustified(6) << device.leftJustified(width + 2)
              << link::describeState(f) << "\n";
    }
    out().flush();
    return 0;
}

} // namespace halvane::cli
