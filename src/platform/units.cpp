#include "platform/units.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

int twipsPerPixelForDpi(double dpi)
{
    if (!(dpi > 0))
        return 15;
    const int factor = static_cast<int>(std::lround(TwipsPerInch / dpi));
    return factor > 0 ? factor : 1;
}

int screenTwipsPerPixel(const QScreen *screen)
{
    if (!screen && qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 15;
    return twipsPerPixelForDpi(screen->logicalDotsPerInchX());
}

} // namespace platform
