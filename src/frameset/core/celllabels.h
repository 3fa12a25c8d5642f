#pragma once

#include "frameset/core/propertyvalue.h"
#include "frameset/core/splitdirection.h"

#include <QString>

namespace frameset {

// What a design file calls a cell beside its frame attributes: the cell's split path and the
// keys of the innermost column and row splits it belongs to. Splits, undos and removals keep
// them up to date as they go, but they are labels rather than positions in the split tree: a
// design file may hold any, and they are written back as read.
struct CellLabels
{
    // Digit string; "0" for the root cell, otherwise one digit 1 (first side) or 2 (second
    // side) per split on the way down from the whole area.
    QString path = QStringLiteral("0");
    // The key and side ("1A", "21B") of the innermost column (row) split the cell belongs to.
    PropertyValue columnSplitKey;
    PropertyValue rowSplitKey;

    // The split key of the given direction: columnSplitKey for Column, rowSplitKey for Row.
    PropertyValue &splitKey(SplitDirection direction)
    {
        return direction == SplitDirection::Column ? columnSplitKey : rowSplitKey;
    }
    const PropertyValue &splitKey(SplitDirection direction) const
    {
        return direction == SplitDirection::Column ? columnSplitKey : rowSplitKey;
    }

    bool operator==(const CellLabels &other) const = default;
};

} // namespace frameset
