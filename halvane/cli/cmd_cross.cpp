#include "halvane/cli/commands.h"
#include "halvane/cli/link_cli.h"

#include "halvane/link/cross_test.h"
#include "halvane/link/serial_port.h"
#include "halvane/link/settings_commands.h"
#include "halvane/project/halvane_config.h"

#include <map>

namespace halvane::cli {

using namespace halvane::project;

// `sync-time`: sets the cross clock from the local time.
int runSyncTime(const QStringList &args)
{
    if (!args.isEmpty())
        return usageError(QStringLiteral("sync-time"));
    link::SystemLink system;
    const auto sent = link::SetCrossClock(system.context());
    if (!sent.status.ok())
        return report(sent.status);
    out() << "Clock sent: " << sent.value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << "\n";
    return 0;
}

namespace {

const QString kParamsUsage = QStringLiteral(
    "params set [--resolution 48|64] [--dots 0-3] [--zone TEXT] [--factor N]"
    "   (TEXT: Zone 0, E1..E11, E12&W12, W11..W1; N: -10..+10)");

// Options as given: "--name value" or "--name=value".
std::optional<std::map<QString, QString>> parseOptions(const QStringList &args)
{
    static const QStringList kNames{QStringLiteral("--resolution"), QStringLiteral("--dots"),
                                    QStringLiteral("--zone"), QStringLiteral("--factor")};
    std::map<QString, QString> options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString name = args.at(i);
        QString value;
        if (const qsizetype eq = name.indexOf(QLatin1Char('=')); eq > 0) {
            value = name.mid(eq + 1);
            name = name.left(eq);
        } else if (i + 1 < args.size()) {
            value = args.at(++i);
        } else {
            return std::nullopt;
        }
        if (!kNames.contains(name) || options.count(name))
            return std::nullopt;
        options[name] = value;
    }
    return options;
}

std::optional<int> parseInt(const QString &text, int min, int max)
{
    bool ok = false;
    const int v = text.toInt(&ok); // takes a leading '+' as well
    return ok && v >= min && v <= max ? std::optional(v) : std::nullopt;
}

std::optional<int> zonePosition(const QString &text)
{
    const QStringList &names = link::timeZoneNames();
    for (int i = 0; i < int(names.size()); ++i)
        if (names.at(i).compare(text.simplified(), Qt::CaseInsensitive) == 0)
            return i;
    return std::nullopt;
}

// A list position stored in Halvane.ini, or the default when it names no entry.
int storedPosition(const QString &ini, const char *key, int defaultValue, int count)
{
    const int v = readBootInt(ini, key, defaultValue);
    return v >= 0 && v < count ? v : defaultValue;
}

} // namespace

// `params set`: resolution and frame dots take effect in Halvane.ini at once;
// with --zone or --factor the parameters go to the cross.
int runParams(const QStringList &args)
{
    const auto options = args.value(0) == QLatin1String("set") ? parseOptions(args.mid(1)) : std::nullopt;
    if (!options || options->empty())
        return usageError(kParamsUsage);
    auto given = [&](const char *name) { return options->count(QString::fromLatin1(name)) > 0; };
    auto value = [&](const char *name) { return options->at(QString::fromLatin1(name)); };
    const auto resolution = given("--resolution") ? parseInt(value("--resolution"), 48, 64) : std::nullopt;
    const auto dots = given("--dots") ? parseInt(value("--dots"), 0, 3) : std::nullopt;
    const auto zone = given("--zone") ? zonePosition(value("--zone")) : std::nullopt;
    const auto factor = given("--factor") ? parseInt(value("--factor"), -10, 10) : std::nullopt;
    if ((given("--resolution") && (!resolution || (*resolution != 48 && *resolution != 64)))
        || (given("--dots") && !dots) || (given("--zone") && !zone) || (given("--factor") && !factor))
        return usageError(kParamsUsage);

    const QString ini = halvaneIniPath();
    if (resolution) {
        writeBootInt(ini, kKeyCrossStyle, *resolution == 64 ? kCrossStyle64 : kCrossStyle48);
        out() << "Cross resolution: " << *resolution << " x " << *resolution << "\n";
    }
    if (dots) {
        writeBootInt(ini, kKeyHarnessFrameDots, *dots);
        out() << "Harness frame dots: " << *dots << "\n";
    }
    if (!zone && !factor)
        return 0;
    // What is not given is sent as the Parameters dialog shows it on opening.
    const int sendDots = common::CrossGeometry::clampFrameDots(readBootInt(ini, kKeyHarnessFrameDots, 0));
    const int sendZone = zone ? *zone : storedPosition(ini, kKeyTimeZone, 0, link::kTimeZoneCount);
    const int sendFactor = factor ? 10 - *factor
                                  : storedPosition(ini, kKeyTempFactor, kDefaultTempFactor,
                                                   link::kTempFactorCount);
    link::SystemLink system;
    return report(link::SetCrossParameters(system.context(), sendDots, sendZone, sendFactor));
}

// `version`: the cross's eight version characters.
int runVersion(const QStringList &args)
{
    if (!args.isEmpty())
        return usageError(QStringLiteral("version"));
    link::SystemLink system;
    const auto read = link::ReadMcuVersion(system.context());
    if (!read.status.ok())
        return report(read.status);
    QString text = QString::fromLatin1(read.value);
    for (QChar &c : text)
        if (!c.isPrint())
            c = QLatin1Char('?'); // the line is untrusted: no control characters to the terminal
    out() << text << "\n";
    return 0;
}

// `test [--timeout S]`: listens for the cross's self-test frames.
int runTest(const QStringList &args)
{
    constexpr int kDefaultTimeoutS = 10;
    int timeout = kDefaultTimeoutS;
    if (!args.isEmpty()) {
        const auto t = args.size() == 2 && args.first() == QLatin1String("--timeout")
                           ? parseInt(args.at(1), 1, 3600)
                           : std::nullopt;
        if (!t)
            return usageError(QStringLiteral("test [--timeout S]   (S = 1..3600 seconds, default 10)"));
        timeout = *t;
    }
    link::SystemLink system;
    return report(link::RunCrossTest(system.context(), nullptr, timeout * 1000));
}

} // namespace halvane::cli
