#include "imagemap/ui/pictureviewport.h"

#include "imagemap/ui/picturecanvas.h"
#include "platform/ui/scrolledviewport.h"
#include "platform/ui/wheelscroller.h"

#include <QScrollBar>
#include <QStyle>

namespace imagemap {

PictureViewport::PictureViewport(HotspotDrawing &drawing, const ImageMapState &state,
    platform::TwipsScale scale, QWidget *parent)
    : m_scale(scale)
    , m_viewport(new QWidget(parent))
    , m_canvas(new PictureCanvas(drawing, state, m_viewport))
    , m_horizontalBar(new QScrollBar(Qt::Horizontal, parent))
    , m_verticalBar(new QScrollBar(Qt::Vertical, parent))
{
    m_horizontalBar->hide();
    QObject::connect(m_horizontalBar, &QScrollBar::valueChanged, m_viewport,
        [this](int value) { m_canvas->move(-m_scale.toPixels(value), m_canvas->y()); });
    m_verticalBar->hide();
    QObject::connect(m_verticalBar, &QScrollBar::valueChanged, m_viewport,
        [this](int value) { m_canvas->move(m_canvas->x(), -m_scale.toPixels(value)); });
    new platform::WheelScroller(m_canvas, m_horizontalBar, m_verticalBar, m_scale);
}

void PictureViewport::layOut(QPoint origin, QSize largest, bool fillLargest)
{
    if (fillLargest)
        m_canvas->resize(m_scale.toPixels(largest.width()), m_scale.toPixels(largest.height()));
    const QSize picture(m_scale.toTwips(m_canvas->width()), m_scale.toTwips(m_canvas->height()));
    const int bar = m_scale.toTwips(m_viewport->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    // A bar that stays keeps its value when only the window changed size.
    const platform::ViewportLayout layout = platform::layOutViewport(origin, largest, picture, bar);
    platform::applyViewportLayout(
        layout, m_scale, m_viewport, m_horizontalBar, m_verticalBar, m_canvas);
}

void PictureViewport::scrollHome()
{
    m_horizontalBar->setValue(0);
    m_verticalBar->setValue(0);
}

void PictureViewport::setObjectNames()
{
    m_viewport->setObjectName(QStringLiteral("Parent"));
    m_canvas->setObjectName(QStringLiteral("Picture1"));
    m_horizontalBar->setObjectName(QStringLiteral("HScroll1"));
    m_verticalBar->setObjectName(QStringLiteral("VScroll1"));
}

} // namespace imagemap
