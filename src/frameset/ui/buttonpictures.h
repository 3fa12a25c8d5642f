#pragma once

#include <QPixmap>

namespace frameset {

// The faces of the designer's three split buttons, 24 x 22 pixels each.
enum class ButtonPicture { RowSplit = 0, ColumnSplit = 1, ClearAll = 2 };

// The picture of button `picture`, raised (normal) or sunken (pressed), drawn for a screen of
// `devicePixelRatio` device pixels per pixel: a sharp picture of 24 x 22 pixels on any screen.
QPixmap buttonPicture(ButtonPicture picture, bool pressed, qreal devicePixelRatio);

} // namespace frameset
