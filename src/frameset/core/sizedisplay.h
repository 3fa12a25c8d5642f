#pragma once

#include "frameset/core/pixelscale.h"

#include <QString>

namespace frameset {

// The cell-size display of the design surface: "300w  200h (pixels)" for a cell of 4500 x 3000
// units at 15 units per pixel. Each size is rounded to whole units and then divided by its
// axis's factor with the remainder dropped.
QString sizeDisplayText(
    float width, float height, const PixelScale &horizontal, const PixelScale &vertical);

} // namespace frameset
