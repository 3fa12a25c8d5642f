#include "giftool/ui/gifformlayout.h"

#include "giftool/ui/detailpanel.h"

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

QSize GifFormLayout::maxView(QSize window, bool detailShown)
{
    const int right = detailShown
        ? detailPanelGeometry(window, QSize(DetailPanel::Width, DetailPanel::Height)).left()
        : window.width();
    return QSize(std::max(0, right - ParentLeft - ViewRightMargin),
        std::max(0, window.height() - ParentTop - ViewBottomMargin));
}

QRect GifFormLayout::detailPanelGeometry(QSize window, QSize panel)
{
    const int left = std::max(ParentLeft, window.width() - panel.width() - Frame2RightMargin);
    return QRect(left, Frame2Top, panel.width(), panel.height());
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
