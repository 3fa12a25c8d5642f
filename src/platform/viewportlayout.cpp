#include "platform/viewportlayout.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

int tenth(int maximum)
{
    return std::max(1, int(std::lround(maximum / 10.0)));
}

} // namespace

ViewportLayout layOutViewport(QPoint origin, QSize maxView, QSize picture, int barThickness)
{
    ViewportLayout layout;
    const int width = std::max(0, std::min(maxView.width(), picture.width()));
    const int height = std::max(0, std::min(maxView.height(), picture.height()));
    layout.viewport = QRect(origin, QSize(width, height));
    if (picture.width() > width) {
        ScrollBarLayout &bar = layout.horizontal;
        bar.visible = true;
        bar.geometry = QRect(origin.x(), origin.y() + height, width, barThickness);
        bar.maximum = picture.width() - width;
        bar.step = tenth(bar.maximum);
    }
    if (picture.height() > height) {
        ScrollBarLayout &bar = layout.vertical;
        bar.visible = true;
        bar.geometry = QRect(origin.x() + width, origin.y(), barThickness, height);
        bar.maximum = picture.height() - height;
        bar.step = tenth(bar.maximum);
    }
    return layout;
}

} // namespace platform
