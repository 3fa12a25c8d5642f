#include "frameset/ui/designarea.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QWheelEvent>

namespace frameset {

DesignArea::DesignArea(QWidget *parent)
    : QScrollArea(parent)
    , m_canvas(new QWidget)
{
    setFrameShape(QFrame::NoFrame);
    // Clicks on the cells must not move the keyboard focus here: the window's keys stay as they
    // were before the area scrolled.
    setFocusPolicy(Qt::NoFocus);
    setWidget(m_canvas);
}

void DesignArea::wheelEvent(QWheelEvent *event)
{
    if (!event->modifiers().testFlag(Qt::ShiftModifier)) {
        QScrollArea::wheelEvent(event);
        return;
    }
    // Shift+wheel goes to the horizontal scroll bar as a plain turn of the wheel over it: left
    // with Shift, a scroll bar would take the turn as a whole page.
    QWheelEvent sideways(event->position(), event->globalPosition(), event->pixelDelta(),
        event->angleDelta(), event->buttons(), event->modifiers() & ~Qt::ShiftModifier,
        event->phase(), event->inverted(), event->source());
    QCoreApplication::sendEvent(horizontalScrollBar(), &sideways);
    event->setAccepted(sideways.isAccepted());
}

void DesignArea::setExtent(QSize extent)
{
    m_canvas->resize(extent.expandedTo(QSize(0, 0)));
}

} // namespace frameset
