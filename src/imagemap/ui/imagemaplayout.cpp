#include "imagemap/ui/imagemaplayout.h"

#include <algorithm>
#include <cmath>

namespace imagemap {

namespace {

// Room the window keeps right of and below the largest viewport for the scroll bars, the
// pointer display and the window's own edges.
constexpr int RightMargin = 600;
constexpr int BottomMargin = 1440;
constexpr int ButtonRightMargin = 240;
constexpr int LabelRightMargin = 1500;

} // namespace

QRect ImageMapLayout::windowGeometry(QSize screen)
{
    const int width = int(std::lround(screen.width() * 0.75));
    const int height = int(std::lround(screen.height() * 0.75));
    return QRect((screen.width() - width) / 2, WindowTop, width, height);
}

QSize ImageMapLayout::maxView(QSize window)
{
    return QSize(std::max(0, window.width() - ViewportLeft - RightMargin),
        std::max(0, window.height() - ViewportTop - BottomMargin));
}

QRect ImageMapLayout::labelGeometry(QSize window)
{
    return QRect(LabelLeft, LabelTop, std::max(0, window.width() - LabelRightMargin), LabelHeight);
}

QRect ImageMapLayout::buttonGeometry(QSize window, int row)
{
    return QRect(window.width() - ButtonWidth - ButtonRightMargin, ButtonTop + row * ButtonSpacing,
        ButtonWidth, ButtonHeight);
}

QRect ImageMapLayout::xyBoxGeometry(QSize window)
{
    return QRect(
        ViewportLeft, ViewportTop + maxView(window).height() + XYBoxGap, XYBoxWidth, XYBoxHeight);
}

} // namespace imagemap
