// Every text the windows look up is in the translations under the context it
// is looked up with: a text found under another context (a helper whose
// context lupdate cannot see) would stay English in every language.
#include "dravelle/document/animation_store.h"
#include "dravelle/ui/delay_dlg.h"
#include "dravelle/ui/main_frame.h"
#include "dravelle/ui/resolution_dlg.h"
#include "dravelle/ui/reverse_color_dlg.h"
#include "dravelle/ui/words_dlg.h"
#include "halvane/link/serial_port.h"
#include "halvane/ui/about_dlg.h"
#include "halvane/ui/fonts_dlg.h"
#include "halvane/ui/halvane_app.h"
#include "halvane/ui/main_window.h"
#include "halvane/ui/on_off_dlg.h"
#include "halvane/ui/parameters_dlg.h"
#include "halvane/ui/search_cross_dlg.h"
#include "halvane/ui/set_bright_dlg.h"
#include "ui_fixture.h"

#include <QFile>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <map>
#include <set>

namespace {

using Lookup = std::pair<QString, QString>; // context, source

// Answers nothing, so the built-in texts stay; keeps every lookup.
class RecordingTranslator : public QTranslator {
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (context && source)
            m_lookups.insert({QString::fromUtf8(context), QString::fromUtf8(source)});
        return QString();
    }
    bool isEmpty() const override { return false; }
    const std::set<Lookup> &lookups() const { return m_lookups; }
    void clear() { m_lookups.clear(); }

private:
    mutable std::set<Lookup> m_lookups;
};

// Source text to the contexts the translation file has it under.
std::map<QString, QSet<QString>> contextsOf(const QString &tsFile)
{
    std::map<QString, QSet<QString>> contexts;
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(tsFile));
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == QLatin1String("source"))
            contexts[xml.readElementText()].insert(context);
    }
    return contexts;
}

QStringList misplaced(const RecordingTranslator &recorder, const char *program)
{
    // The program's own texts and those of common/ it shares with the other.
    auto contexts = contextsOf(QStringLiteral(CROSS_SOURCE_DIR "/translations/") + QLatin1String(program)
                               + QStringLiteral("_fr.ts"));
    for (const auto &[source, where] : contextsOf(QStringLiteral(CROSS_SOURCE_DIR "/translations/common_fr.ts")))
        contexts[source].unite(where);
    QStringList wrong;
    for (const auto &[context, source] : recorder.lookups()) {
        if (context.startsWith(QLatin1Char('Q')))
            continue; // Qt's own texts, translated by Qt's files
        const auto found = contexts.find(source);
        if (found != contexts.end() && !found->second.contains(context))
            wrong << QStringLiteral("[%1] %2").arg(context, source);
    }
    return wrong;
}

} // namespace

class TestTranslationContexts : public QObject {
    Q_OBJECT

    RecordingTranslator m_recorder;

private slots:
    void init()
    {
        m_recorder.clear();
        QCoreApplication::installTranslator(&m_recorder);
    }
    void cleanup() { QCoreApplication::removeTranslator(&m_recorder); }

    void halvanesWindowAndDialogsLookUpTheirTextsWhereTheTranslationsHaveThem()
    {
        ui_test::AppFolder folder;
        ui_test::Prompts prompts;
        {
            halvane::ui::HalvaneApp app(folder.path());
            halvane::ui::MainWindow *window = app.mainWindow(QString(), false, halvane::ui::DialogHooks{});
            window->show();
            QTest::qWait(100);
            window->showCrossStatus();
            halvane::link::SystemLink system(folder.path());
            halvane::ui::FontsDlg fonts(folder.path());
            halvane::ui::AboutDlg about(system.context());
            halvane::ui::OnOffDlg onOff(system.context());
            halvane::ui::ParametersDlg parameters(system.context());
            halvane::ui::SearchCrossDlg search(system.context());
            halvane::ui::SetBrightDlg bright(system.context());
        }
        QVERIFY(m_recorder.lookups().size() > 100);
        const QStringList wrong = misplaced(m_recorder, "halvane");
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    void dravellesWindowAndDialogsLookUpTheirTextsWhereTheTranslationsHaveThem()
    {
        QTemporaryDir dir;
        {
            dravelle::document::AnimationStore store(48);
            store.newAnimation();
            dravelle::ui::MainFrame frame(store);
            frame.show();
            QTest::qWait(100);
            dravelle::ui::WordsDlg words(store.wordsSettings());
            dravelle::ui::DelayDlg delay(store);
            dravelle::ui::ReverseColorDlg reverse(store);
            dravelle::ui::ResolutionDlg resolution(dir.filePath(QStringLiteral("Dravelle.ini")),
                                                   dravelle::ui::ResolutionDlg::Mode::Menu);
        }
        QVERIFY(m_recorder.lookups().size() > 50);
        const QStringList wrong = misplaced(m_recorder, "dravelle");
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslationContexts)
#include "test_translation_contexts.moc"
