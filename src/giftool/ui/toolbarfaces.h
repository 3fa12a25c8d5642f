#pragma once

#include <QPixmap>

namespace giftool {

// The pictures of the three toolbar buttons, drawn by the program: 1 an opening folder
// (Open Image), 2 a diskette (Save), 3 a question mark (Help). Each comes raised or
// pressed, sized in pixels; a pressed face is sunken and its picture moved one pixel down and
// to the right.
QPixmap toolbarFace(int button, bool pressed, QSize size);

} // namespace giftool
