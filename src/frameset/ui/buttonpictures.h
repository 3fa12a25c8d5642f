#pragma once

#include <QPixmap>

namespace frameset {

// The faces of the designer's three split buttons, 24 x 22 pixels each.
enum class ButtonPicture { RowSplit = 0, ColumnSplit = 1, ClearAll = 2 };

// The picture of button `picture`, raised (normal) or sunken (pressed).
QPixmap buttonPicture(ButtonPicture picture, bool pressed);

} // namespace frameset
