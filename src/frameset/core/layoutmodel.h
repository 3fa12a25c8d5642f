#pragma once

#include "frameset/core/design.h"
#include "frameset/core/splitdirection.h"
#include "frameset/core/splitundo.h"

#include <QString>
#include <optional>

namespace frameset {

// What Remove Cell came to.
enum class RemoveOutcome {
    Removed,
    FirstCellStays, // cell 0 cannot be removed (the window says so)
    Refused, // the sibling was split further or does not lie beside the cell (a beep)
    Nothing, // no cell to remove
};

// The designer's design state and the operations that change its structure: split, one level of
// undo, removal of a cell and reset. The window owns one instance, shows its cells and re-reads
// them after every operation, and tells the user what a refused operation came to.
class LayoutModel
{
public:
    // `scrollBarWidth` is the width of the scroll-bar views, in design units.
    explicit LayoutModel(float scrollBarWidth);

    const Design &design() const { return m_design; }
    // Direct access for the drag arithmetic and the properties dialog, which change geometry
    // and records but never the number of cells or the split tree.
    Design &design() { return m_design; }

    int lastCellIndex() const { return m_design.lastCellIndex(); }
    const SplitTree &splitTree() const { return m_design.splitTree(); }
    // The split tree from before the last split, which an undo brings back.
    const SplitTree &undoSplitTree() const { return m_undo.treeBefore; }
    int columnSplitCount() const { return m_columnSplitCount; }
    int rowSplitCount() const { return m_rowSplitCount; }
    float scrollBarWidth() const { return m_scrollBarWidth; }

    int selectedCell() const { return m_selectedCell; }
    // Makes cell i the selected cell; numbers outside the design are ignored.
    void selectCell(int i);

    // Whether the design has changes that no design file holds yet.
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // Whether "Undo Last Split" is available: after a split, until an undo, a removal or an
    // opened file.
    bool undoEnabled() const { return m_undo.available; }

    // Cell 0's caption: the window puts the start-up tutorial here; the first split and a
    // reset clear it.
    const QString &cell0Caption() const { return m_cell0Caption; }
    void setCell0Caption(const QString &caption) { m_cell0Caption = caption; }

    // Divides the selected cell in two: it keeps its number and becomes the left (top) half,
    // the new cell lastCellIndex() + 1 becomes the right (bottom) half and the selected cell.
    // Rewrites paths, split keys and the split tree. With 100 cells already, or when the
    // halves would have no size, it changes nothing (the window beeps). Returns whether it split.
    bool splitCell(SplitDirection direction);

    // Merges the cell of the last split back into its sibling, whose path stays as it is and
    // whose split key of that direction gets back its value from before the split; the split
    // tree returns to its state before the split. Does nothing when undo is not available.
    bool undoLastSplit();

    // Merges the selected cell with its sibling as if their split had never been made (geometry
    // aside): the first child survives with its path and split key from before the split, the
    // cells above the removed one move down one number together with their records and their
    // nodes in the split tree. Cell 0 cannot be removed; a sibling that was split further or does
    // not lie beside or above/below the cell refuses the removal.
    RemoveOutcome removeCell();

    // Back to a single empty cell of the given size (the design area the window computes);
    // cell 0 keeps its position. The split counters and the undo availability stay.
    void resetDesign(float width, float height);

    // Installs a design read from a design file: nothing selected but cell 0, unmodified, no undo.
    void openDesign(const Design &design);

    // Puts cell i's scroll-bar view along its right edge (visibility unchanged).
    void placeScrollBar(int i);

private:
    // The two halves of the selected cell for a split in `direction`; false when either would
    // have no size.
    bool splitHalves(SplitDirection direction, CellView &first, CellView &second) const;
    // Cell `survivor` grown over the pair of cells s and j, which lie side by side or one above
    // the other; nothing when they lie neither way.
    std::optional<CellView> mergedPair(int s, int j, int survivor) const;

    float m_scrollBarWidth;
    Design m_design;
    int m_columnSplitCount = 0;
    int m_rowSplitCount = 0;
    int m_selectedCell = 0;
    bool m_modified = false;
    QString m_cell0Caption;
    SplitUndo m_undo;
};

} // namespace frameset
