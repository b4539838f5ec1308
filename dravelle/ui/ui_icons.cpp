#include "dravelle/ui/ui_icons.h"

#include <QPixmap>

namespace dravelle::ui {

QIcon dravelleIcon(const QString &name)
{
    return QIcon(QStringLiteral(":/icons/dravelle/%1.svg").arg(name));
}

namespace {

struct CursorShape {
    const char *file;
    int hotX;
    int hotY;
};

CursorShape cursorShape(editor::Tool tool)
{
    using editor::Tool;
    switch (tool) {
    case Tool::Pen: return {"cursor_pen", 1, 31};
    case Tool::ColourPicker: return {"cursor_picker", 1, 31};
    case Tool::Eraser: return {"cursor_eraser", 1, 1};
    case Tool::Fill: return {"cursor_fill", 1, 1};
    default: return {"cursor_cross", 16, 16};
    }
}

} // namespace

QCursor toolCursor(editor::Tool tool)
{
    const CursorShape shape = cursorShape(tool);
    const QPixmap pixmap = dravelleIcon(QString::fromLatin1(shape.file)).pixmap(32, 32);
    if (pixmap.isNull())
        return QCursor(Qt::CrossCursor);
    return QCursor(pixmap, shape.hotX, shape.hotY);
}

} // namespace dravelle::ui
