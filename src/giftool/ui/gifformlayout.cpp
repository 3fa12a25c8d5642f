#include "giftool/ui/gifformlayout.h"

#include <algorithm>
#include <cmath>

namespace giftool {

namespace {

// Room the window keeps right of and below the largest viewport.
constexpr int ViewRightMargin = 600;
constexpr int ViewBottomMargin = 1440;
constexpr int CommentsRightMargin = 240;
constexpr int InstructionsRightMargin = 200;

int tenth(int maximum)
{
    return std::max(1, int(std::lround(maximum / 10.0)));
}

} // namespace

QRect GifFormLayout::windowGeometry(QSize screen)
{
    return QRect(WindowLeft, WindowTop, std::max(0, screen.width() - WindowWidthMargin),
        std::max(0, screen.height() - WindowHeightMargin));
}

QSize GifFormLayout::maxView(QSize window)
{
    return QSize(std::max(0, window.width() - ParentLeft - ViewRightMargin),
        std::max(0, window.height() - ParentTop - ViewBottomMargin));
}

QRect GifFormLayout::buttonGeometry(int button)
{
    return QRect((button - 1) * ButtonWidth, ButtonTop, ButtonWidth, ButtonHeight);
}

QRect GifFormLayout::line1Geometry(QSize window)
{
    return QRect(0, LineTop, window.width(), 15);
}

QRect GifFormLayout::commentsGeometry(QSize window)
{
    return QRect(CommentsLeft, CommentsTop,
        std::max(0, window.width() - CommentsLeft - CommentsRightMargin), CommentsHeight);
}

QRect GifFormLayout::instructionsGeometry(QSize window)
{
    return QRect(InstructionsLeft, InstructionsTop,
        std::max(0, window.width() - InstructionsLeft - InstructionsRightMargin),
        InstructionsHeight);
}

ViewportPlace GifFormLayout::viewport(QSize maxView, QSize picture, int barThickness)
{
    ViewportPlace place;
    const int width = std::min(maxView.width(), picture.width());
    const int height = std::min(maxView.height(), picture.height());
    place.viewport = QRect(ParentLeft, ParentTop, width, height);
    if (picture.width() > width) {
        ScrollBarPlace &bar = place.horizontal;
        bar.visible = true;
        bar.geometry = QRect(ParentLeft, ParentTop + height, width, barThickness);
        bar.maximum = picture.width() - width;
        bar.step = tenth(bar.maximum);
    }
    if (picture.height() > height) {
        ScrollBarPlace &bar = place.vertical;
        bar.visible = true;
        bar.geometry = QRect(ParentLeft + width, ParentTop, barThickness, height);
        bar.maximum = picture.height() - height;
        bar.step = tenth(bar.maximum);
    }
    return place;
}

} // namespace giftool
