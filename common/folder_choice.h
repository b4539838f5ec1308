#pragma once

#include "common/status.h"

#include <QString>
#include <QStringList>

namespace common {

// Which application folder a program uses, decided from where it runs.
//
// Portable: the program's own folder holds a settings file the user can
// write (dist/halvane/Halvane.ini): that folder is the application folder,
// everything is read and written beside the program.
//
// Installed: the program's folder holds no writable settings file
// (/usr/bin). The application folder is then the user's data folder
// ($XDG_DATA_HOME/halvane, else ~/.local/share/halvane), created on the
// first start and seeded from the shipped files: the program's folder when
// it holds a read-only settings file, else <prefix>/share/halvane beside
// bin/. Seeding copies the settings file when the user has none and the
// shipped folders (the sample animations) only when the user's folder is
// new, so the user's edits and deletions stay. Read-only files
// (language/) are read from the shipped folder.
//
// A program with neither a settings file nor shipped files beside it (a
// build tree) stays in its own folder.

// What a family of programs keeps in its folder. Halvane's programs share
// Halvane.ini and animations/; Dravelle's live one folder down, in Dravelle/.
struct ProgramFolder {
    QString settingsFile;    // "Halvane.ini"
    QString subFolder;       // "" or "Dravelle/": the place below the shipped and the user's data folder
    QStringList seedFolders; // copied once into a new user folder ("animations")
    QStringList emptyFolders; // created in the user folder ("Fonts")
};

const ProgramFolder &halvaneProgramFolder();
const ProgramFolder &dravelleProgramFolder();

// Where the decision looks: filled from the running program and its
// environment by systemFolderPlaces(), by hand in the tests.
struct FolderPlaces {
    QString executableFolder; // the folder of the running program
    QString dataHome;         // $XDG_DATA_HOME, else $HOME/.local/share
};

FolderPlaces systemFolderPlaces();

struct FolderChoice {
    QString appFolder;     // read and written; ends with '/'
    QString shippedFolder; // the read-only shipped files; ends with '/'
    bool perUser = false;  // appFolder is the user's data folder, to be seeded
};

// The decision alone; nothing is created.
FolderChoice chooseFolder(const ProgramFolder &program, const FolderPlaces &places);

// For a per-user choice: creates the folder and copies what is missing from
// the shipped folder. A folder that cannot be made is an error; a file that
// cannot be copied is named in the message.
Status seedUserFolder(const ProgramFolder &program, const FolderChoice &choice);

} // namespace common
