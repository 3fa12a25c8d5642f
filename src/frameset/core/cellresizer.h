#pragma once

namespace frameset {

class LayoutModel;
struct CellView;

// The mouse pointer the design surface shows over a cell.
enum class PointerShape { Arrow, SizeLeftRight, SizeUpDown };

// What the current press drags: nothing yet, a cell's width (its right border) or its height
// (its bottom border).
enum class ResizeMode { None, Width, Height };

// What a mouse move over a cell came to: the pointer to show, and whether the drag has just
// crossed the cell's far edge, a size it refuses (the window beeps once per crossing).
struct MoveResult
{
    PointerShape pointer = PointerShape::Arrow;
    bool refusedNegative = false;
};

// What releasing the button after a drag came to.
enum class BorderMove { None, Moved, Refused };

// Selection and border dragging on the design surface, in design units relative to the pressed
// cell, without widgets: the window forwards its cells' mouse events here and mirrors the result.
class CellResizer
{
public:
    // Width of the zone along a cell's right and bottom edge in which the border can be grabbed.
    static constexpr float EdgeZone = 90;

    // `rightLimit` and `bottomLimit` are the outer edges of the design area (cell 0's right and
    // bottom edge at start-up minus EdgeZone); borders at or beyond them never move.
    CellResizer(LayoutModel &model, float rightLimit, float bottomLimit);

    float rightLimit() const { return m_rightLimit; }
    float bottomLimit() const { return m_bottomLimit; }

    // Takes the outer edges of the design now in the model (its cells' furthest right and
    // bottom edges, less EdgeZone) as the limits. A design opened from a file may have been
    // made on a larger or a smaller screen than this design area.
    void limitToDesign();
    // Back to the limits given at construction, for the design area's own design.
    void restoreLimits();

    // Mouse down on cell i. With a single cell nothing happens and the result is false.
    // Otherwise cell i becomes the selected cell, a left-button press starts a possible drag
    // from the cell's current size, and the result is true (the window repaints the selection,
    // shows the cell's size and opens the properties dialog for the right button).
    bool mouseDown(int cell, bool leftButton);

    // Mouse move over cell i at (x, y). Sets the pointer from the hit zones (the right-edge
    // zone first, then the bottom-edge zone; a zone only counts while its edge lies inside the
    // limits; outside both the pointer returns to the arrow unless a button is held). While the
    // left button drags from a press on this cell, the dragged cell's width becomes x (height
    // becomes y); the first sizing move of a press decides which, for the rest of the press. A
    // negative size is refused and the cell keeps its last size.
    MoveResult mouseMove(int cell, float x, float y, bool leftButton, bool anyButton);

    // Whether the last mouseMove changed the dragged cell's size.
    bool sizeChanged() const { return m_sizeChanged; }

    // Mouse up on cell i. After a drag every cell whose edge lay exactly on the old border line
    // follows the border: cells starting on it grow towards it and move, cells ending on it
    // shrink; every scroll-bar view is put back at its cell's right edge and the design counts
    // as modified. When any cell would be left with no width (height), the move is refused as a
    // whole and the dragged cell gets back its size from the press. A press without a drag
    // changes nothing.
    BorderMove mouseUp(int cell);

    ResizeMode resizeMode() const { return m_resizeMode; }
    PointerShape pointer() const { return m_pointer; }

private:
    BorderMove moveBorder(int cell, bool widths);
    void endPress();

    LayoutModel &m_model;
    float m_startRightLimit;
    float m_startBottomLimit;
    float m_rightLimit;
    float m_bottomLimit;
    PointerShape m_pointer = PointerShape::Arrow;
    int m_pressedCell = -1;
    ResizeMode m_resizeMode = ResizeMode::None;
    bool m_sizeChanged = false;
    bool m_refusedNegative = false;
    // The pressed cell's right and bottom edge, width and height at mouse down.
    float m_originRight = 0;
    float m_originBottom = 0;
    float m_originWidth = 0;
    float m_originHeight = 0;
};

} // namespace frameset
