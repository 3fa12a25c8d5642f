#pragma once

#include "giftool/ui/toolbarbutton.h"

#include <QPixmap>

namespace giftool {

// The pictures of the three toolbar buttons, drawn by the program: an opening folder
// (Open Image), a diskette (Save), a question mark (Help). Each comes raised or
// pressed, sized in (logical) pixels; a pressed face is sunken and its picture moved one pixel
// down and to the right. The picture is drawn with devicePixelRatio device pixels per pixel, so
// it stays sharp on a scaled screen.
QPixmap toolbarFace(ToolbarButton button, bool pressed, QSize size, qreal devicePixelRatio = 1);

} // namespace giftool
