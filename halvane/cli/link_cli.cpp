#include "halvane/cli/link_cli.h"

#include "halvane/cli/commands.h"

#include <QRegularExpression>

namespace halvane::cli {

using Code = link::LinkStatus::Code;

int exitCode(const link::LinkStatus &status)
{
    switch (status.code) {
    case Code::Ok:
        return 0;
    case Code::BadValue:
        return 2;
    case Code::PortNotOpened:
        return 3;
    default:
        return 1;
    }
}

int report(const link::LinkStatus &status)
{
    const int code = exitCode(status);
    if (code == 2 || code == 3)
        return fail(status.message, code);
    if (!status.message.isEmpty()) {
        out() << status.message << "\n";
        out().flush();
    }
    return code;
}

std::optional<link::ClockTime> parseClockTime(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const link::ClockTime t{m.captured(1).toInt(), m.captured(2).toInt()};
    return t.valid() ? std::optional(t) : std::nullopt;
}

QString deviceHelp()
{
    return QStringLiteral(
        "\nCross commands read PORT, BAUDRATE and the cross address from Halvane.ini as they run.\n"
        "  bright set SPEC    SPEC: auto | always L | HH:MM=L HH:MM=L HH:MM=L HH:MM=L (L = 1..4),\n"
        "                     start times rising\n"
        "  onoff set DAY=SPEC...\n"
        "                     DAY: Monday..Sunday (any case) or mon..sun; SPEC: open | closed |\n"
        "                     HH:MM-HH:MM,HH:MM-HH:MM (rising); days not named go as \"open\"\n"
        "  params set         --resolution 48|64 and --dots 0-3 take effect in Halvane.ini at once;\n"
        "                     with --zone TEXT (Zone 0, E1..E11, E12&W12, W11..W1) or --factor N\n"
        "                     (-10..+10) the parameters go to the cross, the rest as Halvane.ini has them\n"
        "  test --timeout S   listen S seconds at most (default 10)\n"
        "\nPorts: COM<n> is the device given in section PORTS of Halvane.ini (COM3=/dev/ttyUSB0;\n"
        "an empty value means none), else COM1-8 = /dev/ttyUSB0-7, COM9-12 = /dev/ttyACM0-3,\n"
        "COM13-16 = /dev/ttyS0-3. `halvane-cli ports` shows each device and whether it can be opened.\n"
        "\nExit status: 0 done; 1 the cross did not answer or reported failure; 2 bad usage or\n"
        "values; 3 the port cannot be opened (\"Can't Open Com Port!\", then which device and why).\n");
}

int usageError(const QString &usage)
{
    return fail(QStringLiteral("usage: halvane-cli ") + usage, 2);
}

} // namespace halvane::cli
