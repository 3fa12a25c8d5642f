#pragma once

#include <QRect>
#include <QSize>

namespace giftool {

// Where the parts of the GIF tool's window go, in twips of the window's client area. Window
// sizes count the menu bar, as the largest viewport is measured against them.
class GifFormLayout
{
public:
    static constexpr int WindowLeft = 720;
    static constexpr int WindowTop = 360;
    static constexpr int WindowWidthMargin = 2160;
    static constexpr int WindowHeightMargin = 1080;

    static constexpr int ButtonWidth = 360;
    static constexpr int ButtonHeight = 330;
    static constexpr int ButtonTop = 15;
    static constexpr int ButtonCount = 3;

    static constexpr int CommentsLeft = ButtonCount * ButtonWidth + 120;
    static constexpr int CommentsTop = 60;
    static constexpr int CommentsHeight = 255;
    static constexpr int LineTop = ButtonTop + ButtonHeight + 15;
    static constexpr int TipLeft = 120;
    static constexpr int TipTop = LineTop + 30;
    static constexpr int TipHeight = 240;
    // The tip is as wide as its text plus this.
    static constexpr int TipPadding = 72;
    static constexpr int InstructionsLeft = 120;
    static constexpr int InstructionsTop = 450;
    static constexpr int InstructionsHeight = 570;
    static constexpr int Frame1Left = 120;
    static constexpr int Frame1Top = 1050;
    static constexpr int ParentLeft = 1740;
    static constexpr int ParentTop = 1140;
    static constexpr int Frame2Top = 1140;
    // Room the detail panel keeps right of it.
    static constexpr int Frame2RightMargin = 120;

    // The window on a screen of that size: at 720, 360, the screen less 2160 wide and less
    // 1080 high.
    static QRect windowGeometry(QSize screen);

    // MaxViewWidth and MaxViewHeight for a window of that size; never negative. While the
    // detail panel is shown the viewport and its scroll bars end left of the panel, so the
    // whole picture stays in reach of a click.
    static QSize maxView(QSize window, bool detailShown = false);

    // The detail panel of that size at the right edge of the window, beside the picture.
    static QRect detailPanelGeometry(QSize window, QSize panel);

    // Thebutton(button), button 1 to 3, side by side from the left edge.
    static QRect buttonGeometry(int button);

    static QRect line1Geometry(QSize window);
    static QRect commentsGeometry(QSize window);
    static QRect instructionsGeometry(QSize window);
};

} // namespace giftool
