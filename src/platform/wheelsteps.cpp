#include "platform/wheelsteps.h"

namespace platform {

QPoint wheelScrollPixels(QPoint angleDelta, QPoint pixelDelta, bool shift, int linesPerNotch)
{
    // A wheel turned away from the user reports a positive angle and shows what lies above.
    QPoint move
        = pixelDelta.isNull() ? -angleDelta * linesPerNotch * WheelLinePixels / 120 : -pixelDelta;
    // Some desktops already turn Shift+wheel into a horizontal turn; others leave it vertical.
    if (shift && move.x() == 0)
        move = QPoint(move.y(), 0);
    return move;
}

} // namespace platform
