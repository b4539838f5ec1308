#include "dravelle/ui/open_animation.h"

#include "dravelle/ui/import_dlg.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace dravelle::ui {

QString chooseAnimationFile(QWidget *parent)
{
    return QFileDialog::getOpenFileName(
        parent, QCoreApplication::translate("Dravelle", "Select a file or folder"), QString(),
        QCoreApplication::translate("Dravelle", "animation file (*.gif *.crs *.jpg *.bmp)"), nullptr,
        QFileDialog::ReadOnly);
}

bool acceptsDroppedPath(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    const QString suffix = info.suffix().toLower();
    return suffix == QLatin1String("gif") || suffix == QLatin1String("crs") || suffix == QLatin1String("jpg")
        || suffix == QLatin1String("bmp");
}

bool openAnimationFile(document::AnimationStore &store, const QString &path, QWidget *parent)
{
    // The new animation and what the import brings are one step.
    document::AnimationStore::Step step(store);
    store.newAnimation();
    ImportDlg dialog(store, path, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace dravelle::ui
