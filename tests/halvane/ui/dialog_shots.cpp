// Opens each of Halvane's dialogs as a user would meet it and saves what it
// shows as PNGs: halvane_dialog_shots OUTDIR (under Xvfb or offscreen).
// The send dialog talks to a virtual cross on a pseudo-terminal.

#include "halvane/preview/preview_context.h"
#include "halvane/ui/preview_dlg.h"
#include "halvane/ui/send_dlg.h"
#include "tests/common/tiny_frame_gif.h"
#include "tools/cross-sim/pty_cross.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

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

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    QDir().mkpath(folder + QStringLiteral("animations"));
    shootPreviews(out, folder);
    shootSend(out, folder);
    return 0;
}
