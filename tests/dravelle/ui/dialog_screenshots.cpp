// Writes a PNG of each of Dravelle's dialogs into the folder given as the
// first argument, to look at them (run under Xvfb for the real window system).
// The import dialog plays the GIF given as the second argument; a translation
// (.qm) as the third shows them in that language.

#include "dravelle/document/animation_store.h"
#include "dravelle/ui/delay_dlg.h"
#include "dravelle/ui/import_dlg.h"
#include "dravelle/ui/resolution_dlg.h"
#include "dravelle/ui/reverse_color_dlg.h"
#include "dravelle/ui/wait_window.h"
#include "dravelle/ui/words_dlg.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTranslator>

#include <cstdio>

namespace {

void settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void shoot(QWidget &widget, const QString &folder, const QString &name, int ms = 200)
{
    widget.show();
    settle(ms);
    const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    widget.hide();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER GIF [TRANSLATION.qm]\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString gif = QString::fromLocal8Bit(argv[2]);
    QTranslator translation;
    if (argc > 3 && translation.load(QString::fromLocal8Bit(argv[3])))
        QApplication::installTranslator(&translation);
    QDir().mkpath(folder);
    QTemporaryDir dir;
    using namespace dravelle;
    document::AnimationStore store(64);
    store.newAnimation();

    ui::ResolutionDlg startUp(dir.filePath(QStringLiteral("Dravelle.ini")), ui::ResolutionDlg::Mode::StartUp);
    shoot(startUp, folder, QStringLiteral("resolution_start"));
    ui::ResolutionDlg menu(dir.filePath(QStringLiteral("Dravelle.ini")), ui::ResolutionDlg::Mode::Menu);
    shoot(menu, folder, QStringLiteral("resolution_menu"));
    document::WordsSettings words;
    words.text = QStringLiteral("Happy New Year");
    ui::WordsDlg wordsDlg(words);
    shoot(wordsDlg, folder, QStringLiteral("words"));
    std::atomic_bool busy{true};
    auto *wait = new ui::WaitWindow(busy);
    shoot(*wait, folder, QStringLiteral("wait"));
    busy = false;
    settle(200);
    ui::DelayDlg delay(store);
    shoot(delay, folder, QStringLiteral("delay"));
    ui::ReverseColorDlg reverse(store);
    shoot(reverse, folder, QStringLiteral("reverse"));

    ui::ImportDlg import(store, gif);
    shoot(import, folder, QStringLiteral("import_full"), 700);
    shoot(import, folder, QStringLiteral("import_full_later"), 350);
    import.show();
    for (QRadioButton *radio : import.findChildren<QRadioButton *>())
        if (radio->text() == QLatin1String("Horizontal"))
            radio->click();
    shoot(import, folder, QStringLiteral("import_horizontal"), 700);
    ui::ImportDlg broken(store, dir.filePath(QStringLiteral("missing.gif")));
    shoot(broken, folder, QStringLiteral("import_unreadable"));
    return 0;
}
