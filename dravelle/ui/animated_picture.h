#pragma once

#include "common/gif/picture.h"
#include "common/status.h"
#include "dravelle/editor/picture_import.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

namespace dravelle::ui {

// The import dialog's picture: the file as the import will see it, on an
// R x R canvas that starts black. Each frame of an animated GIF is stretched
// into the chosen region (the rest stays black) and shown for its delay; after
// the last frame the canvas is cleared and the animation begins again. A
// single picture fills the whole square whatever the region, as the import
// takes it. The square is drawn `zoom` times larger, one block per dot, so
// the preview shows the dots the import will make.
//
// Playback runs on the widget's own timer on the user-interface thread, so
// stop() takes effect at once and nothing outlives the widget.
class AnimatedPicture : public QWidget {
    Q_OBJECT

public:
    explicit AnimatedPicture(int resolution, int zoom = 4, QWidget *parent = nullptr);

    // Loads a file; a file that cannot be read leaves the square black and
    // gives the reason.
    common::Status load(const QString &path);
    const common::gif::Picture &picture() const { return m_picture; }

    // Stops, sets the region and plays again from the first frame on black.
    void setRegion(editor::ImportRegion region);
    editor::ImportRegion region() const { return m_region; }

    // Plays from the first frame on a black square.
    void play();
    void stop();
    bool isPlaying() const { return m_timer.isActive(); }
    // The frame on the square now (0-based).
    int currentFrame() const { return m_frame; }
    // The R x R square as it is shown.
    const QImage &square() const { return m_square; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showFrame(int frame);
    void advance();

    int m_resolution;
    int m_zoom;
    common::gif::Picture m_picture;
    editor::ImportRegion m_region = editor::ImportRegion::Full;
    QImage m_square;
    QTimer m_timer;
    int m_frame = 0;
};

} // namespace dravelle::ui
