// The "Add and Delete Fonts" dialog: its rows from the Fonts folder, the keys
// a tick and an untick write, and an installed font reaching a renderer of
// another process (halvane-cli build).
#include "common/profile.h"
#include "halvane/encode/installed_fonts.h"
#include "halvane/settings/halvane_config.h"
#include "halvane/project/plst_file.h"
#include "halvane/ui/cell_list.h"
#include "halvane/ui/fonts_dlg.h"
#include "ui_fixture.h"

#include <QFontDatabase>
#include <QProcess>
#include <QTest>

using halvane::ui::CellList;
using halvane::ui::FontsDlg;

namespace {

// The family name inside a font file, replaced by one of the same length that
// no system has: a test font that only an installation can make known.
constexpr char kTestFamily[] = "Crossfnt";

QByteArray renamedFont()
{
    QFile file(QStringLiteral(CROSS_TEST_FONT));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray font = file.readAll();
    const QString from = QStringLiteral("Beteckna"), to = QLatin1String(kTestFamily);
    font.replace(from.toLatin1(), to.toLatin1());
    QByteArray from16, to16; // the name table's UTF-16 big-endian records
    for (int i = 0; i < from.size(); ++i) {
        from16 += '\0';
        from16 += from.at(i).toLatin1();
        to16 += '\0';
        to16 += to.at(i).toLatin1();
    }
    return font.replace(from16, to16);
}

QString fontKey(const QString &ini, int number)
{
    return common::GetPrivateProfileStringA("FONT", QStringLiteral("FONT%1").arg(number), QString(), 100, ini);
}

int fontNum(const QString &ini)
{
    return common::GetPrivateProfileIntA("FONT", "FONTNUM", 3, ini);
}

void tick(CellList *list, int row)
{
    list->setCurrentCell(row, 0);
    QTest::keyClick(list->viewport(), Qt::Key_Space);
}

} // namespace

class TestFontsDlg : public QObject {
    Q_OBJECT

    std::unique_ptr<ui_test::AppFolder> m_folder;
    std::unique_ptr<ui_test::Prompts> m_prompts;

    QString fonts() const { return m_folder->path() + "Fonts/"; }
    void addFont(const QString &name, const QByteArray &bytes) const
    {
        QFile file(fonts() + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<ui_test::AppFolder>();
        m_prompts = std::make_unique<ui_test::Prompts>();
        QDir(m_folder->path()).mkpath("Fonts");
        if (renamedFont().isEmpty())
            QSKIP("the test font is missing: scripts/deps.sh installs it");
    }
    void cleanup()
    {
        m_prompts.reset();
        m_folder.reset();
    }

    void rowsAreTheTtfFilesByNameWithTheirInstallState()
    {
        const QByteArray font = renamedFont();
        addFont("b.ttf", font);
        addFont("A.TTF", font);
        addFont("c.ttf", font);
        addFont("readme.txt", "not a font");
        QDir(fonts()).mkpath("folder.ttf");
        QVERIFY(common::WritePrivateProfileStringA("FONT", "FONT5", "b", m_folder->ini()));
        FontsDlg dialog(m_folder->path());
        CellList *list = dialog.list();
        QCOMPARE(list->rowCount(), 3);
        QCOMPARE(list->itemText(0, 1), QString("A.TTF"));
        QCOMPARE(list->itemText(1, 1), QString("b.ttf"));
        QCOMPARE(list->itemText(2, 1), QString("c.ttf"));
        QVERIFY(!list->checkbox(0, 0));
        QVERIFY2(list->checkbox(1, 0), "row 1 is FONT5");
        QVERIFY(!list->checkbox(2, 0));
    }

    void theThirdFontIsFontSixAndUntickingKeepsFontNum()
    {
        const QByteArray font = renamedFont();
        for (const char *name : {"one.ttf", "two.ttf", "three.ttf"})
            addFont(name, font);
        FontsDlg dialog(m_folder->path());
        dialog.show();
        CellList *list = dialog.list();
        QCOMPARE(list->itemText(1, 1), QString("three.ttf"));
        tick(list, 2); // "two.ttf", the third by name
        QVERIFY(list->checkbox(2, 0));
        QCOMPARE(fontKey(m_folder->ini(), 6), QString("two"));
        QCOMPARE(fontNum(m_folder->ini()), 6);
        QCOMPARE(common::GetPrivateProfileStringA(halvane::encode::kSectionInstalledFonts, "CrossFont2", QString(),
                                                  1024, m_folder->ini()),
                 QDir(fonts()).absoluteFilePath("two.ttf"));
        QVERIFY(QFontDatabase::families().contains(kTestFamily));

        tick(list, 2);
        QVERIFY(!list->checkbox(2, 0));
        QCOMPARE(fontKey(m_folder->ini(), 6), QString());
        QCOMPARE(fontNum(m_folder->ini()), 6);
        QVERIFY(m_prompts->messages.isEmpty());
    }

    void aFontThatCannotBeLoadedIsNamedAndTheBoxStaysAsItWas()
    {
        addFont("broken.ttf", QByteArray(4096, 'x'));
        FontsDlg dialog(m_folder->path());
        dialog.show();
        tick(dialog.list(), 0);
        QVERIFY(!dialog.list()->checkbox(0, 0));
        QCOMPARE(m_prompts->messages.size(), 1);
        QVERIFY(m_prompts->messages[0].contains("broken.ttf"));
        QCOMPARE(fontKey(m_folder->ini(), 4), QString());
        QCOMPARE(fontNum(m_folder->ini()), 3);
    }

    // Another process draws the text: only the installation makes the font
    // known to it, so the text image differs from the fall-back font's.
    void anInstalledFontDrawsTheTextsOfALaterBuild()
    {
        addFont(QString(kTestFamily) + ".ttf", renamedFont());
        halvane::project::PlayProjectData data = halvane::project::defaultProjectData(0);
        data.playList.append({"Text1"});
        data.texts[0].text = "Wide Mow";
        data.texts[0].font = 3; // after the shipped three: the FONT4 installed below
        const QString project = m_folder->path() + "texts.plst";
        QVERIFY(halvane::project::writePlstFile(project, data));
        const auto build = [&](const QString &out) {
            QProcess cli;
            cli.start(HALVANE_CLI_PATH, {"--app-dir", m_folder->path(), "build", project, "--out", m_folder->path() + out});
            if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
                qWarning("%s", cli.readAllStandardError().constData());
            QFile text(m_folder->path() + out + "/text.bin");
            return text.open(QIODevice::ReadOnly) ? text.readAll() : QByteArray();
        };

        {
            FontsDlg dialog(m_folder->path());
            dialog.show();
            tick(dialog.list(), 0);
        }
        QCOMPARE(fontKey(m_folder->ini(), 4), QString(kTestFamily));
        const QByteArray installed = build("installed");
        QVERIFY(!installed.isEmpty());

        // The name stays in the Fonts list, the installation record goes.
        QVERIFY(common::WritePrivateProfileStringA(halvane::encode::kSectionInstalledFonts, "CrossFont0", "",
                                                   m_folder->ini()));
        const QByteArray fallBack = build("fallback");
        QVERIFY(!fallBack.isEmpty());
        QVERIFY2(installed != fallBack, "the installed font was not used");
    }
};

QTEST_MAIN(TestFontsDlg)
#include "test_fonts_dlg.moc"
