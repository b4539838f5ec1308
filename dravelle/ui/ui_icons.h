#pragma once

#include "dravelle/editor/dot_tools.h"

#include <QCursor>
#include <QIcon>

namespace dravelle::ui {

// Our own icons, compiled in: `name` is the file name in
// resources/icons/dravelle/ without ".svg".
QIcon dravelleIcon(const QString &name);
// The cursor shown over the editing square for a tool.
QCursor toolCursor(editor::Tool tool);

} // namespace dravelle::ui
