#include "frameset/core/sizedisplay.h"

#include "platform/units.h"

namespace frameset {

QString sizeDisplayText(float width, float height, const platform::TwipsScale &horizontal,
    const platform::TwipsScale &vertical)
{
    return QString::number(horizontal.toWholePixels(width)) + QStringLiteral("w  ")
        + QString::number(vertical.toWholePixels(height)) + QStringLiteral("h (pixels)");
}

} // namespace frameset
