#pragma once

namespace giftool {

// The GIF tool's toolbar buttons, left to right.
enum class ToolbarButton { Open, Save, Help };

constexpr int ToolbarButtonCount = 3;

// The button at place i (0 to 2) from the left.
constexpr ToolbarButton toolbarButtonAt(int i)
{
    return static_cast<ToolbarButton>(i);
}

} // namespace giftool
