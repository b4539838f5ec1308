// dravelle: the cross animation editor.

#include "common/app_dir.h"
#include "dravelle/document/animation_store.h"
#include "dravelle/editor/dravelle_config.h"
#include "dravelle/ui/main_frame.h"

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
    const auto settings = dravelle::editor::readDravelleSettings(dravelle::editor::dravelleIniPath());
    dravelle::document::AnimationStore store(settings.resolution());
    dravelle::ui::MainFrame frame(store);
    frame.resize(frame.sizeHint().expandedTo(QSize(960, 720)));
    frame.show();
    return app.exec();
}
