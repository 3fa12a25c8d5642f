#include "imagemap/ui/picturecanvas.h"

#include "platform/units.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

namespace imagemap {

PictureCanvas::PictureCanvas(HotspotDrawing &drawing, const ImageMapState &state, QWidget *parent)
    : QWidget(parent)
    , m_drawing(drawing)
    , m_state(state)
{
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureCanvas::setPicture(const QImage &image)
{
    m_picture = image;
    if (!image.isNull())
        resize(image.size());
    update();
}

QPoint PictureCanvas::pixelAt(const QMouseEvent *event)
{
    // One picture pixel per image pixel: the image pixel is the one under the pointer, also
    // when the pointer stands between whole positions.
    return platform::pixelUnder(event->position());
}

void PictureCanvas::request(const DrawingResult &result)
{
    update();
    if (result != DrawingResult())
        emit actionRequested(result);
}

void PictureCanvas::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    request(m_drawing.press(pixelAt(event), event->button(), event->modifiers()));
}

void PictureCanvas::mouseMoveEvent(QMouseEvent *event)
{
    m_drawing.move(pixelAt(event), event->buttons(), event->modifiers());
    update();
    emit pointerMoved();
}

void PictureCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    request(m_drawing.release(pixelAt(event), event->button()));
}

void PictureCanvas::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    request(m_drawing.keyRelease(event->key()));
}

void PictureCanvas::leaveEvent(QEvent *)
{
    m_drawing.pointerLeft();
    emit pointerMoved();
}

void PictureCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (!m_picture.isNull())
        painter.drawImage(0, 0, m_picture);

    // Each outline is drawn twice, wide and light under narrow and dark, so that it stays
    // visible on light and dark parts of a photograph alike.
    const auto &segments = m_state.segments().all();
    for (const QPen &pen : {QPen(Qt::white, 3), QPen(Qt::black, 1)}) {
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        for (const OutlineSegment &segment : segments) {
            if (!segment.visible)
                continue;
            if (segment.round) {
                const int radius = circleRadius(segment.from, segment.to);
                painter.drawEllipse(segment.from, radius, radius);
            } else {
                painter.drawLine(segment.from, segment.to);
            }
        }
    }
    paintBand(painter);
}

void PictureCanvas::paintBand(QPainter &painter)
{
    const QRect band = m_drawing.normalisedBand();
    const std::optional<CircleBand> circle = m_drawing.circleBand();
    if (band.isNull() && !circle)
        return;
    QPen bandPen(Qt::black, 0);
    // Inverting what lies under the band keeps it visible on any picture; a device that cannot
    // invert gets a dashed band instead.
    if (painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    else
        bandPen.setStyle(Qt::DashLine);
    painter.setPen(bandPen);
    painter.setBrush(Qt::NoBrush);
    if (circle) {
        painter.drawEllipse(circle->centre, circle->radius, circle->radius);
        return;
    }
    painter.drawRect(QRect(band.topLeft(), QSize(band.width() - 1, band.height() - 1)));
}

} // namespace imagemap
