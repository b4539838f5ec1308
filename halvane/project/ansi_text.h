#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace halvane::project {

// The single-byte "ANSI" text of .plst files: Windows-1252, the code page of
// the languages Halvane ships in. Each byte is one character; the five bytes
// that code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the
// control characters of the same value, so every byte string comes back
// unchanged after a round trip.

// Every byte gives one character.
QString ansiToString(QByteArrayView bytes);

// The bytes of `text`, or nothing when a character has no single-byte form.
std::optional<QByteArray> stringToAnsi(const QString &text);

// Whether every character of `text` has a single-byte form.
bool isAnsiText(const QString &text);

} // namespace halvane::project
