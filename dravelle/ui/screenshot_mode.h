#pragma once

#include <QString>

namespace dravelle::ui {

class MainFrame;

// `dravelle --screenshots DIR`: once the first animation exists, shows the
// window in a few typical states (an empty animation, a drawn page, a
// 20-page animation in group 3), writes a PNG of each into DIR and quits.
// scripts/screenshots runs it under Xvfb.
void runScreenshots(MainFrame &frame, const QString &folder);

} // namespace dravelle::ui
