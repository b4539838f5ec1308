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

int usageError(const QString &usage)
{
    return fail(QStringLiteral("usage: halvane-cli ") + usage, 2);
}

} // namespace halvane::cli
