#include "halvane/ui/back_animation_box.h"

#include "halvane/ui/ui_messages.h"

#include <QFileInfo>
#include <QMouseEvent>

namespace halvane::ui {

BackAnimationBox::BackAnimationBox(const QString &accessibleName, QWidget *parent) : QLabel(parent)
{
    setAccessibleName(accessibleName);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 14);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Click to choose a back animation, right-click for none"));
    setTextInteractionFlags(Qt::NoTextInteraction);
}

void BackAnimationBox::setFileName(const QString &fileName)
{
    setText(fileName);
}

void BackAnimationBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit chooseRequested();
    else if (event->button() == Qt::RightButton)
        emit cleared();
    event->accept();
}

QString chooseBackAnimation(QWidget *parent, const QString &animationsFolder)
{
    const QString path = chooseFile(
        {parent, false, animationsFolder,
         QCoreApplication::translate("halvane::ui", "Animation file(*.bmp; *.jpg; *.crs)") +
             QStringLiteral(" (*.bmp *.jpg *.crs *.BMP *.JPG *.CRS)")});
    return path.isEmpty() ? QString() : QFileInfo(path).fileName();
}

} // namespace halvane::ui
