#include "dravelle/ui/square_widget.h"

#include "dravelle/editor/page_view.h"
#include "dravelle/ui/ui_icons.h"

#include <QMouseEvent>
#include <QPainter>

namespace dravelle::ui {

using editor::CellGeometry;
using editor::DotTools;
using editor::ToolEffect;

SquareWidget::SquareWidget(document::AnimationStore &store, QWidget *parent)
    : QWidget(parent),
      m_store(store),
      m_tools(std::make_unique<DotTools>(store, 8))
{
    setAccessibleName(tr("Editing square"));
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize SquareWidget::sizeHint() const
{
    const int side = m_store.resolution() * 7 + 1;
    return {side, side};
}

QSize SquareWidget::minimumSizeHint() const
{
    const int side = m_store.resolution() * CellGeometry::kMinCellSize + 1;
    return {side, side};
}

QPoint SquareWidget::squareOrigin() const
{
    const int side = m_tools->square().geometry().squareSize();
    return {std::max(0, (width() - side) / 2), std::max(0, (height() - side) / 2)};
}

void SquareWidget::setTool(editor::Tool tool)
{
    m_tools->setTool(tool);
    updateCursor(mapFromGlobal(QCursor::pos()));
}

void SquareWidget::redrawPage()
{
    apply(m_tools->redraw());
}

void SquareWidget::showPreview(const QImage &picture)
{
    m_preview = picture;
    update();
}

// A new cell size means a new square; the tool and the colours stay.
void SquareWidget::fitCellSize()
{
    const int f = CellGeometry::cellSizeFor(width(), height(), m_store.resolution());
    if (f == cellSize() || m_tools->isStroking())
        return;
    auto tools = std::make_unique<DotTools>(m_store, f);
    tools->setTool(m_tools->tool());
    tools->setDrawingColour(m_tools->drawingColour());
    tools->setEraseColour(m_tools->eraseColour());
    m_tools = std::move(tools);
    m_tools->redraw();
}

void SquareWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitCellSize();
}

void SquareWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QPoint origin = squareOrigin();
    const QImage &square = m_tools->square().image();
    if (!m_preview.isNull() && m_preview.size() == square.size())
        painter.drawImage(origin, m_preview);
    else if (m_store.hasAnimation())
        painter.drawImage(origin, shownSquare());
    else
        painter.fillRect(QRect(origin, square.size()), QColor(editor::kGridColour));
}

void SquareWidget::setOnionSkin(bool on)
{
    m_onionSkin = on;
    update();
}

QImage SquareWidget::shownSquare() const
{
    const QImage &square = m_tools->square().image();
    if (!m_onionSkin || m_store.currentPage() < 2)
        return square;
    return editor::withOnionSkin(square, m_tools->square().geometry(),
                                 m_store.composedPage(m_store.currentPage() - 1));
}

void SquareWidget::apply(const ToolEffect &effect)
{
    if (effect.squareChanged)
        update();
    if (effect.colourPicked)
        emit colourPicked(m_tools->drawingColour());
    if (effect.pageCommitted) {
        fitCellSize();  // a resize during the stroke waited for its end
        emit pageCommitted();
    }
}

void SquareWidget::mousePressEvent(QMouseEvent *event)
{
    if (!m_tools->isStroking() && m_refuseInput && m_refuseInput())
        return;
    const QPoint p = toSquare(event->position().toPoint());
    const bool wasStroking = m_tools->isStroking();
    if (event->button() == Qt::LeftButton)
        apply(m_tools->leftDown(p));
    else if (event->button() == Qt::RightButton)
        apply(m_tools->rightDown(p));
    if (!wasStroking && m_tools->isStroking())
        emit strokeStarted();
}

void SquareWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    updateCursor(pos);
    if (event->buttons() & Qt::LeftButton)
        apply(m_tools->leftMove(toSquare(pos)));
    else if (event->buttons() & Qt::RightButton)
        apply(m_tools->rightMove(toSquare(pos)));
}

void SquareWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        apply(m_tools->leftUp());
    else if (event->button() == Qt::RightButton)
        apply(m_tools->rightUp());
}

// The tool's cursor over the square, the normal one around it.
void SquareWidget::updateCursor(QPoint widgetPos)
{
    if (m_tools->square().geometry().containsPixel(toSquare(widgetPos)))
        setCursor(toolCursor(m_tools->tool()));
    else
        unsetCursor();
}

} // namespace dravelle::ui
