#pragma once

#include "common/status.h"

#include <QString>

namespace common {

// The settings-file operations both programs use, with the semantics of the
// classic INI profile calls that the settings were designed around:
//  - sections and keys match case-insensitively, spaces around them and
//    around values are ignored, and a value in matching quotes loses them;
//  - the first of duplicate keys or sections wins;
//  - a line without '=' is not a key, a '[name' line without ']' opens
//    section "name"; a UTF-8 byte order mark and CRLF line ends are accepted;
//  - a missing file or key is not an error: the caller's default is used;
//  - every call reads the file again (no cache), every write goes through at
//    once and replaces the file atomically, keeping all other lines byte for
//    byte (whatever their encoding and line ends); writes from several
//    threads or programs are serialized by a lock file beside the settings.

// The value of an integer key. An absent or empty key gives `defaultValue`;
// a value that does not begin with a decimal number (after optional spaces
// and sign) gives 0; "12abc" gives 12, "-5" gives -5.
int GetPrivateProfileIntA(const QString &section, const QString &key, int defaultValue,
                          const QString &path);

// The value of a string key cut to `size - 1` characters; an absent key gives
// `defaultValue` (cut the same way). A size of 0 or less gives "".
QString GetPrivateProfileStringA(const QString &section, const QString &key,
                                 const QString &defaultValue, int size, const QString &path);

// Sets one key, creating the file and the section when missing. The write
// replaces the file atomically; on failure the old file is untouched and the
// status says why.
Status WritePrivateProfileStringA(const QString &section, const QString &key,
                                  const QString &value, const QString &path);

} // namespace common
