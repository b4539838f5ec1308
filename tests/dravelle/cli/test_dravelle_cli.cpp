#include "dravelle/editor/picture_import.h"
#include "tests/common/temp_dir.h"

#include "tests/common/program_run.h"

using namespace dravelle::document;
using namespace dravelle::editor;

namespace {

// Runs dravelle-cli as a user would, in an application folder of its own.
class DravelleCliTest : public TempDirTest {
protected:
    ProgramRun cli(const QStringList &args)
    {
        return runInAppDir(QStringLiteral(DRAVELLE_CLI), m_dir.path(), args);
    }

    ImportResult read(const QString &name, int r)
    {
        return importPictureFile({path(name), ImportRegion::Full, kDefaultThreshold, r});
    }
};

TEST_F(DravelleCliTest, EveryCommandExplainsItselfWithHelp)
{
    for (const char *command : {"template", "import", "words", "delay", "reverse", "info"}) {
        const auto r = cli({QString::fromLatin1(command), QStringLiteral("--help")});
        EXPECT_EQ(r.exitCode, 0) << command;
        EXPECT_TRUE(r.out.contains(QStringLiteral("dravelle-cli [--app-dir DIR] %1").arg(QString::fromLatin1(command))))
            << r.out.toStdString();
    }
    const auto all = cli({QStringLiteral("--help")});
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_TRUE(all.out.contains(QStringLiteral("Exit status: 0 done, 2 bad arguments")));
}

} // namespace

TEST_F(DravelleCliTest, TemplateTakesTheResolutionFromTheIniFile)
{
    ASSERT_EQ(cli({QStringLiteral("template"), QStringLiteral("cross"), QStringLiteral("-o"), path(QStringLiteral("a.crs"))}).exitCode, 0);
    EXPECT_EQ(read(QStringLiteral("a.crs"), 48).pages.size(), 16u);
    EXPECT_EQ(readFile(QStringLiteral("a.crs")).mid(6, 2), QByteArray("\x30\x00", 2)) << "48 x 48 without Dravelle.ini";

    writeFile(QStringLiteral("Dravelle.ini"), "[BOOT]\nRESOLUTION=1\nDNOTSHOWAGAIN=1\n");
    ASSERT_EQ(cli({QStringLiteral("template"), QStringLiteral("cross"), QStringLiteral("-o"), path(QStringLiteral("b.crs"))}).exitCode, 0);
    EXPECT_EQ(readFile(QStringLiteral("b.crs")).mid(6, 2), QByteArray("\x40\x00", 2));
    EXPECT_EQ(read(QStringLiteral("b.crs"), 64).pages.size(), 32u);

    ASSERT_EQ(cli({QStringLiteral("template"), QStringLiteral("cross"), QStringLiteral("--res"), QStringLiteral("48"),
                   QStringLiteral("-o"), path(QStringLiteral("c.crs"))}).exitCode, 0);
    EXPECT_EQ(readFile(QStringLiteral("c.crs")).mid(6, 2), QByteArray("\x30\x00", 2)) << "--res wins";
}

TEST_F(DravelleCliTest, PageCommandsWorkOnAFile)
{
    const QString in = path(QStringLiteral("rect.crs"));
    ASSERT_EQ(cli({QStringLiteral("template"), QStringLiteral("rectangle"), QStringLiteral("-o"), in}).exitCode, 0);

    ASSERT_EQ(cli({QStringLiteral("delay"), QStringLiteral("70"), in, QStringLiteral("-o"), path(QStringLiteral("d.crs"))}).exitCode, 0);
    EXPECT_EQ(read(QStringLiteral("d.crs"), 48).delays, std::vector<int>(24, 70));

    ASSERT_EQ(cli({QStringLiteral("reverse"), QStringLiteral("--red"), QStringLiteral("--page"), QStringLiteral("2"), in,
                   QStringLiteral("-o"), path(QStringLiteral("r.crs"))}).exitCode, 0);
    const ImportResult reversed = read(QStringLiteral("r.crs"), 48);
    EXPECT_EQ(reversed.pages[1].colourAt(23 + 23 * 48), kColourBitGreen | kColourBitBlue) << "white less red";
    EXPECT_EQ(reversed.pages[1].colourAt(20 + 5 * 48), kColourBitRed) << "dark plus red";
    EXPECT_EQ(reversed.pages[0].colourAt(20 + 5 * 48), 0) << "only page 2";

    const auto info = cli({QStringLiteral("info"), in});
    EXPECT_EQ(info.exitCode, 0);
    EXPECT_TRUE(info.out.contains(QStringLiteral("Pages:      24"))) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains(QStringLiteral("     1       200         4\n"))) << info.out.toStdString();
}

