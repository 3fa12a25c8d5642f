#pragma once

#include <QPoint>

namespace platform {

// How far one turn of the mouse wheel moves a scrolled picture, in pixels: the turn's angle
// (120 units a notch) times the lines the desktop scrolls per notch times a line's height, or
// the pixels a touchpad reports when it reports them. Shift turns a vertical turn into a
// horizontal one. The result is how far the view moves towards the picture's bottom-right.
QPoint wheelScrollPixels(QPoint angleDelta, QPoint pixelDelta, bool shift, int linesPerNotch);

// The height of one scrolled line, in pixels.
constexpr int WheelLinePixels = 20;

} // namespace platform
