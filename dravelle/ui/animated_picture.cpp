#include "dravelle/ui/animated_picture.h"

#include <QPainter>

namespace dravelle::ui {

AnimatedPicture::AnimatedPicture(int resolution, int zoom, QWidget *parent)
    : QWidget(parent)
    , m_resolution(resolution)
    , m_zoom(std::max(1, zoom))
    , m_square(resolution, resolution, QImage::Format_RGB32)
{
    m_square.fill(Qt::black);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &AnimatedPicture::advance);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

common::Status AnimatedPicture::load(const QString &path)
{
    stop();
    m_picture = common::gif::Picture::fromFile(path);
    m_square.fill(Qt::black);
    update();
    if (m_picture.isNull())
        return common::Status::failure(m_picture.errorString());
    return common::Status::success();
}

void AnimatedPicture::setRegion(editor::ImportRegion region)
{
    stop();
    m_region = region;
    play();
}

void AnimatedPicture::play()
{
    stop();
    m_square.fill(Qt::black);
    showFrame(0);
}

void AnimatedPicture::stop()
{
    m_timer.stop();
}

void AnimatedPicture::showFrame(int frame)
{
    m_frame = frame;
    QPainter painter(&m_square);
    if (m_picture.frameCount() >= 2) {
        m_picture.drawFrame(painter, frame, editor::importRegionRect(m_region, m_resolution));
        m_timer.start(m_picture.frameDelayMs(frame));
    } else if (!m_picture.isNull()) {
        m_picture.drawSingle(painter, QRect(0, 0, m_resolution, m_resolution));
    }
    update();
}

void AnimatedPicture::advance()
{
    const int next = m_frame + 1;
    if (next >= m_picture.frameCount()) {
        m_square.fill(Qt::black);
        showFrame(0);
    } else {
        showFrame(next);
    }
}

QSize AnimatedPicture::sizeHint() const
{
    return QSize(m_resolution * m_zoom, m_resolution * m_zoom);
}

void AnimatedPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(QRect(QPoint(0, 0), sizeHint()), m_square);
    // The four corners are no dots of the cross: veil them so the user sees
    // what the import keeps.
    const int corner = 16 * m_zoom;
    const int far = (m_resolution - 16) * m_zoom;
    const QColor veil(64, 64, 64, 200);
    for (const QPoint &origin : {QPoint(0, 0), QPoint(far, 0), QPoint(0, far), QPoint(far, far)})
        painter.fillRect(QRect(origin, QSize(corner, corner)), veil);
}

} // namespace dravelle::ui
