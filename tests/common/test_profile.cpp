#include "common/profile.h"
#include "tests/common/temp_dir.h"
#include "tests/common/unwritable_folder.h"

#include <QFileInfo>

#include <atomic>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

using namespace common;

namespace {

class ProfileTest : public TempDirTest {
protected:
    QString ini() const { return path(QStringLiteral("test.ini")); }
    int readInt(const char *section, const char *key, int def = -77) const
    {
        return GetPrivateProfileIntA(QString::fromLatin1(section), QString::fromLatin1(key), def, ini());
    }
    QString readString(const char *section, const char *key, const char *def = "dflt",
                       int size = 256) const
    {
        return GetPrivateProfileStringA(QString::fromLatin1(section), QString::fromLatin1(key),
                                        QString::fromLatin1(def), size, ini());
    }
};

TEST_F(ProfileTest, MissingFileGivesDefaultsAndIsNotAnError)
{
    EXPECT_EQ(readInt("BOOT", "PORT", 5), 5);
    EXPECT_EQ(readString("BOOT", "ADDRESS4", "EF"), QStringLiteral("EF"));
    EXPECT_FALSE(QFileInfo::exists(ini()));
}

TEST_F(ProfileTest, IntegerValuesParseLikeTheProfileApi)
{
    writeFile(QStringLiteral("test.ini"),
              "[BOOT]\nA=12\nB=-5\nC=abc\nD=12abc\nE=\nF=  7  \nG=+3\nH=-\nI=4294967297\n");
    EXPECT_EQ(readInt("BOOT", "A"), 12);
    EXPECT_EQ(readInt("BOOT", "B"), -5);
    EXPECT_EQ(readInt("BOOT", "C"), 0) << "a value that does not begin with a number gives 0";
    EXPECT_EQ(readInt("BOOT", "D"), 12);
    EXPECT_EQ(readInt("BOOT", "E", 9), 9) << "an empty value gives the default";
    EXPECT_EQ(readInt("BOOT", "F"), 7);
    EXPECT_EQ(readInt("BOOT", "G"), 3);
    EXPECT_EQ(readInt("BOOT", "H"), 0);
    EXPECT_EQ(readInt("BOOT", "I"), 1) << "wraps at 32 bits";
    EXPECT_EQ(readInt("BOOT", "MISSING", 10), 10);
}

TEST_F(ProfileTest, StringsAreCutToSizeMinusOne)
{
    writeFile(QStringLiteral("test.ini"), "[BOOT]\nADDRESS1=ABCDEFG\n");
    EXPECT_EQ(readString("BOOT", "ADDRESS1", "", 5), QStringLiteral("ABCD"));
    EXPECT_EQ(readString("BOOT", "ADDRESS1", "", 1), QString());
    EXPECT_EQ(readString("BOOT", "ADDRESS1", "", 0), QString());
    EXPECT_EQ(readString("BOOT", "MISSING", "LONGDEFAULT", 5), QStringLiteral("LONG"));
}

TEST_F(ProfileTest, OddLinesReadLikeTheProfileApi)
{
    QByteArray text = "\xEF\xBB\xBF[ Boot ]\r\n"
                      "no equals sign here\r\n"
                      "  Port  =  3  \r\n"
                      "PORT=9\r\n"
                      "QUOTED=\"a b\"\r\n"
                      "HALF=\"a b\r\n"
                      "EMPTY=\r\n"
                      "[boot]\r\n"
                      "LATER=1\r\n"
                      "[OPEN\r\n"
                      "K=v\r\n";
    text += "LONG=" + QByteArray(100000, 'x') + "\r\n";
    writeFile(QStringLiteral("test.ini"), text);

    EXPECT_EQ(readInt("BOOT", "PORT"), 3) << "case-insensitive, trimmed, first duplicate wins";
    EXPECT_EQ(readString("BOOT", "quoted"), QStringLiteral("a b"));
    EXPECT_EQ(readString("BOOT", "HALF"), QStringLiteral("\"a b"));
    EXPECT_EQ(readString("BOOT", "EMPTY"), QString());
    EXPECT_EQ(readString("BOOT", "no equals sign here"), QStringLiteral("dflt"));
    EXPECT_EQ(readString("BOOT", "LATER"), QStringLiteral("dflt"))
        << "a second section of the same name is shadowed by the first";
    EXPECT_EQ(readString("OPEN", "K"), QStringLiteral("v")) << "unclosed section header";
    EXPECT_EQ(readString("OPEN", "LONG", "", 100001).size(), 100000);
}

TEST_F(ProfileTest, WriteCreatesFileAndSectionAndReadsBack)
{
    ASSERT_TRUE(WritePrivateProfileStringA(QStringLiteral("BOOT"), QStringLiteral("PORT"),
                                           QStringLiteral("3"), ini()));
    ASSERT_TRUE(WritePrivateProfileStringA(QStringLiteral("FILE"), QStringLiteral("PREFILE"),
                                           QStringLiteral("/home/u/a.plst"), ini()));
    EXPECT_EQ(readInt("boot", "port"), 3);
    EXPECT_EQ(readString("FILE", "PREFILE"), QStringLiteral("/home/u/a.plst"));
    EXPECT_EQ(readFile(QStringLiteral("test.ini")),
              QByteArray("[BOOT]\nPORT=3\n[FILE]\nPREFILE=/home/u/a.plst\n"));
}

TEST_F(ProfileTest, WriteKeepsEveryOtherLineUntouched)
{
    const QByteArray before = "\xEF\xBB\xBF; comment\r\n"
                              "[BOOT]\r\n"
                              "  port = 1 \r\n"
                              "junk line\r\n"
                              "PORT=7\r\n"
                              "\r\n"
                              "[FONT]\r\n"
                              "FONT1=Liberation Sans\r\n";
    writeFile(QStringLiteral("test.ini"), before);
    ASSERT_TRUE(WritePrivateProfileStringA(QStringLiteral("Boot"), QStringLiteral("PORT"),
                                           QStringLiteral("4"), ini()));
    ASSERT_TRUE(WritePrivateProfileStringA(QStringLiteral("BOOT"), QStringLiteral("FIND"),
                                           QStringLiteral("1"), ini()));
    EXPECT_EQ(readFile(QStringLiteral("test.ini")),
              QByteArray("\xEF\xBB\xBF; comment\r\n"
                         "[BOOT]\r\n"
                         "port=4\r\n"
                         "junk line\r\n"
                         "PORT=7\r\n"
                         "FIND=1\r\n"
                         "\r\n"
                         "[FONT]\r\n"
                         "FONT1=Liberation Sans\r\n"));
    EXPECT_EQ(readInt("BOOT", "PORT"), 4);
}

// A file written by another program in a single-byte encoding (0xE9 is "é"
// there, and no UTF-8), with line ends of both kinds: a write changes the
// one line it sets and no byte of the others.
TEST_F(ProfileTest, LinesInAnotherEncodingOrWithOtherLineEndsKeepTheirBytes)
{
    writeFile(QStringLiteral("test.ini"), "[FONT]\r\nFONT1=Caf\xE9 Sans\nFONT2=Na\xEFve\r\n[BOOT]\nPORT=1");
    ASSERT_TRUE(WritePrivateProfileStringA(QStringLiteral("BOOT"), QStringLiteral("PORT"), QStringLiteral("3"), ini()));
    EXPECT_EQ(readFile(QStringLiteral("test.ini")),
              QByteArray("[FONT]\r\nFONT1=Caf\xE9 Sans\nFONT2=Na\xEFve\r\n[BOOT]\nPORT=3"))
        << "the last line keeps having no line end";
    ASSERT_TRUE(WritePrivateProfileStringA(QStringLiteral("FONT"), QStringLiteral("FONT3"), QStringLiteral("Mono"), ini()));
    EXPECT_EQ(readFile(QStringLiteral("test.ini")),
              QByteArray("[FONT]\r\nFONT1=Caf\xE9 Sans\nFONT2=Na\xEFve\r\nFONT3=Mono\r\n[BOOT]\nPORT=3"));
}

// Such a key would come back as a section line or as another key.
TEST_F(ProfileTest, KeysThatWouldReadAsSomethingElseAreRefused)
{
    const QByteArray before = "[BOOT]\nPORT=1\n";
    writeFile(QStringLiteral("test.ini"), before);
    for (const char *key : {"[PORT", " [x]", "PORT=2", "a=b"}) {
        const Status st = WritePrivateProfileStringA(QStringLiteral("BOOT"), QString::fromLatin1(key),
                                                     QStringLiteral("9"), ini());
        EXPECT_FALSE(st.ok) << key;
        EXPECT_TRUE(st.message.contains(QStringLiteral("may not begin with '['"))) << st.message.toStdString();
    }
    EXPECT_EQ(readFile(QStringLiteral("test.ini")), before);
    EXPECT_TRUE(WritePrivateProfileStringA(QStringLiteral("BOOT"), QStringLiteral("a[b]"), QStringLiteral("9"), ini()));
    EXPECT_EQ(readString("BOOT", "a[b]"), QStringLiteral("9"));
    EXPECT_EQ(readInt("BOOT", "PORT"), 1);
}

TEST_F(ProfileTest, FailedWriteLeavesOldFileAndReportsIt)
{
    const QByteArray before = "[BOOT]\nPORT=1\n";
    writeFile(QStringLiteral("test.ini"), before);

    const Status missing = WritePrivateProfileStringA(
        QStringLiteral("BOOT"), QStringLiteral("PORT"), QStringLiteral("2"),
        path(QStringLiteral("no/such/folder/test.ini")));
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.message.isEmpty());

