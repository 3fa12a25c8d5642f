#pragma once

#include "platform/units.h"
#include "platform/viewportlayout.h"

class QScrollBar;
class QWidget;

namespace platform {

// Puts a viewport, its scroll bars and the picture inside it where the layout says. A bar that
// stays keeps its value (clamped to the new maximum); a bar that goes is reset to 0. The
// picture is moved to show the part the bars point at.
void applyViewportLayout(const ViewportLayout &layout, const TwipsScale &scale, QWidget *viewport,
    QScrollBar *horizontal, QScrollBar *vertical, QWidget *picture);

} // namespace platform
