#include "frameset/core/sizedisplay.h"
namespace frameset {

QString sizeDisplayText(
    float width, float height, const PixelScale &horizontal, const PixelScale &vertical)
{
    return QString::number(horizontal.toWholePixels(width)) + QStringLiteral("w  ")
        + QString::number(vertical.toWholePixels(height)) + QStringLiteral("h (pixels)");
}

} // namespace frameset
