#include "common/language.h"

#include "common/language_table.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QList>
#include <QTranslator>

namespace common {

namespace {

bool sameLanguage(const QLocale &a, const QLocale &b)
{
    return a.language() == b.language();
}

// A row names a script only where the language is written in several
// (Azeri, Serbian, Uzbek, Chinese); elsewhere any script matches.
bool rowMatches(const LanguageRow &row, const QLocale &locale)
{
    const QString name = QString::fromLatin1(row.locale);
    if (name.isEmpty())
        return false;
    const QLocale rowLocale(name);
    if (!sameLanguage(rowLocale, locale) || rowLocale.territory() != locale.territory())
        return false;
    return name.count(QLatin1Char('_')) < 2 || rowLocale.script() == locale.script();
}

QList<QTranslator *> &loadedTranslators()
{
    static QList<QTranslator *> translators;
    return translators;
}

const LanguageRow *firstRowOf(std::uint16_t id)
{
    for (const LanguageRow &row : languageRows())
        if (row.id == id)
            return &row;
    return nullptr;
}

} // namespace

std::uint16_t languageIdForLocale(const QLocale &locale)
{
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
        return 0;
    for (const LanguageRow &row : languageRows())
        if (rowMatches(row, locale))
            return row.id;
    // A country the table does not list: the language's first row, so a
    // French speaker in Senegal still reads French.
    for (const LanguageRow &row : languageRows())
        if (row.locale[0] != '\0' && sameLanguage(QLocale(QString::fromLatin1(row.locale)), locale))
            return row.id;
    return 0;
}

std::uint16_t systemLanguageId()
{
    return languageIdForLocale(QLocale::system());
}

std::optional<QString> languageFileName(std::uint16_t id, LanguageTableOf table)
{
    const LanguageRow *row = firstRowOf(id);
    if (!row)
        return std::nullopt;
    return QString::fromLatin1(table == LanguageTableOf::Halvane ? row->halvaneName : row->dravelleName);
}

QLocale languageLocale(std::uint16_t id)
{
    const LanguageRow *row = firstRowOf(id);
    return row && row->locale[0] != '\0' ? QLocale(QString::fromLatin1(row->locale)) : QLocale::c();
}

std::optional<std::uint16_t> halvaneLanguageId(int setting, std::uint16_t systemId)
{
    switch (setting) {
    case 0: return systemId;
    case 1: return std::uint16_t(0x0409);
    case 2: return std::uint16_t(0x040C);
    case 3: return std::uint16_t(0x0410);
    case 4: return std::uint16_t(0x080A);
    default: return std::nullopt;
    }
}

QString languageFilePath(const QString &appFolder, std::uint16_t id, LanguageTableOf table)
{
    const std::optional<QString> name = languageFileName(id, table);
    if (!name)
        return QString();
    return appFolder + QStringLiteral("language/") + *name + QStringLiteral(".qm");
}

bool loadLanguage(const QString &appFolder, std::uint16_t id, LanguageTableOf table)
{
    // A language loaded before gives way first: whatever happens below, its
    // texts are gone and the built-in ones are back.
    for (QTranslator *loaded : loadedTranslators()) {
        QCoreApplication::removeTranslator(loaded);
        delete loaded;
    }
    loadedTranslators().clear();
    const QString path = languageFilePath(appFolder, id, table);
    if (path.isEmpty())
        return false;
    // The translators live as long as the application: the texts are
    // looked up again whenever a window is built.
    auto *ours = new QTranslator(QCoreApplication::instance());
    if (!ours->load(path) || !QCoreApplication::installTranslator(ours)) {
        delete ours;
        return false;
    }
    loadedTranslators() << ours;
    // The standard buttons and dialogs of Qt in the same language.
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(languageLocale(id), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(qt))
        loadedTranslators() << qt;
    else
        delete qt;
    return true;
}

} // namespace common
