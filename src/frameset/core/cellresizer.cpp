#include "frameset/core/cellresizer.h"

#include "frameset/core/layoutmodel.h"

#include <algorithm>

namespace frameset {

CellResizer::CellResizer(LayoutModel &model, float rightLimit, float bottomLimit)
    : m_model(model)
    , m_startRightLimit(rightLimit)
    , m_startBottomLimit(bottomLimit)
    , m_rightLimit(rightLimit)
    , m_bottomLimit(bottomLimit)
{ }

void CellResizer::limitToDesign()
{
    const QList<CellView> &cells = m_model.design().cells();
    float right = cells.front().right();
    float bottom = cells.front().bottom();
    for (const CellView &c : cells) {
        right = std::max(right, c.right());
        bottom = std::max(bottom, c.bottom());
    }
    m_rightLimit = right - EdgeZone;
    m_bottomLimit = bottom - EdgeZone;
}

void CellResizer::restoreLimits()
{
    m_rightLimit = m_startRightLimit;
    m_bottomLimit = m_startBottomLimit;
}

bool CellResizer::mouseDown(int cell, bool leftButton)
{
    endPress();
    if (m_model.lastCellIndex() == 0 || !m_model.design().hasCell(cell))
        return false;
    m_model.selectCell(cell);
    if (leftButton) {
        const CellView &c = m_model.design().cell(cell);
        m_pressedCell = cell;
        m_originRight = c.right();
        m_originBottom = c.bottom();
        m_originWidth = c.width;
        m_originHeight = c.height;
    }
    return true;
}

MoveResult CellResizer::mouseMove(int cell, float x, float y, bool leftButton, bool anyButton)
{
    m_sizeChanged = false;
    if (!m_model.design().hasCell(cell))
        return {m_pointer};
    CellView &c = m_model.design().cell(cell);
    const bool dragging = leftButton && cell == m_pressedCell;

    // Once a press has begun changing a width (height) it keeps doing so, wherever the mouse
    // wanders, until the button is released.
    if (!(dragging && m_resizeMode != ResizeMode::None)) {
        if (x > c.width - EdgeZone) {
            if (c.right() < m_rightLimit)
                m_pointer = PointerShape::SizeLeftRight;
        } else if (y > c.height - EdgeZone) {
            if (c.bottom() < m_bottomLimit)
                m_pointer = PointerShape::SizeUpDown;
        } else if (!anyButton) {
            m_pointer = PointerShape::Arrow;
        }
    }
    if (!dragging || m_pointer == PointerShape::Arrow)
        return {m_pointer};

    const bool widths = m_pointer == PointerShape::SizeLeftRight;
    const float size = widths ? x : y;
    if (size < 0) {
        // Told once when the drag crosses the far edge, not once per mouse event.
        const bool crossed = !m_refusedNegative;
        m_refusedNegative = true;
        return {m_pointer, crossed};
    }
    m_refusedNegative = false;
    (widths ? c.width : c.height) = size;
    m_resizeMode = widths ? ResizeMode::Width : ResizeMode::Height;
    m_sizeChanged = true;
    return {m_pointer};
}

BorderMove CellResizer::mouseUp(int cell)
{
    const ResizeMode mode = m_resizeMode;
    const bool pressed = cell == m_pressedCell;
    endPress();
    if (mode == ResizeMode::None || !pressed || !m_model.design().hasCell(cell))
        return BorderMove::None;
    return moveBorder(cell, mode == ResizeMode::Width);
}

BorderMove CellResizer::moveBorder(int i, bool widths)
{
    Design &design = m_model.design();
    CellView &dragged = design.cell(i);
    const float oldEdge = widths ? m_originRight : m_originBottom;
    const float newEdge = widths ? dragged.right() : dragged.bottom();
    const float shift = oldEdge - newEdge;

    auto start = [widths](const CellView &c) { return widths ? c.left : c.top; };
    auto end = [widths](const CellView &c) { return widths ? c.right() : c.bottom(); };
    auto size = [widths](const CellView &c) { return widths ? c.width : c.height; };

    bool refused = size(dragged) <= 0;
    for (const CellView &c : design.cells()) {
        if (start(c) == oldEdge && size(c) + shift <= 0)
            refused = true;
        if (end(c) == oldEdge && size(c) - shift <= 0)
            refused = true;
    }
    if (refused) {
        dragged.width = m_originWidth;
        dragged.height = m_originHeight;
        m_model.placeScrollBar(i);
        return BorderMove::Refused;
    }

    for (int j = 0; j <= design.lastCellIndex(); ++j) {
        CellView &c = design.cell(j);
        const bool startsOnBorder = start(c) == oldEdge;
        const bool endsOnBorder = end(c) == oldEdge;
        float &extent = widths ? c.width : c.height;
        if (startsOnBorder) {
            extent += shift;
            (widths ? c.left : c.top) = newEdge;
        } else if (endsOnBorder) {
            extent -= shift;
        }
        m_model.placeScrollBar(j);
    }
    m_model.setModified(true);
    return BorderMove::Moved;
}

void CellResizer::endPress()
{
    m_pressedCell = -1;
    m_resizeMode = ResizeMode::None;
    m_sizeChanged = false;
    m_refusedNegative = false;
}

} // namespace frameset
