#include "giftool/ui/giftoolwindowlayout.h"

#include "giftool/ui/detailpanel.h"

#include <algorithm>
#include <cmath>

namespace giftool {

namespace {

// Room the window keeps right of and below the largest viewport.
constexpr int ViewRightMargin = 600;
constexpr int ViewBottomMargin = 1440;
constexpr int HintLineRightMargin = 240;
constexpr int InstructionLineRightMargin = 200;

} // namespace

QRect GifToolWindowLayout::windowGeometry(QSize screen)
{
    return QRect(WindowLeft, WindowTop, std::max(0, screen.width() - WindowWidthMargin),
        std::max(0, screen.height() - WindowHeightMargin));
}

QSize GifToolWindowLayout::maxView(QSize window, bool detailShown)
{
    const int right = detailShown
        ? detailPanelGeometry(window, QSize(DetailPanel::Width, DetailPanel::Height)).left()
        : window.width();
    return QSize(std::max(0, right - ViewportLeft - ViewRightMargin),
        std::max(0, window.height() - ViewportTop - ViewBottomMargin));
}

QRect GifToolWindowLayout::detailPanelGeometry(QSize window, QSize panel)
{
    const int left
        = std::max(ViewportLeft, window.width() - panel.width() - DetailPanelRightMargin);
    return QRect(left, DetailPanelTop, panel.width(), panel.height());
}

QRect GifToolWindowLayout::buttonGeometry(ToolbarButton button)
{
    return QRect(int(button) * ButtonWidth, ButtonTop, ButtonWidth, ButtonHeight);
}

QRect GifToolWindowLayout::separatorGeometry(QSize window)
{
    return QRect(0, SeparatorTop, window.width(), 15);
}

QRect GifToolWindowLayout::hintLineGeometry(QSize window)
{
    return QRect(HintLineLeft, HintLineTop,
        std::max(0, window.width() - HintLineLeft - HintLineRightMargin), HintLineHeight);
}

QRect GifToolWindowLayout::instructionLineGeometry(QSize window)
{
    return QRect(InstructionLineLeft, InstructionLineTop,
        std::max(0, window.width() - InstructionLineLeft - InstructionLineRightMargin),
        InstructionLineHeight);
}

} // namespace giftool
