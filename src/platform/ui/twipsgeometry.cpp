#include "platform/ui/twipsgeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

QRect twipsToPixels(const TwipsScale &scale, double left, double top, double width, double height)
{
    return QRect(
        scale.toPixels(left), scale.toPixels(top), scale.toPixels(width), scale.toPixels(height));
}

void placeInTwips(
    QWidget *widget, const TwipsScale &scale, double left, double top, double width, double height)
{
    widget->setGeometry(twipsToPixels(scale, left, top, width, height));
}

static const QScreen *screenOf(const QWidget *widget)
{
    if (widget && widget->screen())
        return widget->screen();
    return QGuiApplication::primaryScreen();
}

TwipsScale scaleOf(const QWidget *widget)
{
    return TwipsScale(screenTwipsPerPixel(screenOf(widget)));
}

QSize screenSizeInTwips(const TwipsScale &scale, const QWidget *widget)
{
    const QScreen *screen = screenOf(widget);
    const QSize pixels = screen ? screen->geometry().size() : QSize(800, 600);
    return QSize(scale.toTwips(pixels.width()), scale.toTwips(pixels.height()));
}

} // namespace platform
