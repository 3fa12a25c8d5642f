#pragma once

#include "imagemap/core/hotspotdrawing.h"
#include "imagemap/core/imagemapstate.h"
#include "platform/units.h"

#include <QPoint>
#include <QSize>

class QScrollBar;
class QWidget;

namespace imagemap {

class PictureCanvas;

// The viewport of the image-map window: it clips the picture, shows a scroll bar for each
// direction the picture does not fit in, and scrolls the picture with the bars and the wheel.
class PictureViewport
{
public:
    // The viewport, its bars and the picture are made as children of `parent`, in that order.
    PictureViewport(HotspotDrawing &drawing, const ImageMapState &state, platform::TwipsScale scale,
        QWidget *parent);

    PictureCanvas *canvas() const { return m_canvas; }

    // Puts the viewport at `origin` (twips), no larger than `largest` (twips) and no larger than
    // the picture, with the bars the picture needs. With fillLargest the picture first takes
    // the largest size, as the empty picture before any image does.
    void layOut(QPoint origin, QSize largest, bool fillLargest);
    // Scrolls back to the picture's top-left corner.
    void scrollHome();
    // The object names the tests find the viewport, the picture and the bars by.
    void setObjectNames();

private:
    platform::TwipsScale m_scale;
    QWidget *m_viewport = nullptr;
    PictureCanvas *m_canvas = nullptr;
    QScrollBar *m_horizontalBar = nullptr;
    QScrollBar *m_verticalBar = nullptr;
};

} // namespace imagemap
