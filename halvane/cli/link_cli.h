#pragma once

#include "halvane/link/link_status.h"
#include "halvane/link/settings_codec.h"

#include <QString>

#include <optional>

// Shared pieces of the device commands of halvane-cli.
namespace halvane::cli {

// The exit status for an outcome: 0 ok, 1 no answer or failure, 2 refused
// values, 3 port not opened.
int exitCode(const link::LinkStatus &status);

// Prints the outcome: success and cross results on stdout, refused values and
// port failures on stderr. Returns exitCode(status).
int report(const link::LinkStatus &status);

// "HH:MM" with HH 0..23 and MM 0..59.
std::optional<link::ClockTime> parseClockTime(const QString &text);

// The details of the device commands for `halvane-cli help`.
QString deviceHelp();

// Prints `usage` as the error of a command used wrongly; returns 2.
int usageError(const QString &usage);

} // namespace halvane::cli
