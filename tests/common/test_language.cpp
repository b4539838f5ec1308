// Choosing and loading a language: the tables, the locale's identifier, the
// LANGUAGE setting and the translation files of the application folder.
#include "common/language.h"
#include "common/language_table.h"
#include "tests/common/core_app.h"
#include "tests/common/temp_dir.h"

#include <QSet>

#include <map>
#include <set>
#include <string>

using namespace common;

namespace {


QString text(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source);
}

class LanguageFolder : public TempDirTest {
protected:
    void SetUp() override
    {
        ensureCoreApplication();
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("language")));
    }
    void TearDown() override
    {
        // Back to the built-in texts for the next test.
        loadLanguage(folder(), 0, LanguageTableOf::Halvane);
    }
    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
    // A translation the build made, under the name a table gives it.
    void install(const char *built, const QString &name) const
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(CROSS_QM_DIR "/") + QLatin1String(built) + QStringLiteral(".qm"),
                                path(QStringLiteral("language/") + name + QStringLiteral(".qm"))));
    }
    bool loadHalvane(int setting, std::uint16_t systemId) const
    {
        const std::optional<std::uint16_t> id = halvaneLanguageId(setting, systemId);
        return id && loadLanguage(folder(), *id, LanguageTableOf::Halvane);
    }
};

} // namespace

TEST(LanguageTable, HasEveryRowOnceInTheTraditionalOrder)
{
    const auto rows = languageRows();
    ASSERT_EQ(rows.size(), 143u);
    EXPECT_EQ(rows.front().id, 0x0436);
    EXPECT_STREQ(rows.front().halvaneName, "Afrikaans");
    EXPECT_EQ(rows.back().id, 0x042A);
    EXPECT_STREQ(rows.back().halvaneName, "Vietnamese");
    std::set<std::uint16_t> ids;
    for (const LanguageRow &row : rows)
        EXPECT_TRUE(ids.insert(row.id).second) << std::hex << row.id;
}

TEST(LanguageTable, FrenchItalianAndSpanishShareHalvaneFilesButNotDravelles)
{
    std::map<std::string, int> halvane;
    std::set<std::string> dravelle;
    for (const LanguageRow &row : languageRows()) {
        const std::string name = row.halvaneName;
        if (name == "FR" || name == "IT" || name == "ES") {
            ++halvane[name];
            EXPECT_TRUE(dravelle.insert(row.dravelleName).second) << row.dravelleName;
        } else {
            EXPECT_EQ(name, std::string(row.dravelleName)) << "the other languages are the same in both";
        }
    }
    EXPECT_EQ(halvane["FR"], 6);
    EXPECT_EQ(halvane["IT"], 2);
    EXPECT_EQ(halvane["ES"], 20);
    EXPECT_EQ(languageFileName(0x0C0C, LanguageTableOf::Dravelle), QStringLiteral("French(Canadian)"));
    EXPECT_EQ(languageFileName(0x500A, LanguageTableOf::Dravelle), QStringLiteral("Spanish(Puerto Rico)"));
    EXPECT_EQ(languageFileName(0x0810, LanguageTableOf::Halvane), QStringLiteral("IT"));
    EXPECT_EQ(languageFileName(0x0452, LanguageTableOf::Halvane), std::nullopt) << "Welsh is not in the table";
}

// The build installs one file per table name; a name it forgets would leave
// that country in English.
TEST(LanguageTable, TheBuildInstallsAFileForEveryTranslatedName)
{
    struct Installed {
        const char *built;
        const char *name;
    };
    const Installed installed[] = {
#include "installed_languages.inc"
    };
    std::set<std::string> halvane, dravelle;
    for (const Installed &file : installed)
        (std::string(file.built).starts_with("halvane_") ? halvane : dravelle).insert(file.name);
    std::set<std::string> expectedHalvane, expectedDravelle;
    for (const LanguageRow &row : languageRows()) {
        const std::string name = row.halvaneName;
        if (name == "FR" || name == "IT" || name == "ES") {
            expectedHalvane.insert(name);
            expectedDravelle.insert(row.dravelleName);
        }
    }
    EXPECT_EQ(halvane, expectedHalvane);
    EXPECT_EQ(dravelle, expectedDravelle);
}

TEST(LanguageChoice, TheLocaleGivesItsIdentifier)
{
    EXPECT_EQ(languageIdForLocale(QLocale(QStringLiteral("fr_CA"))), 0x0C0C);
    EXPECT_EQ(languageIdForLocale(QLocale(QStringLiteral("fr_FR"))), 0x040C);
    EXPECT_EQ(languageIdForLocale(QLocale(QStringLiteral("es_MX"))), 0x080A);
    EXPECT_EQ(languageIdForLocale(QLocale(QStringLiteral("es_ES"))), 0x0C0A) << "Spain's default is the modern sort";
    EXPECT_EQ(languageIdForLocale(QLocale(QStringLiteral("it_CH"))), 0x0810);
    EXPECT_EQ(languageIdForLocale(QLocale(QStringLiteral("en_US"))), 0x0409);
    EXPECT_EQ(languageIdForLocale(QLocale(QStringLiteral("sr_Latn_RS"))), 0x081A);
    EXPECT_EQ(languageIdForLocale(QLocale(QStringLiteral("sr_Cyrl_RS"))), 0x0C1A);
    EXPECT_EQ(languageIdForLocale(QLocale(QStringLiteral("zh_TW"))), 0x0404);
    EXPECT_EQ(languageIdForLocale(QLocale(QStringLiteral("zh_CN"))), 0x0804);
}

