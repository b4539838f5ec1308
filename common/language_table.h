#pragma once

#include <QString>

#include <cstdint>
#include <span>

namespace common {

// The language tables of both programs as data: one row per language
// identifier (the 16-bit identifiers the cross software has always used,
// 0x0409 for English (United States)), in the order they are searched.
// Halvane shares one file among all French, all Italian and all Spanish
// identifiers; Dravelle has a file of its own for each of them.
struct LanguageRow {
    std::uint16_t id;
    const char *halvaneName;  // file name without ".qm"
    const char *dravelleName; // file name without ".qm"
    const char *locale;       // the locale it stands for, "fr_CA"; "" for none Qt knows
};

inline constexpr int kLanguageRowCount = 143;

std::span<const LanguageRow> languageRows();

} // namespace common
