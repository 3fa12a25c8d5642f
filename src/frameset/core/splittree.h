#pragma once

#include "frameset/core/splitdirection.h"

#include <QList>
#include <QString>
#include <optional>

namespace frameset {

// One node of a design's split tree: a cell, a split of an area in two, or a line that a design
// file held where neither stands, kept as it was read so that the file and its documents come
// out the same.
struct SplitNode
{
    enum class Kind { Cell, Split, Verbatim };

    Kind kind = Kind::Cell;
    // Cell: the cell's number.
    int cell = 0;
    // Split: whether its parts lie side by side (Column) or stacked (Row), its key (the first
    // part's split path, the digits that name the split in files and documents) and its parts,
    // first (left or top) to last. A split read from a file may have any number of parts, and
    // may lack its end.
    SplitDirection direction = SplitDirection::Column;
    QString key;
    QList<SplitNode> parts;
    bool closed = true;
    // Verbatim: the line as read.
    QString text;

    static SplitNode leaf(int cell);
    static SplitNode split(SplitDirection direction, const QString &key, int first, int second);
    static SplitNode verbatim(const QString &text);

    bool isCell(int number) const { return kind == Kind::Cell && cell == number; }

    bool operator==(const SplitNode &other) const;
};

// The nesting of a design: its top-level nodes in order. A single cell has no nodes; a design
// made by splitting has one split at the top.
class SplitTree
{
public:
    SplitTree() = default;
    explicit SplitTree(QList<SplitNode> nodes)
        : m_nodes(std::move(nodes))
    { }

    bool isEmpty() const { return m_nodes.isEmpty(); }
    const QList<SplitNode> &nodes() const { return m_nodes; }

    // Replaces the first node of cell `cell` (in order from the top) with its split into itself
    // and `newCell`; an empty tree becomes that split. False, and no change, when the tree
    // holds nodes but none of that cell.
    bool splitCell(int cell, SplitDirection direction, const QString &key, int newCell);

    // The direction of the first split named `key`; nothing when none is.
    std::optional<SplitDirection> findSplit(const QString &key) const;

    // Turns the first split named `key` back into cell `first` when it holds exactly the cells
    // `first` and `second` and is closed; the cells numbered above `second` move down one
    // number, and a tree left with that one cell becomes empty. Returns the split's direction;
    // nothing, and no change, when the split is not found or holds anything else.
    std::optional<SplitDirection> mergeSplit(const QString &key, int first, int second);

    // The cell numbers in order from the top.
    QList<int> cells() const;

    bool operator==(const SplitTree &other) const { return nodes() == other.nodes(); }

private:
    QList<SplitNode> m_nodes;
};

} // namespace frameset
