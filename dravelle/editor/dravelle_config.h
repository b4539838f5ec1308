#pragma once

#include "common/status.h"

#include <QString>

namespace dravelle::editor {

// Dravelle.ini in the application folder, section BOOT: the cross resolution
// the editor starts with and whether the resolution dialog is skipped.
// Written and read through the profile module, so other lines are kept.
struct DravelleSettings {
    int resolutionIndex = 0;     // RESOLUTION: 0 = 48 x 48, anything else 64 x 64
    bool dontShowAgain = false;  // DNOTSHOWAGAIN

    // 48 for RESOLUTION 0, 64 for any other value.
    int resolution() const { return resolutionIndex == 0 ? 48 : 64; }
};

inline constexpr const char *kDravelleIni = "Dravelle.ini";
inline constexpr const char *kDravelleSection = "BOOT";
inline constexpr const char *kKeyResolution = "RESOLUTION";
inline constexpr const char *kKeyDontShowAgain = "DNOTSHOWAGAIN";

// The path of Dravelle.ini in the application folder.
QString dravelleIniPath();

// Missing file or keys give 0 (48 x 48, dialog shown).
DravelleSettings readDravelleSettings(const QString &path);

// Writes RESOLUTION as the radio index "0" or "1" (any non-zero index is
// written as 1) and DNOTSHOWAGAIN as "1" or "0".
common::Status writeDravelleSettings(const QString &path, const DravelleSettings &settings);

// The index for a resolution: 1 for 64, 0 for 48.
int resolutionIndexFor(int resolution);

} // namespace dravelle::editor
