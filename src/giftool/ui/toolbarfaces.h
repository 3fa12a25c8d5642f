#pragma once

#include <QPixmap>

namespace giftool {

// The pictures of the three toolbar buttons, drawn by the program: 1 an opening folder
// (Open Image), 2 a diskette (Save), 3 a question mark (Help). Each comes raised or
// pressed, sized in (logical) pixels; a pressed face is sunken and its picture moved one pixel
// down and to the right. The picture is drawn with devicePixelRatio device pixels per pixel, so
// it stays sharp on a scaled screen.
QPixmap toolbarFace(int button, bool pressed, QSize size, qreal devicePixelRatio = 1);

} // namespace giftool
