// Opens each of Halvane's dialogs as a user would meet it and saves what it
// shows as PNGs: halvane_dialog_shots OUTDIR [TRANSLATION.qm] (under Xvfb or
// offscreen); with a translation, every dialog in that language.
// The send dialog talks to a virtual cross on a pseudo-terminal.

#include "halvane/link/serial_port.h"
#include "halvane/link/settings_commands.h"
#include "halvane/preview/preview_context.h"
#include "halvane/ui/about_dlg.h"
#include "halvane/ui/fonts_dlg.h"
#include "halvane/ui/on_off_dlg.h"
#include "halvane/ui/parameters_dlg.h"
#include "halvane/ui/search_cross_dlg.h"
#include "halvane/ui/set_bright_dlg.h"
#include "halvane/ui/test_cross_dlg.h"
#include "halvane/ui/preview_dlg.h"
#include "halvane/ui/send_dlg.h"
#include "tests/common/tiny_frame_gif.h"
#include "tools/cross-sim/pty_cross.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTranslator>

#include <cstdio>
#include <functional>

namespace {

void waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

void settle(int ms)
{
    waitFor([] { return false; }, ms);
}

void shoot(QWidget &widget, const QString &file)
{
    widget.grab().save(file);
    std::printf("%s\n", qPrintable(file));
}

QString statusOf(QWidget &dialog)
{
    for (auto *label : dialog.findChildren<QLabel *>())
        if (label->accessibleName() == QStringLiteral("Status"))
            return label->text();
    return {};
}

void shootPreviews(const QString &out, const QString &folder)
{
    halvane::project::PlayProjectData data = halvane::project::defaultProjectData(0);
    data.texts[0].text = QStringLiteral("Halvane");
    data.texts[0].speed = 3;
    data.items[0].frameStyle = 3;
    const halvane::preview::PreviewContext context = halvane::preview::previewContextFor(
        folder + QStringLiteral("Halvane.ini"), data, halvane::project::AnimationLibrary(folder + QStringLiteral("animations")));
    {
        halvane::ui::CPreviewDlg dialog(context, halvane::preview::PreviewKind::Hour);
        dialog.show();
        settle(1200);
        shoot(dialog, out + QStringLiteral("/halvane-preview-hour.png"));
    }
    {
        halvane::ui::CPreviewDlg dialog(context, halvane::preview::PreviewKind::Text1);
        dialog.show();
        settle(1500);
        shoot(dialog, out + QStringLiteral("/halvane-preview-text1.png"));
    }
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// One send against a fresh virtual cross, shot while it sends (when
// `sendingShot` is given) and when it has ended.
void shootOneSend(const QString &folder, const QByteArray &extraBoot, const QStringList &playList,
                  const QString &sendingShot, const QString &endShot)
{
    const QByteArray ini = "[BOOT]\nPORT=1\nBAUDRATE=115200\nADDRESS1=FF\nADDRESS2=FF\nADDRESS3=FF\nADDRESS4=EF\n"
                           + extraBoot + "[PORTS]\nCOM1=" + (folder + QStringLiteral("com1")).toUtf8() + "\n";
    if (!writeFile(folder + QStringLiteral("Halvane.ini"), ini))
        return;
    cross_sim::CrossConfig config;
    config.baudRate = 115200;
    cross_sim::PtyCross cross(config);
    if (!cross.start(folder + QStringLiteral("com1")))
        return;
    halvane::project::PlayProjectData data = halvane::project::defaultProjectData(0);
    for (const QString &name : playList) {
        data.playList.append({name});
        if (name.endsWith(QLatin1String(".crs")))
            data.animations.append(halvane::project::defaultAnimationEntry(name));
    }
    data.texts[0].text = QStringLiteral("Halvane");
    halvane::ui::CSendDlg dialog(data, halvane::project::AnimationLibrary(folder + QStringLiteral("animations")), folder);
    dialog.show();
    if (!sendingShot.isEmpty()) {
        waitFor([&] { return statusOf(dialog).startsWith(QStringLiteral("Sending No0 Section Text")); }, 30'000);
        settle(300);
        shoot(dialog, sendingShot);
    }
    waitFor([&] { return dialog.isDone(); }, 60'000);
    settle(300);
    shoot(dialog, endShot);
}

void shootSend(const QString &out, const QString &folder)
{
    shootOneSend(folder, {}, {QStringLiteral("Hour"), QStringLiteral("Text1")}, out + QStringLiteral("/halvane-send-sending.png"),
                 out + QStringLiteral("/halvane-send-complete.png"));
    // A file gone from the animations folder goes as a dark frame, with a warning.
    shootOneSend(folder, {}, {QStringLiteral("gone.crs"), QStringLiteral("Hour")}, {},
                 out + QStringLiteral("/halvane-send-warning.png"));
    // An animation too long for the cross's memory: refused before anything is deleted.
    writeFile(folder + QStringLiteral("animations/long.crs"), tinyFrameGif(9094));
    shootOneSend(folder, "CROSSSTYLE=1\n", {QStringLiteral("long.crs"), QStringLiteral("long.crs")}, {}, out + QStringLiteral("/halvane-send-refused.png"));
}

template <class Dialog, class... Args>
void shootDevice(const halvane::link::LinkContext &link, const QString &file, int settleMs, Args... args)
{
    Dialog dialog(link, args...);
    dialog.show();
    settle(200);
    waitFor([&] { return !dialog.crossBusy(); }, 15'000);
    settle(settleMs);
    shoot(dialog, file);
}

// The device dialogs over a virtual cross that has a brightness schedule
// and an on/off week stored.
void shootDevices(const QString &out, const QString &folder)
{
    const QByteArray ini = "[BOOT]\nPORT=1\nBAUDRATE=115200\nADDRESS1=FF\nADDRESS2=FF\nADDRESS3=FF\nADDRESS4=EF\n"
                           "CROSSSTYLE=0\nHARNESSFRAMEDOTS=1\nCROSSNO=0\n[ADDR1]\nADDRESS1=FF\nADDRESS2=FF\n"
                           "ADDRESS3=FF\nADDRESS4=EF\n[PORTS]\nCOM1="
                           + (folder + QStringLiteral("com1")).toUtf8() + "\n";
    if (!writeFile(folder + QStringLiteral("Halvane.ini"), ini))
        return;
    cross_sim::CrossConfig config;
    config.baudRate = 115200;
    cross_sim::PtyCross cross(config);
    if (!cross.start(folder + QStringLiteral("com1")))
        return;
    halvane::link::SystemLink system(folder);
    const halvane::link::LinkContext &link = system.context();
    halvane::link::BrightnessSchedule bright;
    bright.mode = halvane::link::BrightnessSchedule::Mode::Times;
    bright.rows = {{{{6, 30}, 1}, {{9, 0}, 3}, {{18, 15}, 2}, {{22, 0}, 0}}};
    (void)halvane::link::SetBrightnessSchedule(link, bright);
    halvane::link::OnOffSchedule week;
    for (int day = 0; day < 5; ++day) {
        week[day].mode = halvane::link::OnOffDay::Mode::Times;
        week[day].times = {{{7, 0}, {12, 30}, {13, 30}, {22, 0}}};
    }
    week[6].mode = halvane::link::OnOffDay::Mode::AlwaysClosed;
    (void)halvane::link::SetOnOffSchedule(link, week);

    shootDevice<halvane::ui::SetBrightDlg>(link, out + QStringLiteral("/halvane-set-bright.png"), 200);
    shootDevice<halvane::ui::OnOffDlg>(link, out + QStringLiteral("/halvane-on-off.png"), 200);
    shootDevice<halvane::ui::ParametersDlg>(link, out + QStringLiteral("/halvane-parameters.png"), 200);
    shootDevice<halvane::ui::SearchCrossDlg>(link, out + QStringLiteral("/halvane-search-cross.png"), 200);
    shootDevice<halvane::ui::AboutDlg>(link, out + QStringLiteral("/halvane-about.png"), 300);
    cross.setSelfTestRepeat(true);
    halvane::ui::TestCrossDlg test(link, 20'000);
    test.show();
    waitFor([&] { return !test.resultText().isEmpty(); }, 15'000);
    settle(200);
    shoot(test, out + QStringLiteral("/halvane-test-cross.png"));
}

} // namespace

// The fonts dialog over a Fonts folder of the fonts the system ships.
void shootFonts(const QString &out, const QString &folder)
{
    QDir().mkpath(folder + QStringLiteral("Fonts"));
    for (const char *font : {"/usr/share/fonts/truetype/comfortaa/Comfortaa-Regular.ttf",
                             "/usr/share/fonts/truetype/beteckna/Beteckna.ttf",
                             "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"})
        QFile::copy(QLatin1String(font), folder + QStringLiteral("Fonts/") + QFileInfo(QLatin1String(font)).fileName());
    halvane::ui::FontsDlg dialog(folder);
    dialog.show();
    settle(200);
    shoot(dialog, out + QStringLiteral("/halvane-fonts.png"));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTranslator translation;
    if (argc > 2 && translation.load(QString::fromLocal8Bit(argv[2])))
        QApplication::installTranslator(&translation);
    QDir().mkpath(out);
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    QDir().mkpath(folder + QStringLiteral("animations"));
    shootDevices(out, folder);
    shootFonts(out, folder);
    shootPreviews(out, folder);
    shootSend(out, folder);
    return 0;
}
