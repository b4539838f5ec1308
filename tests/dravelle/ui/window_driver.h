#pragma once

#include "tests/common/widget_find.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>
#include <vector>

// Drives Dravelle's window the way a user does: controls are found by their
// accessible names, strokes are mouse events on the widget, and the next
// message box is answered with the button a user would press.
namespace window_driver {

using ::byName;

// What the answered message box said; empty while none has been shown.
struct MessageSeen {
    QString text;
};

// Answers the next message box (within about five seconds) with `button`,
// and tells what it said.
inline std::shared_ptr<MessageSeen> answerNextMessage(QMessageBox::StandardButton button)
{
    auto seen = std::make_shared<MessageSeen>();
    auto *timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, seen, tries, button] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box) {
            seen->text = box->text();
            box->button(button)->click();
        }
        if (box || ++*tries > 250) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(20);
    return seen;
}

inline void sendMove(QWidget *w, QPoint p, Qt::MouseButton button)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(w->mapToGlobal(p)), Qt::NoButton, button,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

// Press at the first point, move through the others with the button held,
// release at the last.
inline void drag(QWidget *w, Qt::MouseButton button, const std::vector<QPoint> &points)
{
    QTest::mousePress(w, button, Qt::NoModifier, points.front());
    for (std::size_t k = 1; k < points.size(); ++k)
        sendMove(w, points[k], button);
    QTest::mouseRelease(w, button, Qt::NoModifier, points.back());
}

} // namespace window_driver

#include "dravelle/document/animation_store.h"
#include "dravelle/ui/dravelle_view.h"
#include "dravelle/ui/main_frame.h"
#include "dravelle/ui/square_widget.h"

namespace window_driver {

// A shown main window over its own store, as the program starts it.
struct DravelleWindow {
    std::unique_ptr<dravelle::document::AnimationStore> store;
    std::unique_ptr<dravelle::ui::MainFrame> frame;

    // Shows the window and waits (bounded) for its first animation.
    bool open(const dravelle::ui::MainFrame::SavePathChooser &chooser)
    {
        store = std::make_unique<dravelle::document::AnimationStore>(48);
        frame = std::make_unique<dravelle::ui::MainFrame>(*store);
        frame->setSavePathChooser(chooser);
        frame->resize(dravelle::ui::MainFrame::defaultSize());
        if (store->hasAnimation())
            return false;
        frame->show();
        return QTest::qWaitFor([this] { return store->hasAnimation(); }, 5000);
    }
    void close()
    {
        store->setModified(false);
        frame.reset();
        store.reset();
    }

    dravelle::ui::SquareWidget *square() const { return frame->view()->square(); }
    // The centre of cell (x, y) in the square widget.
    QPoint cellPos(int x, int y) const
    {
        const int f = square()->cellSize();
        return square()->squareOrigin() + QPoint(x * f + f / 2, y * f + f / 2);
    }
    void penAt(int x, int y) const { QTest::mouseClick(square(), Qt::LeftButton, Qt::NoModifier, cellPos(x, y)); }
    // Clicks the tool bar button of the dot tool `name`; false when there is none.
    bool chooseTool(const QString &name) const
    {
        for (QToolButton *b : frame->findChildren<QToolButton *>())
            if (b->defaultAction() && b->defaultAction()->text() == name) {
                QTest::mouseClick(b, Qt::LeftButton);
                return true;
            }
        return false;
    }
    // Clicks the control called `name`; false when there is none.
    bool click(const QString &name) const
    {
        QWidget *w = byName(frame.get(), name);
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            QTest::mouseClick(b, Qt::LeftButton);
        else if (w)
            QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
        return w != nullptr;
    }
};

} // namespace window_driver
