// dravelle: the cross animation editor.

#include "common/app_dir.h"
#include "common/language.h"
#include "dravelle/document/animation_store.h"
#include "dravelle/editor/dravelle_config.h"
#include "dravelle/ui/main_frame.h"
#include "dravelle/ui/resolution_dlg.h"
#include "dravelle/ui/screenshot_mode.h"

#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dravelle"));
    QStringList arguments = QApplication::arguments();
    QString error;
    if (!common::takeAppDirArgument(arguments, &error)) {
        QMessageBox::critical(nullptr, QStringLiteral("Dravelle"), error);
        return 2;
    }
    // The resolution is fixed for the run; Cancel in the start-up dialog ends
    // the program before any window.
    const std::optional<int> resolution = dravelle::ui::chooseResolutionAtStart(dravelle::editor::dravelleIniPath());
    if (!resolution)
        return 0;
    // The language follows the user's locale; the resolution question above
    // is always asked in the built-in texts.
    common::loadLanguage(common::applicationFolder(), common::systemLanguageId(),
                         common::LanguageTableOf::Dravelle);
    dravelle::document::AnimationStore store(*resolution);
    dravelle::ui::MainFrame frame(store);
    const qsizetype shots = arguments.indexOf(QStringLiteral("--screenshots"));
    // The screenshots show a fresh window: no recovery question, no list of the user's files.
    if (shots < 0) {
        frame.keepRecoveryCopies(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        frame.keepRecentFiles(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                          QStringLiteral("Dravelle"), QStringLiteral("Dravelle")));
    }
    frame.resize(frame.sizeHint().expandedTo(dravelle::ui::MainFrame::defaultSize()));
    frame.show();
    // A hidden option for scripts/screenshots.
    if (shots >= 0 && shots + 1 < arguments.size())
        dravelle::ui::runScreenshots(frame, arguments.at(shots + 1));
    return app.exec();
}
