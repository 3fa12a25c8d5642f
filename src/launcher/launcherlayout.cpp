#include "launcher/launcherlayout.h"

namespace launcher {

LauncherLayout computeLauncherLayout(
    const std::array<QSize, 3> &captionSizes, QSize iconSize, int windowHeight, QSize screen)
{
    LauncherLayout layout;
    int left = EntryMargin;
    for (std::size_t i = 0; i < 3; ++i) {
        const QSize caption = captionSizes[i];
        const int iconLeft = left + (caption.width() - iconSize.width()) / 2;
        layout.icons[i] = QRect(QPoint(iconLeft, IconTop), iconSize);
        layout.captions[i] = QRect(QPoint(left, IconTop + CaptionBelowIcon), caption);
        left += caption.width() + EntryGap;
    }
    const QRect &last = layout.captions[2];
    layout.windowWidth = last.left() + last.width() + layout.captions[0].left();
    layout.windowLeft = (screen.width() - layout.windowWidth) / 2;
    layout.windowTop = (screen.height() - windowHeight) / 2;
    return layout;
}

} // namespace launcher
