#include "platform/ui/wheelscroller.h"

#include "platform/wheelsteps.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

namespace platform {

WheelScroller::WheelScroller(
    QWidget *picture, QScrollBar *horizontal, QScrollBar *vertical, TwipsScale scale)
    : QObject(picture)
    , m_horizontal(horizontal)
    , m_vertical(vertical)
    , m_scale(scale)
{
    picture->installEventFilter(this);
}

bool WheelScroller::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    const auto *wheel = static_cast<QWheelEvent *>(event);
    const QPoint move = wheelScrollPixels(wheel->angleDelta(), wheel->pixelDelta(),
        wheel->modifiers().testFlag(Qt::ShiftModifier), QApplication::wheelScrollLines());
    // A hidden bar means the picture fits that way: nothing to scroll.
    if (m_horizontal->isVisible() && move.x() != 0)
        m_horizontal->setValue(m_horizontal->value() + m_scale.toTwips(move.x()));
    if (m_vertical->isVisible() && move.y() != 0)
        m_vertical->setValue(m_vertical->value() + m_scale.toTwips(move.y()));
    return true;
}

} // namespace platform
