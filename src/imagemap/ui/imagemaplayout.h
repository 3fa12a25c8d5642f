#pragma once

#include <QRect>
#include <QSize>

namespace imagemap {

// Where the parts of the image-map window go, in twips of the window's client area. The
// window's size counts its menu bar, as the largest viewport is measured against it.
class ImageMapLayout
{
public:
    static constexpr int WindowTop = 360;
    static constexpr int ViewportLeft = 120;
    static constexpr int ViewportTop = 1020;
    static constexpr int LabelLeft = 120;
    static constexpr int LabelTop = 60;
    static constexpr int LabelHeight = 900;
    static constexpr int ButtonWidth = 1095;
    static constexpr int ButtonHeight = 375;
    static constexpr int ButtonTop = 120;
    static constexpr int ButtonSpacing = 480;
    static constexpr int XYBoxWidth = 1500;
    static constexpr int XYBoxHeight = 285;
    // Below the largest viewport, room for the horizontal scroll bar before the pointer display.
    static constexpr int XYBoxGap = 300;

    // The window on a screen of that size: three quarters of its width and height, centred
    // horizontally, WindowTop from the top.
    static QRect windowGeometry(QSize screen);

    // The largest viewport for a window of that size; never negative.
    static QSize maxView(QSize window);

    static QRect labelGeometry(QSize window);
    // The window's button in row `row` (0 the top one), right-aligned 240 twips from the
    // window's right edge.
    static QRect buttonGeometry(QSize window, int row);
    static QRect xyBoxGeometry(QSize window);
};

} // namespace imagemap
