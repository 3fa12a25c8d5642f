#pragma once

#include "imagemap/core/hotspotdrawing.h"
#include "imagemap/core/imagemapstate.h"

#include <QImage>
#include <QWidget>

class QPainter;

namespace imagemap {

// The picture of the image-map window: shows the image and, laid over it, the
// outline segments and the rubber band exactly as the drawing state holds them. Its mouse
// and key events go to the drawing as image pixels from its top-left corner; what the
// drawing then asks for is passed on through actionRequested().
class PictureCanvas : public QWidget
{
    Q_OBJECT
public:
    PictureCanvas(HotspotDrawing &drawing, const ImageMapState &state, QWidget *parent = nullptr);

    // Shows the image at one picture pixel per image pixel and takes on its size.
    void setPicture(const QImage &image);
    const QImage &picture() const { return m_picture; }

signals:
    // The drawing asked the window to act (show or close the properties dialog, close).
    void actionRequested(const imagemap::DrawingResult &result);
    // The pointer display's text may have changed.
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    // The rubber band, a rectangle or a circle, painted so it shows on any picture.
    void paintBand(QPainter &painter);
    // The image pixel under the pointer.
    static QPoint pixelAt(const QMouseEvent *event);
    void request(const DrawingResult &result);

    HotspotDrawing &m_drawing;
    const ImageMapState &m_state;
    QImage m_picture;
};

} // namespace imagemap
