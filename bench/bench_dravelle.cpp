// Dravelle's editor window: how long a pen stroke event takes to reach the
// painted square, and page buttons and thumbnail clicks in a long animation.

#include "bench/gui_benchmark_main.h"
#include "dravelle/ui/dravelle_view.h"
#include "dravelle/ui/main_frame.h"
#include "dravelle/ui/square_widget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>


using dravelle::document::AnimationStore;
using dravelle::document::DotPage;
using dravelle::ui::MainFrame;

namespace {

struct Window {
    AnimationStore store;
    MainFrame frame;

    explicit Window(int resolution) : store(resolution), frame(store)
    {
        frame.resize(MainFrame::defaultSize());
        frame.show();
        store.newAnimation();
        QApplication::processEvents();
    }
    ~Window() { store.setModified(false); }

    QPushButton *button(const QString &text)
    {
        for (QPushButton *b : frame.findChildren<QPushButton *>())
            if (b->text() == text)
                return b;
        return nullptr;
    }
};

void send(QWidget *w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// One move of a pen stroke, from the event to the repainted square.
void penStrokeEvent(benchmark::State &state)
{
    Window window(64);
    auto *square = window.frame.view()->square();
    const int f = square->cellSize();
    const QPoint origin = square->squareOrigin();
    send(square, QEvent::MouseButtonPress, origin + QPoint(f / 2, 32 * f), Qt::LeftButton, Qt::LeftButton);
    int x = 0;
    for (auto _ : state) {
        x = (x + 1) % 64;
        send(square, QEvent::MouseMove, origin + QPoint(x * f + f / 2, 32 * f + f / 2), Qt::NoButton,
             Qt::LeftButton);
        square->repaint();
    }
    send(square, QEvent::MouseButtonRelease, origin, Qt::LeftButton, Qt::NoButton);
    state.counters["cell_px"] = f;
}
BENCHMARK(penStrokeEvent)->Unit(benchmark::kMillisecond);

std::unique_ptr<Window> longAnimation()
{
    auto window = std::make_unique<Window>(64);
    std::vector<DotPage> pages(1000, DotPage::crossMask(64));
    window->store.replacePages(std::move(pages), std::vector<int>(1000, 200));
    return window;
}

// Down and Up alternately, each with the view repainted.
void groupButtonsOf1000Pages(benchmark::State &state)
{
    auto window = longAnimation();
    QPushButton *down = window->button(QStringLiteral("Down"));
    QPushButton *up = window->button(QStringLiteral("Up"));
    bool forward = true;
    for (auto _ : state) {
        (forward ? down : up)->click();
        window->frame.view()->repaint();
        forward = !forward;
    }
}
BENCHMARK(groupButtonsOf1000Pages)->Unit(benchmark::kMillisecond);

// Add and Delete at the end of 1000 pages.
void addDeleteOf1000Pages(benchmark::State &state)
{
    auto window = longAnimation();
    window->store.showGroup(window->store.groupCount());
    QPushButton *add = window->button(QStringLiteral("Add"));
    QPushButton *del = window->button(QStringLiteral("Delete"));
    bool adding = true;
    for (auto _ : state) {
        (adding ? add : del)->click();
        window->frame.view()->repaint();
        adding = !adding;
    }
}
BENCHMARK(addDeleteOf1000Pages)->Unit(benchmark::kMillisecond);

void thumbnailClickOf1000Pages(benchmark::State &state)
{
    auto window = longAnimation();
    window->store.showGroup(60);
    std::vector<QWidget *> thumbnails;
    for (int s = 1; s <= 8; ++s)
        for (QWidget *w : window->frame.findChildren<QWidget *>())
            if (w->accessibleName() == QStringLiteral("Page %1").arg(s))
                thumbnails.push_back(w);
    int k = 0;
    for (auto _ : state) {
        QWidget *t = thumbnails[std::size_t(k++ % 8)];
        send(t, QEvent::MouseButtonPress, t->rect().center(), Qt::LeftButton, Qt::LeftButton);
        send(t, QEvent::MouseButtonRelease, t->rect().center(), Qt::LeftButton, Qt::NoButton);
        window->frame.view()->repaint();
    }
}
BENCHMARK(thumbnailClickOf1000Pages)->Unit(benchmark::kMillisecond);

// A whole stroke (one dot) on page 500 of 1000, then its undo and redo, each with the
// view repainted: what the undo history adds to the stroke, and what it holds.
void strokeUndoRedoOf1000Pages(benchmark::State &state)
{
    auto window = longAnimation();
    window->store.selectPage(500);
    auto *square = window->frame.view()->square();
    const int f = square->cellSize();
    const QPoint at = square->squareOrigin() + QPoint(30 * f + f / 2, 30 * f + f / 2);
    bool paint = true;  // the left button paints the dot, the right one erases it again
    for (auto _ : state) {
        const Qt::MouseButton button = paint ? Qt::LeftButton : Qt::RightButton;
        paint = !paint;
        send(square, QEvent::MouseButtonPress, at, button, button);
        send(square, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
        window->store.undo();
        window->store.redo();
        window->frame.view()->repaint();
    }
    state.counters["history_bytes"] = double(window->store.history().heldBytes());
    state.counters["steps"] = window->store.history().stepCount();
}
BENCHMARK(strokeUndoRedoOf1000Pages)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks<QApplication>(argc, argv);
}
