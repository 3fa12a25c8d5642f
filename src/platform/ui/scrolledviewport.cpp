#include "platform/ui/scrolledviewport.h"

#include "platform/ui/twipsgeometry.h"

#include <QScrollBar>
#include <QWidget>

namespace platform {

namespace {

void placeBar(QScrollBar *scrollBar, const ScrollBarLayout &bar, const TwipsScale &scale)
{
    if (!bar.visible) {
        scrollBar->setValue(0);
        scrollBar->hide();
        return;
    }
    const QRect g = bar.geometry;
    placeInTwips(scrollBar, scale, g.x(), g.y(), g.width(), g.height());
    scrollBar->setMaximum(bar.maximum);
    scrollBar->setPageStep(bar.step);
    scrollBar->setSingleStep(bar.step);
    scrollBar->show();
}

} // namespace

void applyViewportLayout(const ViewportLayout &layout, const TwipsScale &scale, QWidget *viewport,
    QScrollBar *horizontal, QScrollBar *vertical, QWidget *picture)
{
    const QRect v = layout.viewport;
    placeInTwips(viewport, scale, v.x(), v.y(), v.width(), v.height());
    placeBar(horizontal, layout.horizontal, scale);
    placeBar(vertical, layout.vertical, scale);
    picture->move(-scale.toPixels(horizontal->value()), -scale.toPixels(vertical->value()));
}

} // namespace platform
