#include "halvane/cli/commands.h"
#include "halvane/cli/link_cli.h"

#include "halvane/link/serial_port.h"
#include "halvane/link/settings_commands.h"

namespace halvane::cli {

using link::BrightnessSchedule;
using link::OnOffDay;

namespace {

const QString kBrightUsage = QStringLiteral(
    "bright get | bright set auto | bright set always L | bright set HH:MM=L HH:MM=L HH:MM=L HH:MM=L"
    "   (L = 1..4)");
const QString kOnOffUsage = QStringLiteral(
    "onoff get | onoff set DAY=SPEC...   (DAY: Monday..Sunday or mon..sun;"
    " SPEC: open | closed | HH:MM-HH:MM,HH:MM-HH:MM)");

// A level 1..4 as typed, as the list position 0..3.
std::optional<int> parseLevel(const QString &text)
{
    bool ok = false;
    const int level = text.toInt(&ok);
    return ok && level >= 1 && level <= 4 ? std::optional(level - 1) : std::nullopt;
}

std::optional<BrightnessSchedule> parseBrightness(const QStringList &args)
{
    BrightnessSchedule s; // the Set Bright dialog's defaults for what is not given
    if (args.size() == 1 && args.first().compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0) {
        s.mode = BrightnessSchedule::Mode::Automatic;
        return s;
    }
    if (args.size() == 2 && args.first().compare(QLatin1String("always"), Qt::CaseInsensitive) == 0) {
        const auto level = parseLevel(args.at(1));
        if (!level)
            return std::nullopt;
        s.alwaysLevel = *level;
        return s;
    }
    if (args.size() != 4)
        return std::nullopt;
    s.mode = BrightnessSchedule::Mode::Times;
    for (std::size_t i = 0; i < 4; ++i) {
        const QStringList parts = args.at(qsizetype(i)).split(QLatin1Char('='));
        const auto start = parseClockTime(parts.value(0));
        const auto level = parseLevel(parts.value(1));
        if (parts.size() != 2 || !start || !level)
            return std::nullopt;
        s.rows[i] = {*start, *level};
    }
    return s;
}

void printBrightness(const BrightnessSchedule &s)
{
    if (s.mode == BrightnessSchedule::Mode::Automatic)
        out() << "auto\n";
    else if (s.mode == BrightnessSchedule::Mode::Always)
        out() << "always " << s.alwaysLevel + 1 << "\n";
    else
        for (const link::BrightnessRow &row : s.rows)
            out() << row.start.text() << " " << row.level + 1 << "\n";
}

std::optional<int> parseDay(const QString &text)
{
    const QStringList &names = link::dayNames();
    for (int d = 0; d < int(names.size()); ++d)
        if (text.compare(names.at(d), Qt::CaseInsensitive) == 0
            || text.compare(names.at(d).left(3), Qt::CaseInsensitive) == 0)
            return d;
    return std::nullopt;
}

std::optional<OnOffDay> parseDaySpec(const QString &spec)
{
    OnOffDay day;
    if (spec.compare(QLatin1String("open"), Qt::CaseInsensitive) == 0)
        return day;
    if (spec.compare(QLatin1String("closed"), Qt::CaseInsensitive) == 0) {
        day.mode = OnOffDay::Mode::AlwaysClosed;
        return day;
    }
    const QStringList windows = spec.split(QLatin1Char(','));
    if (windows.size() != 2)
        return std::nullopt;
    day.mode = OnOffDay::Mode::Times;
    for (std::size_t w = 0; w < 2; ++w) {
        const QStringList ends = windows.at(qsizetype(w)).split(QLatin1Char('-'));
        const auto open = parseClockTime(ends.value(0));
        const auto close = parseClockTime(ends.value(1));
        if (ends.size() != 2 || !open || !close)
            return std::nullopt;
        day.times[2 * w] = *open;
        day.times[2 * w + 1] = *close;
    }
    return day;
}

std::optional<link::OnOffSchedule> parseOnOff(const QStringList &args, QString &error)
{
    link::OnOffSchedule schedule; // days not named keep the On/Off dialog's defaults
    std::array<bool, 7> given{};
    for (const QString &arg : args) {
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        const auto d = parseDay(arg.left(eq));
        const auto day = parseDaySpec(arg.mid(eq + 1));
        if (eq < 0 || !d || !day) {
            error = QStringLiteral("bad day setting '%1'").arg(arg);
            return std::nullopt;
        }
        if (given[std::size_t(*d)]) {
            error = QStringLiteral("%1 is given twice").arg(link::dayNames().at(*d));
            return std::nullopt;
        }
        given[std::size_t(*d)] = true;
        schedule[std::size_t(*d)] = *day;
    }
    return schedule;
}

void printOnOff(const link::OnOffSchedule &schedule)
{
    for (std::size_t d = 0; d < schedule.size(); ++d) {
        const OnOffDay &day = schedule[d];
        out() << link::dayNames().at(qsizetype(d)) << " ";
        if (day.mode == OnOffDay::Mode::AlwaysOpen)
            out() << "open";
        else if (day.mode == OnOffDay::Mode::AlwaysClosed)
            out() << "closed";
        else
            out() << day.times[0].text() << "-" << day.times[1].text() << ","
                  << day.times[2].text() << "-" << day.times[3].text();
        out() << "\n";
    }
}

// Prints what was read, or reports why nothing was.
template <class T>
int printRead(const link::LinkResult<T> &read, void (*print)(const T &))
{
    if (!read.status.ok())
        return report(read.status);
    print(read.value);
    return 0;
}

} // namespace

// `bright get|set`: the daily brightness schedule.
int runBright(const Arguments &parsed)
{
    const QStringList &args = parsed.positional;
    const QString verb = args.value(0);
    link::SystemLink system;
    if (verb == QLatin1String("get") && args.size() == 1)
        return printRead(link::ReadBrightnessSchedule(system.context()), printBrightness);
    if (verb != QLatin1String("set"))
        return usageError(kBrightUsage);
    const auto schedule = parseBrightness(args.mid(1));
    if (!schedule)
        return usageError(kBrightUsage);
    return report(link::SetBrightnessSchedule(system.context(), *schedule));
}

// `onoff get|set`: the weekly on/off schedule.
int runOnOff(const Arguments &parsed)
{
    const QStringList &args = parsed.positional;
    const QString verb = args.value(0);
    link::SystemLink system;
    if (verb == QLatin1String("get") && args.size() == 1)
        return printRead(link::ReadOnOffSchedule(system.context()), printOnOff);
    if (verb != QLatin1String("set") || args.size() < 2)
        return usageError(kOnOffUsage);
    QString error;
    const auto schedule = parseOnOff(args.mid(1), error);
    if (!schedule)
        return fail(error + QStringLiteral("; usage: halvane-cli ") + kOnOffUsage, 2);
    return report(link::SetOnOffSchedule(system.context(), *schedule));
}

} // namespace halvane::cli
