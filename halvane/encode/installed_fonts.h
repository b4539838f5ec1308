#pragma once

#include "common/status.h"

#include <QString>
#include <QStringList>

namespace halvane::encode {

// The TrueType fonts of the Fonts/ folder that the user installed for the
// text messages. There is no system font table to add them to: every
// program that draws text (the window, halvane-cli build, send and preview)
// loads the installed fonts into its own font database at start-up. Which
// fonts are installed is kept in a section of Halvane.ini of our own, one
// key "CrossFont<row>" per row of the fonts dialog holding the file's full
// path; the text messages name a font through FONT<row + 4> of section FONT
// (the file name without ".ttf").

inline constexpr char kSectionInstalledFonts[] = "CROSSFONTS";
// The first FONT key the installer writes: rows 0, 1, 2 are FONT4, FONT5, FONT6.
inline constexpr int kFirstInstalledFontKey = 4;

// The ".ttf" files of `fontsFolder` (any case of the suffix; folders are
// skipped), by name so the rows keep their numbers from run to run.
QStringList fontFiles(const QString &fontsFolder);

// Whether row `row` counts as installed: FONT<row + 4> is not empty.
bool fontRowInstalled(const QString &iniPath, int row);

// Loads the font file into this program's font database and records it:
// CrossFont<row> takes its path, FONT<row + 4> its name, and FONTNUM grows
// to row + 4 when smaller. A file that is not a font the engine can load is
// refused with its name and nothing is written.
common::Status installFont(const QString &iniPath, const QString &fontsFolder, int row,
                           const QString &fileName);
// Takes the font out of this program's font database and the records
// (CrossFont<row> and FONT<row + 4> become empty); FONTNUM stays.
common::Status uninstallFont(const QString &iniPath, int row);

// At start-up: loads every font the records name. Returns the files that
// could not be loaded (gone or damaged); the others are available at once.
QStringList loadInstalledFonts(const QString &iniPath);

} // namespace halvane::encode