TEST(LanguageChoice, ACountryTheTableLacksFallsBackToItsLanguageAndCHasNone)
{
    EXPECT_EQ(languageIdForLocale(QLocale(QStringLiteral("fr_SN"))), 0x040C);
    EXPECT_EQ(languageIdForLocale(QLocale(QStringLiteral("es_US"))), 0x080A) << "the first Spanish row a locale selects";
    EXPECT_EQ(languageIdForLocale(QLocale::c()), 0);
    EXPECT_EQ(languageIdForLocale(QLocale(QStringLiteral("cy_GB"))), 0) << "Welsh has no row";
}

TEST(LanguageChoice, HalvanesSettingNamesFiveChoicesAndNothingElse)
{
    EXPECT_EQ(halvaneLanguageId(0, 0x0C0C), 0x0C0C);
    EXPECT_EQ(halvaneLanguageId(1, 0x0C0C), 0x0409);
    EXPECT_EQ(halvaneLanguageId(2, 0x0409), 0x040C);
    EXPECT_EQ(halvaneLanguageId(3, 0x0409), 0x0410);
    EXPECT_EQ(halvaneLanguageId(4, 0x0409), 0x080A);
    for (int other : {-1, 5, 7, 99})
        EXPECT_EQ(halvaneLanguageId(other, 0x040C), std::nullopt) << other;
}

TEST_F(LanguageFolder, FrenchWithItsFileTakesEveryTextFromIt)
{
    install("halvane_fr", QStringLiteral("FR"));
    ASSERT_TRUE(loadHalvane(2, 0x0409));
    EXPECT_EQ(text("halvane::ui::MainWindow", "&File"), QStringLiteral("&Fichier"));
    EXPECT_EQ(text("PlayProject", "One dot"), QStringLiteral("Un point"));
    EXPECT_EQ(text("QPlatformTheme", "Cancel"), QStringLiteral("Annuler")) << "Qt's own buttons follow";
}

TEST_F(LanguageFolder, FrenchWithoutItsFileKeepsTheBuiltInTexts)
{
    install("halvane_it", QStringLiteral("IT"));
    EXPECT_FALSE(loadHalvane(2, 0x0409));
    EXPECT_EQ(text("halvane::ui::MainWindow", "&File"), QStringLiteral("&File"));
}

TEST_F(LanguageFolder, AutoUnderFrenchCanadaLoadsTheSharedFrenchFile)
{
    install("halvane_fr", QStringLiteral("FR"));
    ASSERT_TRUE(loadHalvane(0, languageIdForLocale(QLocale(QStringLiteral("fr_CA")))));
    EXPECT_EQ(text("halvane::ui::MainWindow", "&Language"), QStringLiteral("&Langue"));
}

TEST_F(LanguageFolder, AnUnknownSettingOrADamagedFileKeepsTheBuiltInTexts)
{
    install("halvane_fr", QStringLiteral("FR"));
    EXPECT_FALSE(loadHalvane(7, 0x040C));
    EXPECT_EQ(text("halvane::ui::MainWindow", "&File"), QStringLiteral("&File"));
    writeFile(QStringLiteral("language/ES.qm"), QByteArray("not a translation", 17));
    EXPECT_FALSE(loadHalvane(4, 0x0409));
    EXPECT_EQ(text("halvane::ui::MainWindow", "&File"), QStringLiteral("&File"));
}

TEST_F(LanguageFolder, ALanguageLoadedBeforeGivesWay)
{
    install("halvane_fr", QStringLiteral("FR"));
    install("halvane_it", QStringLiteral("IT"));
    ASSERT_TRUE(loadHalvane(2, 0));
    ASSERT_TRUE(loadHalvane(3, 0));
    EXPECT_EQ(text("halvane::ui::MainWindow", "Exit"), QStringLiteral("Esci"));
    EXPECT_FALSE(loadHalvane(1, 0)) << "no English file: the built-in texts";
    EXPECT_EQ(text("halvane::ui::MainWindow", "Exit"), QStringLiteral("Exit"));
}

TEST_F(LanguageFolder, DravelleUnderMexicanSpanishLoadsItsOwnCountrysFile)
{
    install("dravelle_es", QStringLiteral("Spanish(Mexican)"));
    const std::uint16_t id = languageIdForLocale(QLocale(QStringLiteral("es_MX")));
    EXPECT_EQ(languageFilePath(folder(), id, LanguageTableOf::Dravelle),
              folder() + QStringLiteral("language/Spanish(Mexican).qm"));
    ASSERT_TRUE(loadLanguage(folder(), id, LanguageTableOf::Dravelle));
    EXPECT_EQ(text("dravelle::ui::MainFrame", "&File"), QStringLiteral("&Archivo"));
    EXPECT_FALSE(loadLanguage(folder(), 0x0C0A, LanguageTableOf::Dravelle))
        << "Spain's file is another one, not installed here";
}
