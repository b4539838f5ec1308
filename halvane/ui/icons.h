#pragma once

#include "halvane/project/play_project_records.h"

#include <QIcon>
#include <QString>

namespace halvane::ui {

// The program's own images (resources/icons/ui/*.svg compiled in): no
// dependence on the desktop's icon theme.
QIcon uiIcon(const QString &name);
// The play list's icon for an entry kind: animation, text, Hour, Date,
// Temperature, Humidity.
QIcon entryKindIcon(project::EntryKind kind);
// The program icon.
QIcon programIcon();

} // namespace halvane::ui
