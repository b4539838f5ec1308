#pragma once

#include "common/cross_geometry.h"
#include "common/status.h"

#include <QString>

#include <array>
#include <cstdint>

namespace halvane::settings {

// The keys of Halvane.ini and the rules for reading them. The file is the
// shared state between Halvane's parts: nothing here caches a value, every
// reader asks the file at the moment it needs it.

inline constexpr char kSectionBoot[] = "BOOT";
inline constexpr char kSectionFile[] = "FILE";
inline constexpr char kSectionFont[] = "FONT";
inline constexpr char kSectionPorts[] = "PORTS";

inline constexpr char kKeyPort[] = "PORT";
inline constexpr char kKeyBaudRate[] = "BAUDRATE";
inline constexpr char kKeyFind[] = "FIND";
inline constexpr char kKeyCrossStyle[] = "CROSSSTYLE";
inline constexpr char kKeyHarnessFrameDots[] = "HARNESSFRAMEDOTS";
inline constexpr char kKeyLanguage[] = "LANGUAGE";
inline constexpr char kKeyLedAddress[] = "LEDADDRESS";
inline constexpr char kKeyCrossNo[] = "CROSSNO";
inline constexpr char kKeyTimeZone[] = "TIMEZONE";
inline constexpr char kKeyTempFactor[] = "TEMPFACTOR";
inline constexpr char kKeyPreFile[] = "PREFILE";
inline constexpr char kKeyFontNum[] = "FONTNUM";

// Defaults when a key is absent.
inline constexpr int kDefaultTempFactor = 10;
inline constexpr int kDefaultFontNum = 3;
// CROSSSTYLE values the search writes.
inline constexpr int kCrossStyle48 = 0;
inline constexpr int kCrossStyle64 = 1;
inline constexpr int kCrossStyleError = 99;

// Buffer sizes of the string reads (the value is cut to size - 1).
inline constexpr int kBootAddressSize = 5;
inline constexpr int kFontNameSize = 100;
inline constexpr int kStoredAddressSize = 100;
inline constexpr int kPreFileSize = 256;

// Full path of Halvane.ini in the application folder.
QString halvaneIniPath();

// "ADDRESS1" .. "ADDRESS4" (part 1..4) and "ADDR1" .. "ADDR4" (stored address 1..4).
QString addressKey(int part);
QString storedAddressSection(int number);

// The fall-back of ADDRESS4 when it is absent: "EF" for most commands, "FF"
// for the clock synchronisation, the On/Off read-back, the cross test and
// the send job's call cross.
enum class Address4Fallback { EF, FF };
QString address4Default(Address4Fallback fallback);

// Text to byte: lower-cased; first character is the high nibble, last the
// low nibble; 'a'..'f' count 10..15, any other character its own decimal
// value ("0".."9"), else 0. One character gives both nibbles; "" gives 00.
std::uint8_t addressTextToByte(const QString &text);
// Byte to text: always two characters, upper-case ("0F", "EF").
QString addressByteToText(std::uint8_t byte);

using CrossAddress = std::array<std::uint8_t, 4>;

// The four parts of the current cross address from section BOOT of `iniPath`,
// each read with a buffer of 5, with the ADDRESS4 fall-back chosen by the caller.
CrossAddress readBootAddress(const QString &iniPath, Address4Fallback fallback);

// The settings the application reads once at start-up.
struct StartupSettings {
    int crossStyle = 0;       // as stored; 1 means 64, anything else 48
    int harnessFrameDots = 0; // 0..3
    int language = 0;         // 0 Auto, 1 English, 2 French, 3 Italian, 4 Spanish; others built-in
    common::CrossGeometry geometry() const
    {
        return common::CrossGeometry::fromSettings(crossStyle, harnessFrameDots);
    }
};
StartupSettings readStartupSettings(const QString &iniPath);

// What the Parameters dialog (and `halvane-cli params`) start from: the
// resolution as stored (0 = 48, 1 = 64, anything else neither), the harness
// frame dots 0..3, and the time zone and temperature factor list positions,
// each its default when the stored value names no entry.
struct ParameterSettings {
    static constexpr int kTimeZones = 24;
    static constexpr int kTempFactors = 21;

    int crossStyle = kCrossStyle48;
    int harnessFrameDots = 0;
    int timeZone = 0;
    int tempFactor = kDefaultTempFactor;
};
ParameterSettings readParameterSettings(const QString &iniPath);
// The resolution and harness choices take effect at once, each its own key.
common::Status writeCrossResolution(const QString &iniPath, int side);
common::Status writeHarnessFrameDots(const QString &iniPath, int dots);

// FONTNUM (3 when absent), at most 999.
int readFontCount(const QString &iniPath);
// The non-empty font names FONT1 .. FONT<FONTNUM>, in key order.
QStringList readFontNames(const QString &iniPath);

// Small wrappers that name the file and section once.
int readBootInt(const QString &iniPath, const char *key, int defaultValue);
common::Status writeBootInt(const QString &iniPath, const char *key, int value);

} // namespace halvane::settings
