// dravelle: the cross animation editor.

#include "common/app_dir.h"
#include "common/folder_choice.h"
#include "common/language.h"
#include "dravelle/document/animation_store.h"
#include "dravelle/editor/dravelle_config.h"
#include "dravelle/ui/main_frame.h"
#include "dravelle/ui/resolution_dlg.h"
#include "dravelle/ui/screenshot_mode.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

namespace {

// The arguments that name files: neither options nor the value of
// --screenshots.
QStringList commandLineFiles(const QStringList &arguments)
{
    QStringList files;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--screenshots"))
            ++i;
        else if (!arguments.at(i).startsWith(QLatin1Char('-')))
            files << QFileInfo(arguments.at(i)).absoluteFilePath();
    }
    return files;
}

} // namespace

int main(int argc, char **argv)
{
    common::setProgramFolder(common::dravelleProgramFolder());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dravelle"));
    QStringList arguments = QApplication::arguments();
    QString error;
    if (!common::takeAppDirArgument(arguments, &error)) {
        QMessageBox::critical(nullptr, QStringLiteral("Dravelle"), error);
        return 2;
    }
    if (const common::Status prepared = common::prepareApplicationFolder(); !prepared)
        QMessageBox::warning(nullptr, QStringLiteral("Dravelle"), prepared.message);
    // A file given on the command line (a double-clicked .crs) opens as Open
    // Animation does, once the window is up.
    const QStringList files = commandLineFiles(arguments);
    // The resolution is fixed for the run; Cancel in the start-up dialog ends
    // the program before any window.
    const std::optional<int> resolution = dravelle::ui::chooseResolutionAtStart(dravelle::editor::dravelleIniPath());
    if (!resolution)
        return 0;
    // The language follows the user's locale; the resolution question above
    // is always asked in the built-in texts.
    common::loadLanguage(common::folderWithShipped(common::applicationFolder(), QStringLiteral("language")), common::systemLanguageId(),
                         common::LanguageTableOf::Dravelle);
    dravelle::document::AnimationStore store(*resolution);
    dravelle::ui::MainFrame frame(store);
    const qsizetype shots = arguments.indexOf(QStringLiteral("--screenshots"));
    // The screenshots show a fresh window: no recovery question, no list of the user's files.
    if (shots < 0) {
        frame.keepRecoveryCopies(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        frame.keepRecentFiles(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                          QStringLiteral("cross"), QStringLiteral("dravelle")));
    }
    frame.resize(frame.sizeHint().expandedTo(dravelle::ui::MainFrame::defaultSize()));
    frame.show();
    // A hidden option for scripts/screenshots.
    if (shots >= 0 && shots + 1 < arguments.size())
        dravelle::ui::runScreenshots(frame, arguments.at(shots + 1));
    else if (!files.isEmpty())
        QTimer::singleShot(0, &frame, [&frame, file = files.first()] { frame.openAnimation(file); });
    return app.exec();
}
