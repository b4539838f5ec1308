#pragma once

#include <QString>

namespace halvane::settings {

// Which device a port number ("COM<n>") stands for.
//
// Section PORTS of Halvane.ini maps numbers to devices one by one
// ("COM3=/dev/ttyUSB0"; an empty value, "COM3=", means that COM3 has no
// device). A number without an entry follows one fixed rule, so a number
// always names the same device whatever is plugged in:
//
//   COM1  .. COM8   /dev/ttyUSB0 .. /dev/ttyUSB7   (USB serial adapters)
//   COM9  .. COM12  /dev/ttyACM0 .. /dev/ttyACM3   (USB CDC-ACM adapters)
//   COM13 .. COM16  /dev/ttyS0   .. /dev/ttyS3     (built-in serial ports)
//
// Numbers above 16 have a device only through section PORTS.
inline constexpr int kRulePortCount = 16;

// The device path for `portNumber`, or "" when the number has none.
QString portDevicePath(const QString &iniPath, int portNumber);

// The device the fixed rule gives (no Halvane.ini involved), or "".
QString defaultPortDevicePath(int portNumber);

} // namespace halvane::settings
