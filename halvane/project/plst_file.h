#pragma once

#include "common/status.h"
#include "halvane/project/play_project_records.h"

#include <QByteArray>
#include <QString>

namespace halvane::project {

// The .plst file: the project's records with no header, magic number or
// version, 32-bit little-endian integers and NUL-terminated single-byte texts
// in fixed fields:
//
//   0                 4          N, the number of play list entries (0..30)
//   4                 100 x N    PlayListEntry: name
//   4 + 100N          4          M, the number of animation entries
//   8 + 100N          120 x M    AnimationEntry: in play list, file name[100],
//                                loop, speed, frame style, reserved
//   8 + 100N + 120M   4 x 120    ItemSettings (Hour, Date, Temperature, Humidity):
//                                selected, time, frame style, style A, style B,
//                                back animation[100]
//   488 + 100N + 120M 3 x 388    TextSettings (Text1, Text2, Text3): text[256],
//                                font, bold, italic, size, reserved, offset,
//                                speed, selected, back animation[100]
//
// so a file is 1652 + 100N + 120M bytes long. Bytes after a text's NUL carry
// no meaning; they are written as zeros.
//
// The file is untrusted: decoding checks every count against the length, every
// text field for its NUL, every name for being a plain file name (or, in the
// play list, a message keyword) and every choice field for its range, and
// refuses the file as a whole with a message naming the first fault.

inline constexpr int kEmptyPlstSize = 1652;

// The expected length of a file with N play list and M animation entries.
qint64 plstSize(qint64 playListCount, qint64 animationCount);

// Decodes `bytes`; on failure `out` is untouched and the message says why
// ("is damaged: ..."), without the file's name.
common::Status decodePlst(const QByteArray &bytes, PlayProjectData *out);

// Encodes `data`; fails (leaving `out` untouched) when a text does not fit its
// field or has characters without a single-byte form, or the play list holds
// more than 30 entries.
common::Status encodePlst(const PlayProjectData &data, QByteArray *out);

// Reads and decodes the file at `path`. Messages name the file.
common::Status readPlstFile(const QString &path, PlayProjectData *out);

// Encodes `data` and writes it to a temporary file beside `path` that then
// replaces `path`; on failure the old file stays as it was.
common::Status writePlstFile(const QString &path, const PlayProjectData &data);

// `path` with ".plst" added when its file name has no extension (Save As).
QString withPlstExtension(const QString &path);

} // namespace halvane::project
