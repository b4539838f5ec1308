#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace common {

// Choosing and loading the language of a program's texts. The built-in
// texts are English; a translation file "<name>.qm" in the application
// folder's language/ folder replaces them. A missing or unreadable file
// keeps the built-in texts without a word: a program must always start.

enum class LanguageTableOf { Halvane, Dravelle };

// The identifier of a locale: the row whose locale has the same language,
// script (where the row names one) and country; else the first row of the
// same language; 0 when the table has no row of that language (the "C"
// locale among them).
std::uint16_t languageIdForLocale(const QLocale &locale);
// The identifier of the user's language (QLocale::system(): LANG=fr_CA
// gives 0x0C0C).
std::uint16_t systemLanguageId();

// The file name (without ".qm") of an identifier: the first row in table
// order with that identifier, none without a match.
std::optional<QString> languageFileName(std::uint16_t id, LanguageTableOf table);
// The locale of an identifier's first row, for the texts of Qt's own
// dialogs; the C locale without one.
QLocale languageLocale(std::uint16_t id);

// Halvane's LANGUAGE setting: 0 the system's language, 1 English (United
// States), 2 French, 3 Italian, 4 Spanish (Mexican); any other value none,
// the built-in texts stay.
std::optional<std::uint16_t> halvaneLanguageId(int setting, std::uint16_t systemId);

// The translation file an identifier names in `appFolder` (ending with '/'):
// appFolder + "language/" + name + ".qm"; empty without a table match.
QString languageFilePath(const QString &appFolder, std::uint16_t id, LanguageTableOf table);

// Loads the translation for `id` from `appFolder`'s language folder and
// installs it for the whole run, with Qt's own texts of that language when
// the system has them. A language loaded before is removed first. Returns
// whether a translation of ours was loaded; false leaves the built-in texts.
bool loadLanguage(const QString &appFolder, std::uint16_t id, LanguageTableOf table);

} // namespace common
