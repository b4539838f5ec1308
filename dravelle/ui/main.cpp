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
    frame.resize(frame.sizeHint().expandedTo(dravelle::ui::MainFrame::defaultSize()));
    frame.show();
    // A hidden option for scripts/screenshots.
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--screenshots")); at >= 0 && at + 1 < arguments.size())
        dravelle::ui::runScreenshots(frame, arguments.at(at + 1));
    return app.exec();
}