    Status readOnly;
    {
        UnwritableFolder lock(m_dir.path());
        if (!lock.holds())
            GTEST_SKIP() << "cannot make a folder unwritable here";
        readOnly = WritePrivateProfileStringA(QStringLiteral("BOOT"), QStringLiteral("PORT"),
                                              QStringLiteral("2"), ini());
    }
    EXPECT_FALSE(readOnly.ok);
    EXPECT_EQ(readFile(QStringLiteral("test.ini")), before);
}

TEST_F(ProfileTest, LineBreaksAndNulAreRefusedAndLeaveTheFileAlone)
{
    const QByteArray before = "[BOOT]\nPORT=1\n";
    writeFile(QStringLiteral("test.ini"), before);
    const QString bad[] = {QStringLiteral("a\nPORT=9"), QStringLiteral("a\rb"),
                           QString(QStringLiteral("a")) + QChar(u'\0') + QStringLiteral("b")};
    for (const QString &text : bad) {
        const Status asValue = WritePrivateProfileStringA(QStringLiteral("BOOT"),
                                                          QStringLiteral("NAME"), text, ini());
        const Status asKey = WritePrivateProfileStringA(QStringLiteral("BOOT"), text,
                                                        QStringLiteral("1"), ini());
        const Status asSection = WritePrivateProfileStringA(text, QStringLiteral("NAME"),
                                                            QStringLiteral("1"), ini());
        for (const Status &st : {asValue, asKey, asSection}) {
            EXPECT_FALSE(st.ok);
            EXPECT_FALSE(st.message.isEmpty());
        }
    }
    EXPECT_EQ(readFile(QStringLiteral("test.ini")), before);
    EXPECT_EQ(readInt("BOOT", "PORT"), 1);
}

} // namespace

