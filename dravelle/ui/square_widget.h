#pragma once

#include "dravelle/document/animation_store.h"
#include "dravelle/editor/dot_tools.h"

#include <QImage>
#include <QWidget>

#include <functional>

#include <memory>

namespace dravelle::ui {

// The editing square: shows the dot tools' square (or a preview picture over
// it) and forwards the mouse to the tools in the square's pixel coordinates.
// The cell size follows the widget's size (never below 6 pixels); a resize in
// the middle of a stroke waits until the stroke ends.
class SquareWidget : public QWidget {
    Q_OBJECT

public:
    explicit SquareWidget(document::AnimationStore &store, QWidget *parent = nullptr);

    editor::DotTools &tools() { return *m_tools; }
    const editor::DotTools &tools() const { return *m_tools; }
    int cellSize() const { return m_tools->square().geometry().cellSize; }
    // The square's top-left corner in the widget.
    QPoint squareOrigin() const;

    void setTool(editor::Tool tool);
    // Draws the working page again (after a selection, Clear, a template...).
    void redrawPage();
    // A preview picture shown instead of the square; a null image ends it.
    void showPreview(const QImage &picture);

    // The onion skin: the previous page's lit dots shown faintly on the dark
    // dots of the square. Display only; off at the start.
    void setOnionSkin(bool on);
    bool onionSkin() const { return m_onionSkin; }
    // The picture shown for the square now (onion skin included).
    QImage shownSquare() const;

    // Asked before a stroke begins; true refuses it (the guard tells the
    // user why). Used while the page list is about to be replaced.
    void setInputGuard(std::function<bool()> refuse) { m_refuseInput = std::move(refuse); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A stroke began: the animation is being changed.
    void strokeStarted();
    // A stroke ended and the working page went to the current page.
    void pageCommitted();
    void colourPicked(int colourBits);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void fitCellSize();
    void apply(const editor::ToolEffect &effect);
    void updateCursor(QPoint widgetPos);
    QPoint toSquare(QPoint widgetPos) const { return widgetPos - squareOrigin(); }

    document::AnimationStore &m_store;
    std::unique_ptr<editor::DotTools> m_tools;
    QImage m_preview;
    std::function<bool()> m_refuseInput;
    bool m_onionSkin = false;
};

} // namespace dravelle::ui
