#include "platform/imaging/imagelimits.h"

namespace platform {

bool fitsPixelLimit(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= MaxImagePixels / height;
}

QString pixelLimitMessage(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0)
        return QStringLiteral("The image has no pixels (%1 x %2).").arg(width).arg(height);
    return QStringLiteral("The image is too large: %1 x %2 pixels. Images above %3 megapixels "
                          "are refused.")
        .arg(width)
        .arg(height)
        .arg(MaxImagePixels / 1'000'000);
}

} // namespace platform