// Lines another program wrote in a Windows code page, with their own line
// ends, come back byte for byte when a different key is written.
TEST_F(ProfileTest, OtherLinesSurviveAWriteByteForByteWhateverTheirEncoding)
{
    const QByteArray before = "[FONT]\r\n"
                              "FONT1=Caf\xE9 Sans\r\n"       // Windows-1252
                              "FONT2=Stra\xC3\x9F" "e Serif\n" // UTF-8, a lone LF
                              "FONT3=\x80\x9F\xFF\r\n"
                              "[BOOT]\r\n"
                              "PORT=1";                      // no line end at the end
    writeFile(QStringLiteral("test.ini"), before);
    ASSERT_TRUE(WritePrivateProfileStringA(QStringLiteral("FONT"), QStringLiteral("FONTNUM"),
                                           QStringLiteral("3"), ini()));
    EXPECT_EQ(readFile(QStringLiteral("test.ini")),
              QByteArray("[FONT]\r\n"
                         "FONT1=Caf\xE9 Sans\r\n"
                         "FONT2=Stra\xC3\x9F" "e Serif\n"
                         "FONT3=\x80\x9F\xFF\r\n"
                         "FONTNUM=3\r\n"
                         "[BOOT]\r\n"
                         "PORT=1"));
    EXPECT_EQ(readString("FONT", "FONT1"), QStringLiteral("Caf\u00e9 Sans"));
    EXPECT_EQ(readString("FONT", "FONT2"), QStringLiteral("Stra\u00dfe Serif"));

    // A value with non-ASCII characters is written as UTF-8 and reads back.
    ASSERT_TRUE(WritePrivateProfileStringA(QStringLiteral("FONT"), QStringLiteral("FONT1"),
                                           QStringLiteral("\u00c9l\u00e9gante"), ini()));
    EXPECT_EQ(readString("FONT", "FONT1"), QStringLiteral("\u00c9l\u00e9gante"));
    EXPECT_TRUE(readFile(QStringLiteral("test.ini")).contains("FONT1=\xC3\x89l\xC3\xA9gante\r\n"));
    EXPECT_TRUE(readFile(QStringLiteral("test.ini")).contains("FONT3=\x80\x9F\xFF\r\n"));
}

