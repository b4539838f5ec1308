#include "halvane/cli/commands.h"
#include "halvane/cli/link_cli.h"

#include "halvane/link/cross_test.h"
#include "halvane/link/serial_port.h"
#include "halvane/link/settings_commands.h"
#include "halvane/settings/halvane_config.h"


namespace halvane::cli {

using namespace halvane::settings;

// `sync-time`: sets the cross clock from the local time.
int runSyncTime(const Arguments &parsed)
{
    const QStringList &args = parsed.positional;
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

constexpr int kNotGiven = -100;

// What `params set` was asked to do; kNotGiven for an option not given.
struct ParamsRequest {
    int resolution = kNotGiven; // 48 or 64
    int dots = kNotGiven;       // 0..3
    int zone = kNotGiven;       // time zone list position
    int factor = kNotGiven;     // -10..+10

    bool sendsToCross() const { return zone != kNotGiven || factor != kNotGiven; }
};

// A number in min..max, or kNotGiven.
int parseInt(const QString &text, int min, int max)
{
    bool ok = false;
    const int v = text.toInt(&ok); // takes a leading '+' as well
    return ok && v >= min && v <= max ? v : kNotGiven;
}

int zonePosition(const QString &text)
{
    const QStringList &names = link::timeZoneNames();
    for (int i = 0; i < int(names.size()); ++i)
        if (names.at(i).compare(text.simplified(), Qt::CaseInsensitive) == 0)
            return i;
    return kNotGiven;
}

// Sets the field of option `name` from `value`; false for an unknown,
// repeated or invalid option.
bool takeOption(ParamsRequest &r, const QString &name, const QString &value)
{
    int *field = name == QLatin1String("--resolution") ? &r.resolution
                 : name == QLatin1String("--dots")     ? &r.dots
                 : name == QLatin1String("--zone")     ? &r.zone
                 : name == QLatin1String("--factor")   ? &r.factor
                                                       : nullptr;
    if (!field || *field != kNotGiven)
        return false;
    if (field == &r.resolution)
        *field = value == QLatin1String("48") || value == QLatin1String("64") ? value.toInt() : kNotGiven;
    else if (field == &r.dots)
        *field = parseInt(value, 0, 3);
    else if (field == &r.zone)
        *field = zonePosition(value);
    else
        *field = parseInt(value, -10, 10);
    return *field != kNotGiven;
}

// The options given; at least one, each valid.
bool parseParams(const Arguments &parsed, ParamsRequest &r)
{
    for (auto it = parsed.values.cbegin(); it != parsed.values.cend(); ++it)
        if (!takeOption(r, it.key(), it.value()))
            return false;
    return !parsed.values.isEmpty();
}

} // namespace

static_assert(ParameterSettings::kTimeZones == link::kTimeZoneCount);
static_assert(ParameterSettings::kTempFactors == link::kTempFactorCount);

// `params set`: resolution and frame dots take effect in Halvane.ini at once;
// with --zone or --factor the parameters go to the cross.
int runParams(const Arguments &parsed)
{
    const QStringList &args = parsed.positional;
    ParamsRequest r;
    if (args != QStringList{QStringLiteral("set")} || !parseParams(parsed, r))
        return usageError(kParamsUsage);
    const QString ini = halvaneIniPath();
    if (r.resolution != kNotGiven) {
        if (const common::Status written = writeCrossResolution(ini, r.resolution); !written)
            return fail(written.message, kFileError);
        out() << "Cross resolution: " << r.resolution << " x " << r.resolution << "\n";
    }
    if (r.dots != kNotGiven) {
        if (const common::Status written = writeHarnessFrameDots(ini, r.dots); !written)
            return fail(written.message, kFileError);
        out() << "Harness frame dots: " << r.dots << "\n";
    }
    if (!r.sendsToCross())
        return 0;
    // What is not given is sent as the Parameters dialog shows it on opening.
    const ParameterSettings stored = readParameterSettings(ini);
    const int zone = r.zone != kNotGiven ? r.zone : stored.timeZone;
    const int factor = r.factor != kNotGiven ? 10 - r.factor : stored.tempFactor;
    const int dots = stored.harnessFrameDots;
    link::SystemLink system;
    return report(link::SetCrossParameters(system.context(), dots, zone, factor));
}

// `version`: the cross's eight version characters.
int runVersion(const Arguments &parsed)
{
    const QStringList &args = parsed.positional;
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
int runTest(const Arguments &parsed)
{
    const QStringList &args = parsed.positional;
    constexpr int kDefaultTimeoutS = 10;
    int timeout = kDefaultTimeoutS;
    if (parsed.has(QStringLiteral("--timeout")))
        timeout = parseInt(parsed.value(QStringLiteral("--timeout")), 1, 3600);
    if (!args.isEmpty() || timeout == kNotGiven)
        return usageError(QStringLiteral("test [--timeout S]   (S = 1..3600 seconds, default 10)"));
    link::SystemLink system;
    const std::atomic<bool> noStop{false};
    return report(link::RunCrossTest(system.context(), noStop, timeout * 1000));
}

} // namespace halvane::cli
