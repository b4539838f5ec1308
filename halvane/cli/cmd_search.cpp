#include "halvane/cli/commands.h"
#include "halvane/cli/link_cli.h"

#include "halvane/settings/address_book.h"
#include "halvane/link/cross_search.h"
#include "halvane/link/exchanges.h"
#include "halvane/link/serial_port.h"

namespace halvane::cli {

// `search`: the automatic search over COM1..COM16 at both rates, as at the
// program start; it writes PORT, FIND, BAUDRATE and CROSSSTYLE.
int runSearch(const Arguments &parsed)
{
    const QStringList &args = parsed.positional;
    if (!args.isEmpty())
        return usageError(QStringLiteral("search"));
    link::SystemLink system;
    link::CrossSearch search(system.context());
    search.start();
    search.wait();
    const link::SearchResult r = search.result();
    if (!r.settingsError.isEmpty())
        err() << "halvane-cli: the search's result was not kept: " << r.settingsError << "\n";
    if (!r.found) {
        out() << link::linkText(link::kTextCantFindCross) << "\n";
        for (const link::PortProblem &problem : r.portProblems)
            err() << "halvane-cli: " << problem.why << "\n";
        return 1;
    }
    const QString kind = r.resolution ? QStringLiteral("%1x%1").arg(r.resolution) : QStringLiteral("Error");
    out() << "COM" << r.port << " " << r.baudRate << " " << kind << "\n";
    return 0;
}

// `find`: find cross at the current address, port and rate.
int runFind(const Arguments &parsed)
{
    const QStringList &args = parsed.positional;
    if (!args.isEmpty())
        return usageError(QStringLiteral("find"));
    link::SystemLink system;
    return report(link::FindCross(system.context()));
}

namespace {

int showAddresses()
{
    const settings::AddressBook book = settings::readAddressBook(settings::halvaneIniPath());
    for (int row = 0; row < settings::AddressBook::kRows; ++row) {
        out() << "No " << row + 1 << "  " << book.rows[std::size_t(row)].leftJustified(8);
        if (row == book.current)
            out() << "  current";
        out() << "\n";
    }
    if (book.current < 0)
        out() << "No address is current.\n";
    return 0;
}

int setAddress(const QStringList &args)
{
    const QString usage = QStringLiteral("address set N HEX8   (N = 1..4, HEX8 = eight hexadecimal digits)");
    bool ok = false;
    const int row = args.value(0).toInt(&ok);
    if (args.size() != 2 || !ok || row < 1 || row > settings::AddressBook::kRows
        || !settings::isCompleteAddress(args.at(1)))
        return usageError(usage);
    const QString ini = settings::halvaneIniPath();
    settings::AddressBook book = settings::readAddressBook(ini);
    book.rows[std::size_t(row - 1)] = args.at(1).toUpper();
    book.current = row - 1;
    if (const common::Status s = settings::storeAddressBook(ini, book); !s)
        return fail(s.message, 1);
    out() << "No " << row << " = " << args.at(1).toUpper() << " is the current cross.\n";
    return 0;
}

} // namespace

// `address`: the four stored addresses; `address set N HEX8` stores one and
// makes it current, as the Search Cross dialog's OK does.
int runAddress(const Arguments &parsed)
{
    const QStringList &args = parsed.positional;
    if (args.isEmpty())
        return showAddresses();
    if (args.first() == QLatin1String("set"))
        return setAddress(args.mid(1));
    return usageError(QStringLiteral("address [set N HEX8]"));
}

} // namespace halvane::cli
