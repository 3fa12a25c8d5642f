#pragma once

#include "giftool/ui/toolbarbutton.h"

#include <QRect>
#include <QSize>

namespace giftool {

// Where the parts of the GIF tool's window go, in twips of the window's client area. Window
// sizes count the menu bar, as the largest viewport is measured against them.
class GifToolWindowLayout
{
public:
    static constexpr int WindowLeft = 720;
    static constexpr int WindowTop = 360;
    static constexpr int WindowWidthMargin = 2160;
    static constexpr int WindowHeightMargin = 1080;

    static constexpr int ButtonWidth = 360;
    static constexpr int ButtonHeight = 330;
    static constexpr int ButtonTop = 15;
    static constexpr int HintLineLeft = ToolbarButtonCount * ButtonWidth + 120;
    static constexpr int HintLineTop = 60;
    static constexpr int HintLineHeight = 255;
    static constexpr int SeparatorTop = ButtonTop + ButtonHeight + 15;
    static constexpr int TipLeft = 120;
    static constexpr int TipTop = SeparatorTop + 30;
    static constexpr int TipHeight = 240;
    // The tip is as wide as its text plus this.
    static constexpr int TipPadding = 72;
    static constexpr int InstructionLineLeft = 120;
    static constexpr int InstructionLineTop = 450;
    static constexpr int InstructionLineHeight = 570;
    static constexpr int BackgroundFrameLeft = 120;
    static constexpr int BackgroundFrameTop = 1050;
    static constexpr int ViewportLeft = 1740;
    static constexpr int ViewportTop = 1140;
    static constexpr int DetailPanelTop = 1140;
    // Room the detail panel keeps right of it.
    static constexpr int DetailPanelRightMargin = 120;

    // The window on a screen of that size: at 720, 360, the screen less 2160 wide and less
    // 1080 high.
    static QRect windowGeometry(QSize screen);

    // The largest viewport for a window of that size; never negative. While the
    // detail panel is shown the viewport and its scroll bars end left of the panel, so the
    // whole picture stays in reach of a click.
    static QSize maxView(QSize window, bool detailShown = false);

    // The detail panel of that size at the right edge of the window, beside the picture.
    static QRect detailPanelGeometry(QSize window, QSize panel);

    // The toolbar buttons, side by side from the left edge.
    static QRect buttonGeometry(ToolbarButton button);

    static QRect separatorGeometry(QSize window);
    static QRect hintLineGeometry(QSize window);
    static QRect instructionLineGeometry(QSize window);
};

} // namespace giftool
