#pragma once

namespace frameset {

// The vertical scroll-bar mark at a cell's right edge, in design units.
struct ScrollBarView
{
    float left = 0;
    float top = 0;
    float height = 0;
    bool visible = false;

    bool operator==(const ScrollBarView &other) const = default;
};

// One cell of a design: its rectangle in design units (the coordinates of the design area, which
// the window places below its button row) and its scroll-bar view.
struct CellView
{
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    ScrollBarView scroll;

    float right() const { return left + width; }
    float bottom() const { return top + height; }

    bool operator==(const CellView &other) const = default;
};

} // namespace frameset
