#pragma once

#include "halvane/preview/preview_context.h"

#include <QString>

#include <functional>

class QWidget;

namespace halvane::project {
class PlayProject;
}

namespace halvane::ui {

// The dialogs the main window opens, one entry each. An empty entry leaves
// its menu entry and buttons disabled (never a click that does nothing);
// hooking a dialog in is one line in availableDialogs().
struct DialogHooks {
    using Open = std::function<void(QWidget *parent)>;
    std::function<void(QWidget *parent, preview::PreviewKind kind, const QString &name)> preview;
    Open send;
    Open setBright;
    Open onOff;
    Open setResolution;
    Open searchCross;
    Open testCross;
    Open fonts;
    Open about;
    Open syncTime;
};

// The dialogs this build has, over the run's project and application folder.
DialogHooks availableDialogs(project::PlayProject &project, const QString &appFolder);

} // namespace halvane::ui
