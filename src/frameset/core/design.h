#pragma once

#include "frameset/core/cellview.h"
#include "frameset/core/framepropertytable.h"
#include "frameset/core/splittree.h"

#include <QList>
#include <QString>

namespace frameset {

// A design file lists this many frame property records, then the borders flag, then the records
// of any further cells.
inline constexpr int PropertyLinesBeforeBorders = 51;

// What a design file stores of a frameset design: the cells 0..lastCellIndex() with geometry and
// scroll-bar views, the split tree, the frame property records and cell labels (split paths and
// keys) of every cell number, and the Borders setting. A design always has at least cell 0 and
// at most MaxCells cells.
class Design
{
public:
    static constexpr int MaxCells = FramePropertyTable::RecordCount;

    // One root cell with path "0" and no size, an empty split tree, empty records, Borders on.
    Design();

    int lastCellIndex() const { return int(m_cells.size()) - 1; }
    const QList<CellView> &cells() const { return m_cells; }
    const CellView &cell(int i) const { return m_cells.at(i); }
    CellView &cell(int i) { return m_cells[i]; }
    bool hasCell(int i) const { return i >= 0 && i < m_cells.size(); }

    // Adds a cell with the next number, an empty record and split path `path` without split
    // keys. False (and no change) when MaxCells exist.
    bool appendCell(const CellView &cell, const QString &path);
    // Removes cell i (never the only cell) with its record and labels; the cells above it move
    // down one number with theirs, and the record and labels of the last number are emptied.
    void removeCell(int i);
    // Drops every cell but cell 0 and empties every record and label: cell 0 keeps its
    // geometry and scroll-bar view, and has the root's path.
    void truncateToRoot();

    // The first cell in number order whose path is exactly `path`; -1 when none is.
    int findCell(const QString &path) const;

    // The split path and keys of cell number `cell` (0..99).
    const CellLabels &labels(int cell) const { return m_labels.record(cell); }
    CellLabels &labels(int cell) { return m_labels.record(cell); }

    const SplitTree &splitTree() const { return m_splitTree; }
    void setSplitTree(const SplitTree &tree) { m_splitTree = tree; }

    const FramePropertyTable &properties() const { return m_properties; }
    FramePropertyTable &properties() { return m_properties; }

    bool bordersOn() const { return m_bordersOn; }
    void setBordersOn(bool on) { m_bordersOn = on; }

    bool operator==(const Design &other) const = default;

private:
    QList<CellView> m_cells;
    SplitTree m_splitTree;
    FramePropertyTable m_properties;
    CellLabelTable m_labels;
    bool m_bordersOn = true;
};

} // namespace frameset
