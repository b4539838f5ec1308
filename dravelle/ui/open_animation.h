#pragma once

#include "dravelle/document/animation_store.h"

#include <QString>

class QWidget;

namespace dravelle::ui {

// Open Animation as the window runs it, in two steps around the window's
// own question about unsaved changes:
//   const QString path = chooseAnimationFile(this);
//   if (!path.isEmpty() && <may replace the animation>) openAnimationFile(store, path, this);

// The open dialog "Select a file or folder" for the pictures Dravelle
// imports; empty when the user cancels.
QString chooseAnimationFile(QWidget *parent);

// Whether a path dropped onto the window is one Open Animation takes: an
// existing file ending in .gif, .crs, .jpg or .bmp in any case.
bool acceptsDroppedPath(const QString &path);

// New Animation, then the import dialog for `path` (modal). True when the
// dialog ended with OK: the pages are the import's; the window then selects
// slot 1, sets its group buttons and redraws. With Cancel the store holds
// the new animation, or the pages of a conversion that had finished.
bool openAnimationFile(document::AnimationStore &store, const QString &path, QWidget *parent);

} // namespace dravelle::ui
