#include "dravelle/ui/screenshot_mode.h"

#include "dravelle/ui/dravelle_view.h"
#include "dravelle/ui/main_frame.h"
#include "dravelle/ui/square_widget.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

namespace dravelle::ui {

using editor::DotTools;
using editor::Tool;

namespace {

// One left stroke with `tool` in `bits` from cell a to cell b.
void stroke(DotTools &tools, Tool tool, int bits, QPoint a, QPoint b)
{
    const editor::CellGeometry &g = tools.square().geometry();
    tools.setTool(tool);
    tools.setDrawingColour(bits);
    tools.leftDown(g.strokePoint(a));
    tools.leftMove(g.strokePoint(b));
    tools.leftUp();
}

void drawPicture(DotTools &tools, int r)
{
    const int c = r / 2;
    stroke(tools, Tool::Fill, 1, {c, c}, {c, c});
    stroke(tools, Tool::Ellipse, 3, {c - 12, c - 12}, {c + 11, c + 11});
    stroke(tools, Tool::Rectangle, 7, {c - 6, c - 6}, {c + 5, c + 5});
    stroke(tools, Tool::Line, 2, {0, c}, {r - 1, c});
    stroke(tools, Tool::Line, 4, {c, 0}, {c, r - 1});
    stroke(tools, Tool::Fill, 6, {c + 2, c + 2}, {c + 2, c + 2});
}

void save(MainFrame &frame, const QString &folder, const char *name)
{
    QApplication::processEvents();
    const QString file = QDir(folder).filePath(QString::fromLatin1(name));
    if (!frame.grab().save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

void shoot(MainFrame &frame, const QString &folder)
{
    document::AnimationStore &store = frame.view()->store();
    SquareWidget *square = frame.view()->square();
    save(frame, folder, "dravelle-empty.png");

    drawPicture(square->tools(), store.resolution());
    square->update();
    save(frame, folder, "dravelle-drawn.png");

    // Twenty pages, each with a bar one row lower, then group 3.
    store.newAnimation();
    for (int page = 1; page <= 20; ++page) {
        if (page > 1)
            store.addPage();
        const int row = 16 + page - 1;
        stroke(square->tools(), Tool::Line, page % 7 + 1, {0, row}, {store.resolution() - 1, row});
    }
    store.showGroup(3);
    save(frame, folder, "dravelle-group3.png");
    // A new page with one white line over the faint previous page.
    store.selectPage(20);
    store.addPage();
    store.clearPage();
    square->redrawPage();
    stroke(square->tools(), Tool::Line, 7, {20, 0}, {20, store.resolution() - 1});
    square->setOnionSkin(true);
    save(frame, folder, "dravelle-onion.png");
    square->setOnionSkin(false);
    store.setModified(false);
    QApplication::quit();
}

} // namespace

void runScreenshots(MainFrame &frame, const QString &folder)
{
    QDir().mkpath(folder);
    auto *poll = new QTimer(&frame);
    QObject::connect(poll, &QTimer::timeout, &frame, [&frame, folder, poll] {
        if (!frame.view()->store().hasAnimation())
            return;
        poll->stop();
        shoot(frame, folder);
    });
    poll->start(50);
}

} // namespace dravelle::ui
