// The translations in the tree against the sources: every text a program
// shows has a finished translation in each language, and what a translation
// must keep (the placeholders, the menu accelerator) survives.
#include "tests/common/program_run.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

std::vector<Message> readTs(const QString &path)
{
    std::vector<Message> messages;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            message = {context, {}, {}, {}};
        else if (xml.name() == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages.push_back(message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// %1 .. %99, %n and the printf forms, as a sorted list (a placeholder may
// move within the sentence, never go or come).
QStringList placeholders(const QString &text)
{
    static const QRegularExpression kPlaceholder(QStringLiteral("%(\\d+|n|[dsu])"));
    QStringList found;
    for (auto it = kPlaceholder.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.sort();
    return found;
}

bool hasAccelerator(QString text)
{
    return text.remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

std::string where(const QString &file, const Message &m)
{
    return (file + QStringLiteral(": [") + m.context + QStringLiteral("] ") + m.source).toStdString();
}

const char *const kFiles[] = {"common_fr",   "common_it",   "common_es",   "halvane_fr", "halvane_it",
                              "halvane_es",  "dravelle_fr", "dravelle_it", "dravelle_es"};

// Fewer texts than this in a file means the sources were not found.
std::size_t leastTexts(const char *name)
{
    return QLatin1String(name).startsWith(QLatin1String("common_")) ? 10 : 100;
}

} // namespace

// The translation files are brought up to date from the sources in a copy:
// a text added to the code without a translation arrives there unfinished.
class Translations : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        const ProgramRun run = runProgram(QStringLiteral(CROSS_SOURCE_DIR "/scripts/update-translations"),
                                          {QStringLiteral("--out"), s_dir->path()});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    static QString updated(const char *name) { return s_dir->filePath(QLatin1String(name) + QStringLiteral(".ts")); }
    static QTemporaryDir *s_dir;
};
QTemporaryDir *Translations::s_dir = nullptr;

TEST_F(Translations, EveryTextOfTheSourcesHasAFinishedTranslation)
{
    for (const char *name : kFiles) {
        const std::vector<Message> messages = readTs(updated(name));
        EXPECT_GT(messages.size(), leastTexts(name)) << name;
        for (const Message &m : messages) {
            EXPECT_TRUE(m.type.isEmpty()) << m.type.toStdString() << " " << where(QLatin1String(name), m);
            EXPECT_FALSE(m.translation.isEmpty()) << where(QLatin1String(name), m);
        }
    }
}

TEST_F(Translations, TheTreeHoldsTheTranslationsAsTheSourcesNeedThem)
{
    for (const char *name : kFiles) {
        const std::vector<Message> committed =
            readTs(QStringLiteral(CROSS_SOURCE_DIR "/translations/") + QLatin1String(name) + QStringLiteral(".ts"));
        const std::vector<Message> current = readTs(updated(name));
        EXPECT_EQ(committed.size(), current.size())
            << name << ": run scripts/update-translations and translate what is new";
    }
}

TEST_F(Translations, PlaceholdersAndAcceleratorsSurviveInEveryLanguage)
{
    for (const char *name : kFiles)
        for (const Message &m : readTs(updated(name))) {
            EXPECT_EQ(placeholders(m.translation).join(' ').toStdString(), placeholders(m.source).join(' ').toStdString())
                << where(QLatin1String(name), m);
            EXPECT_EQ(hasAccelerator(m.translation), hasAccelerator(m.source)) << where(QLatin1String(name), m);
            EXPECT_EQ(m.translation.count(QLatin1Char('\n')), m.source.count(QLatin1Char('\n')))
                << where(QLatin1String(name), m);
        }
}

// Names, units and numbers may stay as they are, but a text of three words
// or more left in English is a forgotten one.
TEST_F(Translations, SentencesAreTranslatedNotCopied)
{
    static const QRegularExpression kWord(QStringLiteral("\\b[A-Za-z]{2,}\\b"));
    for (const char *name : kFiles)
        for (const Message &m : readTs(updated(name))) {
            int words = 0;
            for (auto it = kWord.globalMatch(m.source); it.hasNext(); it.next())
                ++words;
            if (words >= 3) {
                EXPECT_NE(m.translation.toStdString(), m.source.toStdString()) << where(QLatin1String(name), m);
            }
        }
}