TEST_F(DravelleCliTest, WordsWithMoveOutAddRPages)
{
    const auto words = [this](const QString &out, bool moveOut) {
        QStringList args{QStringLiteral("words"), QStringLiteral("Hi there"), QStringLiteral("--color"),
                         QStringLiteral("cyan"), QStringLiteral("--res"), QStringLiteral("64"),
                         QStringLiteral("-o"), path(out)};
        if (moveOut)
            args << QStringLiteral("--move-out");
        return cli(args).exitCode;
    };
    ASSERT_EQ(words(QStringLiteral("w.crs"), false), 0);
    ASSERT_EQ(words(QStringLiteral("m.crs"), true), 0);
    const ImportResult plain = read(QStringLiteral("w.crs"), 64);
    const ImportResult out = read(QStringLiteral("m.crs"), 64);
    EXPECT_GT(plain.pages.size(), 20u);
    EXPECT_EQ(out.pages.size(), plain.pages.size() + 64);
    EXPECT_EQ(out.pages.back().litDotCount(), 0) << "the text has left the cross";
}

TEST_F(DravelleCliTest, BadArgumentsExit2AndFilesExit3)
{
    const QString out = path(QStringLiteral("x.crs"));
    const QStringList usage[] = {
        {},
        {QStringLiteral("template"), QStringLiteral("cross")},
        {QStringLiteral("template"), QStringLiteral("star"), QStringLiteral("-o"), out},
        {QStringLiteral("template"), QStringLiteral("cross"), QStringLiteral("--res"), QStringLiteral("50"), QStringLiteral("-o"), out},
        {QStringLiteral("template"), QStringLiteral("cross"), QStringLiteral("--bogus"), QStringLiteral("-o"), out},
        {QStringLiteral("delay"), QStringLiteral("-5"), out, QStringLiteral("-o"), out},
        {QStringLiteral("words"), QStringLiteral("x"), QStringLiteral("--size"), QStringLiteral("9"), QStringLiteral("-o"), out},
        {QStringLiteral("words"), QStringLiteral("x"), QStringLiteral("--color"), QStringLiteral("Pink"), QStringLiteral("-o"), out},
        {QStringLiteral("import"), out, QStringLiteral("--gray"), QStringLiteral("256"), QStringLiteral("-o"), out},
        {QStringLiteral("reverse"), QStringLiteral("--all"), QStringLiteral("--page"), QStringLiteral("1"), out, QStringLiteral("-o"), out},
        {QStringLiteral("frobnicate")},
    };
    for (const QStringList &args : usage) {
        const auto r = cli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("dravelle-cli: ")) || args.isEmpty()) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));

    EXPECT_EQ(cli({QStringLiteral("info"), path(QStringLiteral("missing.crs"))}).exitCode, 3);
    writeFile(QStringLiteral("text.gif"), "not a picture");
    EXPECT_EQ(cli({QStringLiteral("import"), path(QStringLiteral("text.gif")), QStringLiteral("-o"), out}).exitCode, 3);
    EXPECT_EQ(cli({QStringLiteral("template"), QStringLiteral("circle"), QStringLiteral("-o"),
                   path(QStringLiteral("no/folder/x.crs"))}).exitCode, 3);
}
