#pragma once

#include "common/status.h"

#include <QString>
#include <QStringList>

namespace halvane::project {

// The animations folder of the application folder: the only place play
// projects take animation files from. A project stores plain file names; this
// class says which files the folder offers, whether a name is one of them,
// and copies a file into it.
class AnimationLibrary {
public:
    // `folder` is the animations folder itself (a trailing '/' is added).
    explicit AnimationLibrary(const QString &folder);
    // "animations/" in the application folder.
    static AnimationLibrary inApplicationFolder();

    QString folder() const { return m_folder; }
    QString filePath(const QString &name) const { return m_folder + name; }

    // Whether `name` is a plain file name of a file (not a folder) in the folder.
    bool contains(const QString &name) const;

    // The folder scan: every file whose name ends in ".bmp", ".jpg" or ".crs"
    // (any case), in name order. Names a project cannot hold (longer than 99
    // characters, characters without a single-byte form) are left out, each
    // with a message in `refused`. A missing folder gives an empty scan.
    struct Scan {
        QStringList names;
        QStringList refused;
    };
    Scan scan() const;

    // Copies the file at `sourcePath` into the folder under its own name,
    // replacing a file of that name through a temporary file (a failed copy
    // leaves the old file whole). A source that already is the folder's file
    // is left alone. The folder is created when missing.
    common::Status copyIn(const QString &sourcePath) const;

private:
    QString m_folder;
};

// Not empty, not "." or "..", no folder part ('/' or '\').
bool isPlainFileName(const QString &name);

// The last four characters, lower-cased, are ".bmp", ".jpg" or ".crs".
bool hasAnimationExtension(const QString &name);

// Whether a name can stand for an animation in a project: a plain file name
// with an animation extension, at most 99 characters, all of them with a
// single-byte form. The message says what is wrong.
common::Status checkAnimationName(const QString &name);

} // namespace halvane::project
