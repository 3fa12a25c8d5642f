#pragma once

#include <QString>

namespace platform {
class TwipsScale;
}

namespace frameset {

// The cell-size display of the design surface: "300w  200h (pixels)" for a cell of 4500 x 3000
// twips at 15 twips per pixel. Each size is rounded to whole twips and then divided by its
// axis's factor with the remainder dropped.
QString sizeDisplayText(float width, float height, const platform::TwipsScale &horizontal,
    const platform::TwipsScale &vertical);

} // namespace frameset
