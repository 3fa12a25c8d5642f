#pragma once

#include "launcher/tool.h"

#include <QPixmap>

namespace launcher {

// The tools' own icons, drawn for this program: a page cut into frames (Panecraft), a picture
// whose background shows the transparency checkerboard (Clearcoat) and a picture with a
// rectangle and a polygon hotspot outlined (Zonemark).
QPixmap toolIcon(Tool tool, int size);

} // namespace launcher
