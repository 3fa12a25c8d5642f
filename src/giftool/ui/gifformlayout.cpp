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

} // namespace giftool