// Writers in several threads and in another process never lose each
// other's keys to a stale read, and leave no lock file behind.
TEST_F(ProfileTest, ConcurrentWritersKeepEveryKey)
{
    constexpr int kThreads = 4;
    constexpr int kKeys = 25;
    const QString file = ini();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        bool ok = true;
        for (int k = 0; k < kKeys; ++k)
            ok = WritePrivateProfileStringA(QStringLiteral("CHILD"), QStringLiteral("K%1").arg(k),
                                            QString::number(k), file)
                     .ok && ok;
        _exit(ok ? 0 : 1);
    }
    std::vector<std::thread> threads;
    std::atomic<int> failures{0};
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int k = 0; k < kKeys; ++k)
                if (!WritePrivateProfileStringA(QStringLiteral("T%1").arg(t), QStringLiteral("K%1").arg(k),
                                                QString::number(t * 1000 + k), file))
                    ++failures;
        });
    for (std::thread &thread : threads)
        thread.join();
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(failures.load(), 0);

    int missing = 0;
    for (int k = 0; k < kKeys; ++k) {
        missing += readInt("CHILD", qPrintable(QStringLiteral("K%1").arg(k))) != k;
        for (int t = 0; t < kThreads; ++t)
            missing += readInt(qPrintable(QStringLiteral("T%1").arg(t)), qPrintable(QStringLiteral("K%1").arg(k)))
                       != t * 1000 + k;
    }
    EXPECT_EQ(missing, 0);
    EXPECT_FALSE(QFile::exists(ini() + QStringLiteral(".lock")));
}

// A last line ending in a lone CR gets its LF when a key is added after it,
// so the key is not glued to it (found by the fuzzer); alone it keeps its CR.
TEST_F(ProfileTest, AKeyAddedAfterALastLineEndingInCarriageReturnStandsAlone)
{
    writeFile(QStringLiteral("test.ini"), "[FONT]\r\nFONT1=A\r");
    ASSERT_TRUE(WritePrivateProfileStringA(QStringLiteral("font"), QStringLiteral("font4"), QStringLiteral("Mono"), ini()));
    EXPECT_EQ(readString("FONT", "font4"), QStringLiteral("Mono"));
    EXPECT_EQ(readFile(QStringLiteral("test.ini")), QByteArray("[FONT]\r\nFONT1=A\r\nfont4=Mono\r\n"));
    writeFile(QStringLiteral("test.ini"), "[FONT]\r\nFONT1=A\r");
    ASSERT_TRUE(WritePrivateProfileStringA(QStringLiteral("FONT"), QStringLiteral("FONT1"), QStringLiteral("B"), ini()));
    EXPECT_EQ(readFile(QStringLiteral("test.ini")), QByteArray("[FONT]\r\nFONT1=B\r"));
}
