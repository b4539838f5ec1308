// halvane: the cross programmer's window.
#include "common/app_dir.h"
#include "common/folder_choice.h"
#include "halvane/ui/halvane_app.h"
#include "halvane/ui/main_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace {

// --screenshot FILE: once the search has ended and the thumbnails have
// played for a moment, the window is saved as a PNG and the program ends.
void scheduleScreenshot(halvane::ui::MainWindow *window, const QString &file, int delayMs)
{
    QObject::connect(window, &halvane::ui::MainWindow::searchFinished, window, [window, file, delayMs] {
        QTimer::singleShot(delayMs, window, [window, file] {
            const bool saved = window->grab().save(file, "PNG");
            std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "wrote" : "cannot write",
                         qPrintable(file));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    });
}

} // namespace

int main(int argc, char **argv)
{
    common::setProgramFolder(common::halvaneProgramFolder());
    // A language change starts the program again with the same arguments.
    QStringList startArguments;
    for (int i = 1; i < argc; ++i)
        startArguments << QString::fromLocal8Bit(argv[i]);
    QString appDirError;
    if (!common::takeAppDirArgument(argc, argv, &appDirError)) {
        std::fprintf(stderr, "halvane: %s\n", qPrintable(appDirError));
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Halvane"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The cross programmer (option --app-dir DIR: "
                                                    "another application folder)."));
    parser.addHelpOption();
    const QCommandLineOption open(QStringLiteral("open"), QStringLiteral("Open this play project."),
                                  QStringLiteral("file.plst"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save the window as a PNG after the search, then end."),
                                        QStringLiteral("file.png"));
    const QCommandLineOption wait(QStringLiteral("screenshot-delay"),
                                  QStringLiteral("Milliseconds between the search's end and the screenshot."),
                                  QStringLiteral("ms"), QStringLiteral("2500"));
    parser.addOptions({open, screenshot, wait});
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A play project to open, as --open does (a file manager's "
                                                "double-click)."),
                                 QStringLiteral("[file.plst]"));
    parser.process(app);
    const QString project = parser.isSet(open) ? parser.value(open) : parser.positionalArguments().value(0);
    if (const common::Status prepared = common::prepareApplicationFolder(); !prepared)
        QMessageBox::warning(nullptr, QStringLiteral("Halvane"), prepared.message);

    halvane::ui::HalvaneApp halvane(common::applicationFolder());
    halvane.setRestartArguments(startArguments);
    // Absolute, so the project remembered in Halvane.ini is found from anywhere.
    halvane::ui::MainWindow *window =
        halvane.mainWindow(project.isEmpty() ? project : QFileInfo(project).absoluteFilePath());
    window->resize(1280, 760);
    if (parser.isSet(screenshot))
        scheduleScreenshot(window, parser.value(screenshot), parser.value(wait).toInt());
    window->show();
    if (!halvane.startProblem().isEmpty())
        QTimer::singleShot(0, window, [window, &halvane] {
            QMessageBox::warning(window, QStringLiteral("Halvane"), halvane.startProblem());
        });
    return QApplication::exec();
}
